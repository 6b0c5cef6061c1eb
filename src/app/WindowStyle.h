// Look shared by every window of the editor: the font and the placement.
#pragma once

#include <QFont>

class QWidget;

namespace app {

// The layout's proportional Japanese gothic at 12 pixels, with fallbacks
// for machines without IPAPGothic.
QFont WindowFont();

// Moves a top-level window so that it stands in the middle of its screen.
void CenterOnScreen(QWidget* window);

}  // namespace app
