// The program's 32 x 32, 16-colour icon: a ring seen from above with a
// star on the mat. Drawn in code so the build needs no image files.
#pragma once

#include <QImage>

namespace app {
QImage ProgramIcon();
}
