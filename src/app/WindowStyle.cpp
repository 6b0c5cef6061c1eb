#include "app/WindowStyle.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace app {

QFont WindowFont() {
  QFont font;
  font.setFamilies(QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                               QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                               QStringLiteral("TakaoPGothic")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  return font;
}

void CenterOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace app
