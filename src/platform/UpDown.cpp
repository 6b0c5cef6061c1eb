// TUpDown: an up/down arrow pair bound to an edit, stepping by user presses
// only, never taking the focus.
#include <QApplication>
#include <algorithm>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "platform/Controls.h"

namespace ui {
namespace {

constexpr int kFirstRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;

}  // namespace

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  repeat_.setSingleShot(false);
  connect(&repeat_, &QTimer::timeout, this, &TUpDown::RepeatStep);
}

void TUpDown::SetAssociate(TEdit* edit) {
  if (edit_ && edit_->upDown_ == this) edit_->upDown_ = nullptr;
  edit_ = edit;
  if (edit_) {
    edit_->upDown_ = this;
    ShowPosition();
  }
}

void TUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
}

void TUpDown::SetPosition(int position) {
  position_ = position;
  ShowPosition();
}

// A position outside the range (a record value from a file) steps from the
// nearest limit: at 150 with the range 0..100, down gives 99, up nothing.
void TUpDown::Step(UpDownButton button) {
  if (!isEnabled()) return;
  const int from = std::max(min_, std::min(max_, position_));
  const int to = button == UpDownButton::Up ? from + 1 : from - 1;
  if (to < min_ || to > max_) return;
  position_ = to;
  ShowPosition();
  emit Click(button);
}

QSize TUpDown::sizeHint() const { return QSize(16, 22); }

void TUpDown::ShowPosition() {
  if (edit_) edit_->setText(QString::number(position_));
}

void TUpDown::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int upperHeight = height() / 2;
  const QRect halves[2] = {QRect(0, 0, width(), upperHeight), QRect(0, upperHeight, width(), height() - upperHeight)};
  for (int i = 0; i < 2; ++i) {
    const bool sunken = pressed_ == (i == 0 ? 1 : -1);
    QStyleOptionButton bevel;
    bevel.initFrom(this);
    bevel.rect = halves[i];
    bevel.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
    bevel.state &= ~QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &bevel, &painter, this);

    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = halves[i].adjusted(3, 2, -3, -2);
    if (sunken) arrow.rect.translate(1, 1);
    style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow, &painter,
                           this);
  }
}

void TUpDown::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !isEnabled()) {
    e->ignore();
    return;
  }
  e->accept();
  const bool upper = e->position().y() < height() / 2;
  pressed_ = upper ? 1 : -1;
  update();
  repeat_.start(kFirstRepeatDelayMs);
  Step(upper ? UpDownButton::Up : UpDownButton::Down);
}

void TUpDown::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) StopRepeat();
  e->accept();
}

void TUpDown::RepeatStep() {
  // A handler that opened a modal box took the mouse away: stop, or the
  // spin would keep stepping behind the box.
  QWidget* modal = QApplication::activeModalWidget();
  if (pressed_ == 0 || !isEnabled() || !isVisible() || (modal && modal != window() && !modal->isAncestorOf(this))) {
    StopRepeat();
    return;
  }
  repeat_.setInterval(kRepeatIntervalMs);
  Step(pressed_ > 0 ? UpDownButton::Up : UpDownButton::Down);
}

void TUpDown::StopRepeat() {
  repeat_.stop();
  if (pressed_ != 0) {
    pressed_ = 0;
    update();
  }
}

void TUpDown::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) {
    if (!isEnabled()) StopRepeat();
    update();
  }
  QWidget::changeEvent(e);
}

void TUpDown::hideEvent(QHideEvent* e) {
  StopRepeat();
  QWidget::hideEvent(e);
}

}  // namespace ui
