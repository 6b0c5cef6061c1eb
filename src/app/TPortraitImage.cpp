#include "app/TPortraitImage.h"

#include <QPainter>

TPortraitImage::TPortraitImage(QWidget* parent)
    : QWidget(parent), image_(kWidth, kHeight, QImage::Format_RGB32) {
  image_.fill(Qt::white);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

TPortraitRaster::Rgb TPortraitImage::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return Rgb{};
  QRgb p = image_.pixel(x, y);
  return Rgb{static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)), static_cast<uint8_t>(qBlue(p))};
}

void TPortraitImage::SetPixel(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return;
  image_.setPixel(x, y, qRgb(c.r, c.g, c.b));
  update(x, y, 1, 1);  // coalesced; a whole-raster transfer repaints once
}

void TPortraitImage::Clear() {
  image_.fill(Qt::white);
  const QRgb black = qRgb(0, 0, 0);
  for (int x = 0; x < kWidth; ++x) {
    image_.setPixel(x, 0, black);
    image_.setPixel(x, kHeight - 1, black);
  }
  for (int y = 0; y < kHeight; ++y) {
    image_.setPixel(0, y, black);
    image_.setPixel(kWidth - 1, y, black);
  }
  update();
}

void TPortraitImage::SetPicture(const QImage& picture) {
  image_.fill(Qt::white);
  QPainter p(&image_);
  p.drawImage(0, 0, picture);
  p.end();
  update();
}

void TPortraitImage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  p.drawImage(0, 0, image_);
}
