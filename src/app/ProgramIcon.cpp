#include "app/ProgramIcon.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace app {

QImage ProgramIcon() {
  // The 16 colours of the classic VGA palette that the icon uses.
  const QColor navy(0, 0, 128), red(255, 0, 0), white(255, 255, 255), blue(0, 0, 255);
  const QColor silver(192, 192, 192), grey(128, 128, 128), yellow(255, 255, 0), black(0, 0, 0);

  QImage icon(32, 32, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.fillRect(3, 3, 26, 26, navy);  // the mat
  // Three ropes on each side: red outside, white, blue inside.
  const QColor ropes[] = {red, white, blue};
  for (int i = 0; i < 3; ++i) {
    int o = 2 + 2 * i;
    p.setPen(ropes[i]);
    p.drawRect(o, o, 31 - 2 * o, 31 - 2 * o);
  }
  // Corner posts.
  for (int x : {0, 28})
    for (int y : {0, 28}) {
      p.fillRect(x, y, 4, 4, silver);
      p.setPen(grey);
      p.drawRect(x, y, 3, 3);
    }
  // The star of the supplement's name.
  QPolygonF star;
  for (int k = 0; k < 10; ++k) {
    double r = (k % 2 == 0) ? 8.5 : 3.6;
    double a = -M_PI / 2 + k * M_PI / 5;
    star << QPointF(16 + r * std::cos(a), 16.5 + r * std::sin(a));
  }
  p.setPen(black);
  p.setBrush(yellow);
  p.drawPolygon(star);
  p.end();
  return icon;
}

}  // namespace app
