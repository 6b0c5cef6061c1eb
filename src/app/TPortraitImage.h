// The picture box `Image1`: shows the portrait raster and is the surface
// the record's Portrait refers to.
#pragma once

#include <QImage>
#include <QWidget>

#include "model/TWrestler.h"

class TPortraitImage : public QWidget, public TPortraitRaster {
  Q_OBJECT
 public:
  explicit TPortraitImage(QWidget* parent = nullptr);

  Rgb Pixel(int x, int y) const override;
  void SetPixel(int x, int y, Rgb c) override;

  // The blank portrait: white, outlined by a one-pixel black line.
  void Clear();
  // Shows `picture` from the top-left corner at its natural size, cropped
  // to the raster; white where it does not reach.
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return image_; }

  QSize sizeHint() const override { return image_.size(); }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QImage image_;
};
