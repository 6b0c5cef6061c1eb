// The event rules of the edit, the spin, the check box, the radio group and
// the drop-down list, driven as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

#include "platform/Controls.h"

namespace {

using ui::UpDownButton;

// A shown, active window: focus events only arrive in an active window.
class ControlsWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(300, 300);
    layout_ = new QVBoxLayout(&window_);
  }
  template <typename T>
  T* Add(T* w) {
    layout_->addWidget(w);
    return w;
  }
  void Show() {
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }
  QWidget window_;
  QVBoxLayout* layout_ = nullptr;
};

// --- TEdit -------------------------------------------------------------------

TEST_F(ControlsWindow, EditChangeFiresOnEveryNewTextOnly) {
  auto* edit = Add(new ui::TEdit);
  Show();
  QSignalSpy change(edit, &ui::TEdit::Change);
  edit->SetAscii("10");
  edit->SetAscii("10");
  EXPECT_EQ(change.count(), 1);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_5);
  EXPECT_EQ(change.count(), 2);
  edit->SetSjis("105");
  EXPECT_EQ(change.count(), 2);
}

TEST_F(ControlsWindow, EditExitFiresWhenTheFocusMovesToAnotherControl) {
  auto* first = Add(new ui::TEdit);
  auto* second = Add(new ui::TEdit);
  Show();
  first->setFocus();
  ASSERT_TRUE(first->hasFocus());
  QSignalSpy firstExit(first, &ui::TEdit::Exit), secondExit(second, &ui::TEdit::Exit);
  QTest::mouseClick(second, Qt::LeftButton);
  EXPECT_TRUE(second->hasFocus());
  EXPECT_EQ(firstExit.count(), 1);
  QTest::keyClick(second, Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_TRUE(first->hasFocus());
  EXPECT_EQ(secondExit.count(), 1);
  EXPECT_EQ(firstExit.count(), 1);
}

TEST_F(ControlsWindow, EditExitIgnoresAnotherWindowTakingTheFocusForAWhile) {
  auto* edit = Add(new ui::TEdit);
  Add(new ui::TEdit);
  Show();
  edit->setFocus();
  QSignalSpy exit(edit, &ui::TEdit::Exit);
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  EXPECT_TRUE(edit->hasFocus());
  EXPECT_EQ(exit.count(), 0);
}

TEST_F(ControlsWindow, EditWithoutTabStopIsSkippedByTab) {
  auto* first = Add(new ui::TEdit);
  auto* skipped = Add(new ui::TEdit);
  auto* third = Add(new ui::TEdit);
  skipped->setReadOnly(true);
  skipped->SetTabStop(false);
  Show();
  first->setFocus();
  QTest::keyClick(first, Qt::Key_Tab);
  EXPECT_TRUE(third->hasFocus());
  QTest::mouseClick(skipped, Qt::LeftButton);
  EXPECT_TRUE(skipped->hasFocus());
}

// --- TUpDown -------------------------------------------------------------------

class UpDownTest : public ControlsWindow {
 protected:
  void SetUp() override {
    ControlsWindow::SetUp();
    other_ = Add(new ui::TEdit);
    edit_ = Add(new ui::TEdit);
    edit_->setReadOnly(true);
    spin_ = Add(new ui::TUpDown);
    spin_->setFixedSize(16, 22);
    spin_->SetRange(4, 20);
    spin_->SetAssociate(edit_);
    spin_->SetPosition(10);
    Show();
    click_ = std::make_unique<QSignalSpy>(spin_, &ui::TUpDown::Click);
    change_ = std::make_unique<QSignalSpy>(edit_, &ui::TEdit::Change);
  }
  void Press(UpDownButton b) {
    const QPoint at(8, b == UpDownButton::Up ? 3 : 19);
    QTest::mousePress(spin_, Qt::LeftButton, {}, at);
    QTest::mouseRelease(spin_, Qt::LeftButton, {}, at);
  }
  UpDownButton ClickButton(int i) const { return (*click_)[i][0].value<UpDownButton>(); }

  ui::TEdit* other_ = nullptr;
  ui::TEdit* edit_ = nullptr;
  ui::TUpDown* spin_ = nullptr;
  std::unique_ptr<QSignalSpy> click_, change_;
};

TEST_F(UpDownTest, AssociateShowsThePosition) { EXPECT_EQ(edit_->text(), "10"); }

TEST_F(UpDownTest, UserStepFiresClickWithDirectionAfterTheChange) {
  int positionAtClick = 0;
  QString textAtClick;
  QObject::connect(spin_, &ui::TUpDown::Click, spin_, [&] {
    positionAtClick = spin_->Position();
    textAtClick = edit_->text();
  });
  Press(UpDownButton::Up);
  ASSERT_EQ(click_->count(), 1);
  EXPECT_EQ(ClickButton(0), UpDownButton::Up);
  EXPECT_EQ(positionAtClick, 11);
  EXPECT_EQ(textAtClick, "11");
  EXPECT_EQ(change_->count(), 1);

  Press(UpDownButton::Down);
  Press(UpDownButton::Down);
  ASSERT_EQ(click_->count(), 3);
  EXPECT_EQ(ClickButton(2), UpDownButton::Down);
  EXPECT_EQ(spin_->Position(), 9);
  EXPECT_EQ(edit_->text(), "9");
}

TEST_F(UpDownTest, NothingHappensAtTheLimits) {
  spin_->SetPosition(20);
  change_->clear();
  Press(UpDownButton::Up);
  EXPECT_EQ(spin_->Position(), 20);
  spin_->SetPosition(4);
  change_->clear();
  Press(UpDownButton::Down);
  spin_->Step(UpDownButton::Down);
  EXPECT_EQ(spin_->Position(), 4);
  EXPECT_EQ(click_->count(), 0);
  EXPECT_EQ(change_->count(), 0);
}

TEST_F(UpDownTest, SetPositionFiresNoClickButTheEditChanges) {
  spin_->SetPosition(15);
  EXPECT_EQ(edit_->text(), "15");
  EXPECT_EQ(change_->count(), 1);
  spin_->SetPosition(15);
  EXPECT_EQ(change_->count(), 1);
  EXPECT_EQ(click_->count(), 0);
}

TEST_F(UpDownTest, OutOfRangePositionIsShownAndStepsFromTheNearestLimit) {
  spin_->SetPosition(150);
  EXPECT_EQ(edit_->text(), "150");
  EXPECT_EQ(spin_->Position(), 150);
  Press(UpDownButton::Up);
  EXPECT_EQ(spin_->Position(), 150);
  EXPECT_EQ(click_->count(), 0);
  Press(UpDownButton::Down);
  EXPECT_EQ(spin_->Position(), 19);
  EXPECT_EQ(click_->count(), 1);

  spin_->SetPosition(-3);
  Press(UpDownButton::Down);
  EXPECT_EQ(spin_->Position(), -3);
  Press(UpDownButton::Up);
  EXPECT_EQ(spin_->Position(), 5);
  EXPECT_EQ(click_->count(), 2);
}

TEST_F(UpDownTest, ArrowKeysInTheBoundEditStep) {
  edit_->setFocus();
  QTest::keyClick(edit_, Qt::Key_Up);
  QTest::keyClick(edit_, Qt::Key_Up);
  QTest::keyClick(edit_, Qt::Key_Down);
  ASSERT_EQ(click_->count(), 3);
  EXPECT_EQ(ClickButton(0), UpDownButton::Up);
  EXPECT_EQ(ClickButton(2), UpDownButton::Down);
  EXPECT_EQ(spin_->Position(), 11);
  EXPECT_EQ(edit_->text(), "11");

  // An edit without a spin keeps its arrow keys.
  QSignalSpy otherChange(other_, &ui::TEdit::Change);
  other_->setFocus();
  QTest::keyClick(other_, Qt::Key_Up);
  EXPECT_EQ(click_->count(), 3);
  EXPECT_EQ(otherChange.count(), 0);
}

TEST_F(UpDownTest, PressingTheSpinLeavesTheFocusWhereItWas) {
  other_->setFocus();
  QSignalSpy exit(other_, &ui::TEdit::Exit);
  Press(UpDownButton::Up);
  EXPECT_TRUE(other_->hasFocus());
  EXPECT_EQ(exit.count(), 0);
  EXPECT_EQ(click_->count(), 1);
}

TEST_F(UpDownTest, DisabledSpinIgnoresPressesAndSteps) {
  spin_->setEnabled(false);
  Press(UpDownButton::Up);
  spin_->Step(UpDownButton::Up);
  edit_->setFocus();
  QTest::keyClick(edit_, Qt::Key_Up);
  EXPECT_EQ(spin_->Position(), 10);
  EXPECT_EQ(click_->count(), 0);
  // Painting the disabled state must work too.
  EXPECT_FALSE(spin_->grab().isNull());
}

TEST_F(UpDownTest, HoldingTheArrowRepeatsUntilRelease) {
  const QPoint up(8, 3);
  QTest::mousePress(spin_, Qt::LeftButton, {}, up);
  EXPECT_EQ(click_->count(), 1);
  QTest::qWait(250);
  EXPECT_EQ(click_->count(), 1);  // the first repeat waits longer
  QTest::qWait(700);
  QTest::mouseRelease(spin_, Qt::LeftButton, {}, up);
  const int held = click_->count();
  EXPECT_GE(held, 3);
  QTest::qWait(300);
  EXPECT_EQ(click_->count(), held);
  EXPECT_EQ(spin_->Position(), 10 + held);
}

TEST_F(UpDownTest, RepeatStopsWhenAHandlerOpensAModalWindow) {
  QWidget* box = nullptr;
  QObject::connect(spin_, &ui::TUpDown::Click, spin_, [&] {
    if (box) return;
    QDialog dialog(&window_);
    box = &dialog;
    QTimer::singleShot(800, &dialog, &QDialog::accept);
    dialog.exec();
  });
  QTest::mousePress(spin_, Qt::LeftButton, {}, QPoint(8, 3));
  // The release went to the dialog; the spin must not keep stepping.
  QTest::qWait(400);
  EXPECT_EQ(click_->count(), 1);
  QTest::mouseRelease(spin_, Qt::LeftButton, {}, QPoint(8, 3));
}

TEST_F(UpDownTest, ReassociatingReleasesTheFormerEdit) {
  auto* next = Add(new ui::TEdit);
  spin_->SetAssociate(next);
  EXPECT_EQ(next->text(), "10");
  edit_->setFocus();
  QTest::keyClick(edit_, Qt::Key_Up);
  EXPECT_EQ(click_->count(), 0);
  delete spin_;
  next->setFocus();
  QTest::keyClick(next, Qt::Key_Up);  // no spin any more: must not crash
  EXPECT_EQ(next->text(), "10");
}

// --- TCheckBox, TRadioGroup, TComboBox ----------------------------------------

TEST_F(ControlsWindow, CheckBoxClickFiresOnUserAndOnCodeChangingTheState) {
  auto* box = Add(new ui::TCheckBox(QStringLiteral("box")));
  Show();
  QSignalSpy click(box, &ui::TCheckBox::Click);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(click.count(), 1);
  box->SetChecked(true);
  EXPECT_EQ(click.count(), 1);
  box->SetChecked(false);
  EXPECT_EQ(click.count(), 2);
}

TEST_F(ControlsWindow, RadioGroupClickFiresOncePerSelectionChange) {
  auto* group = Add(new ui::TRadioGroup(QStringLiteral("kind"), {"a", "b", "c"}));
  Show();
  QSignalSpy click(group, &ui::TRadioGroup::Click);
  EXPECT_EQ(group->ItemIndex(), -1);

  int indexAtClick = -2;
  QObject::connect(group, &ui::TRadioGroup::Click, group, [&] { indexAtClick = group->ItemIndex(); });
  QRadioButton* b = group->Item(1);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, b->height() / 2));
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(click.count(), 1);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, b->height() / 2));
  EXPECT_EQ(click.count(), 1);

  group->SetItemIndex(2);
  EXPECT_EQ(click.count(), 2);
  EXPECT_EQ(indexAtClick, 2);
  group->SetItemIndex(2);
  EXPECT_EQ(click.count(), 2);

  group->SetItemIndex(-1);
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_EQ(click.count(), 2);
  group->SetItemIndex(0);
  EXPECT_EQ(click.count(), 3);
  EXPECT_FALSE(group->Item(2)->isChecked());
  group->SetItemIndex(7);
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_EQ(group->Item(7), nullptr);
}

TEST_F(ControlsWindow, ComboChangeFiresOnlyOnUserSelection) {
  auto* combo = Add(new ui::TComboBox);
  combo->addItems({"a", "b", "c"});
  Show();
  QSignalSpy change(combo, &ui::TComboBox::Change);
  combo->SetItemIndex(2);
  combo->setCurrentIndex(0);
  EXPECT_EQ(change.count(), 0);
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(change.count(), 1);
}

}  // namespace
