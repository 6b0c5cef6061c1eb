// The string grid and the list box: code page 932 cells and the click
// rules, driven as a user would.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include "model/Sjis.h"
#include "platform/Controls.h"
#include "platform/Text.h"

namespace {

const std::string kNecIbm = "\xED\x40";  // decodes and encodes to 0xFA 0x5C

class GridTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window_);
    other_ = new ui::TEdit;
    layout->addWidget(other_);
    grid_ = new ui::TStringGrid(3, 6, Fixed());
    grid_->SetRowHeight(16);
    grid_->SetColWidths({60, 40, 40});
    layout->addWidget(grid_);
    window_.resize(300, 300);
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    click_ = std::make_unique<QSignalSpy>(grid_, &ui::TStringGrid::Click);
  }
  int Fixed() const { return GetParam(); }
  // Grid row and column as the grid counts them (the fixed row is row 0).
  QPoint CellCentre(int column, int row) const {
    return grid_->visualRect(grid_->model()->index(row - Fixed(), column)).center();
  }
  void ClickCell(int column, int row) { QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, CellCentre(column, row)); }

  QWidget window_;
  ui::TEdit* other_ = nullptr;
  ui::TStringGrid* grid_ = nullptr;
  std::unique_ptr<QSignalSpy> click_;
};

INSTANTIATE_TEST_SUITE_P(FixedRows, GridTest, ::testing::Values(0, 1));

TEST_P(GridTest, ShapeAndCellsKeepTheirBytes) {
  EXPECT_EQ(grid_->RowCount(), 6);
  EXPECT_EQ(grid_->FixedRows(), Fixed());
  EXPECT_EQ(grid_->horizontalHeader()->isVisible(), Fixed() == 1);
  EXPECT_FALSE(grid_->verticalHeader()->isVisible());
  EXPECT_EQ(grid_->rowHeight(0), 16);
  EXPECT_EQ(grid_->columnWidth(0), 60);
  // The first data row is current from the start.
  EXPECT_EQ(grid_->Row(), Fixed());

  const std::string name = kNecIbm + sjis::Literal("投げ");
  grid_->SetCell(0, 0, "head");
  grid_->SetCell(2, 5, name);
  EXPECT_EQ(grid_->Cell(0, 0), "head");
  EXPECT_EQ(grid_->Cell(2, 5), name);
  EXPECT_EQ(grid_->item(5 - Fixed(), 2)->text(), ui::FromSjis(name));
  EXPECT_EQ(grid_->Cell(1, 5), "");
  EXPECT_EQ(grid_->Cell(3, 0), "");
  EXPECT_EQ(grid_->Cell(0, 6), "");
  grid_->SetCell(0, 6, "x");  // outside: ignored

  grid_->ClearCells();
  EXPECT_EQ(grid_->Cell(2, 5), "");
  EXPECT_EQ(grid_->Cell(0, 0), Fixed() ? "head" : "");
  EXPECT_EQ(grid_->Row(), Fixed());
  EXPECT_EQ(click_->count(), 0);
}

TEST_P(GridTest, CellsAreNotEditable) {
  grid_->SetCell(0, 2, "abc");
  ClickCell(0, 2);
  QTest::mouseDClick(grid_->viewport(), Qt::LeftButton, {}, CellCentre(0, 2));
  QTest::keyClick(grid_, Qt::Key_F2);
  QTest::keyClick(grid_, Qt::Key_X);
  EXPECT_EQ(grid_->viewport()->findChild<QLineEdit*>(), nullptr);
  EXPECT_EQ(grid_->Cell(0, 2), "abc");
}

TEST_P(GridTest, UserClickOnAnotherRowFiresClickOnce) {
  int rowAtClick = -1;
  QObject::connect(grid_, &ui::TStringGrid::Click, grid_, [&] { rowAtClick = grid_->Row(); });
  ClickCell(1, 3);
  EXPECT_EQ(grid_->Row(), 3);
  EXPECT_EQ(rowAtClick, 3);
  EXPECT_EQ(click_->count(), 1);
  EXPECT_TRUE(grid_->selectionModel()->isRowSelected(3 - Fixed(), {}));
}

TEST_P(GridTest, ClickOnTheCurrentRowFiresClick) {
  ClickCell(0, 2);
  ClickCell(0, 2);
  EXPECT_EQ(click_->count(), 2);
  // Another column of the same row is still a click on the row.
  ClickCell(2, 2);
  EXPECT_EQ(click_->count(), 3);
}

TEST_P(GridTest, HeadingRowIsNeverSelected) {
  if (Fixed() == 0) GTEST_SKIP() << "no heading row";
  QHeaderView* heading = grid_->horizontalHeader();
  QTest::mouseClick(heading->viewport(), Qt::LeftButton, {}, QPoint(10, heading->height() / 2));
  EXPECT_EQ(grid_->Row(), 1);
  EXPECT_EQ(click_->count(), 0);
  grid_->SetRow(0);
  EXPECT_EQ(grid_->Row(), 1);
}

TEST_P(GridTest, SetRowFiresClickOnlyForAnotherRow) {
  grid_->SetRow(4);
  EXPECT_EQ(grid_->Row(), 4);
  EXPECT_EQ(click_->count(), 1);
  grid_->SetRow(4);
  EXPECT_EQ(click_->count(), 1);
  grid_->SetRow(6);
  grid_->SetRow(-1);
  EXPECT_EQ(grid_->Row(), 4);
  EXPECT_EQ(click_->count(), 1);
}

TEST_P(GridTest, KeyboardMovesBetweenRowsButNotColumnsFireClick) {
  grid_->setFocus();
  QTest::keyClick(grid_, Qt::Key_Down);
  EXPECT_EQ(grid_->Row(), Fixed() + 1);
  EXPECT_EQ(click_->count(), 1);
  QTest::keyClick(grid_, Qt::Key_Right);
  grid_->setCurrentCell(grid_->currentRow(), 2);
  EXPECT_EQ(grid_->Row(), Fixed() + 1);
  EXPECT_EQ(click_->count(), 1);
}

TEST_P(GridTest, ExitFiresWhenTheFocusLeaves) {
  QSignalSpy exit(grid_, &ui::TStringGrid::Exit);
  ClickCell(0, 2);
  ASSERT_TRUE(grid_->hasFocus());
  // Tab leaves the grid instead of moving between cells.
  QTest::keyClick(grid_, Qt::Key_Tab);
  EXPECT_FALSE(grid_->hasFocus());
  EXPECT_EQ(exit.count(), 1);
}

TEST(PlatformGridPages, ChoosingAnotherPageIsAnExit) {
  QTabWidget pages;
  auto* grid = new ui::TStringGrid(2, 4, 1);
  pages.addTab(grid, QStringLiteral("grid"));
  pages.addTab(new ui::TEdit, QStringLiteral("edit"));
  pages.resize(300, 200);
  pages.show();
  pages.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&pages));
  grid->setFocus();
  ASSERT_TRUE(grid->hasFocus());
  QSignalSpy exit(grid, &ui::TStringGrid::Exit);
  QTabBar* bar = pages.tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(pages.currentIndex(), 1);
  EXPECT_EQ(exit.count(), 1);
}

// --- TListBox ------------------------------------------------------------------

class ListBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    list_.SetItems({"one", kNecIbm, sjis::Literal("受身")});
    list_.resize(120, 120);
    list_.show();
    list_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list_));
  }
  QPoint ItemCentre(int i) { return list_.visualItemRect(list_.item(i)).center(); }
  ui::TListBox list_;
};

TEST_F(ListBoxTest, ItemsKeepTheirBytes) {
  EXPECT_EQ(list_.count(), 3);
  EXPECT_EQ(list_.ItemText(1), kNecIbm);
  EXPECT_EQ(list_.item(2)->text(), QString::fromUtf8("受身"));
  EXPECT_EQ(list_.ItemText(3), "");
  list_.SetItems({"x"});
  EXPECT_EQ(list_.count(), 1);
  EXPECT_EQ(list_.ItemIndex(), -1);
}

TEST_F(ListBoxTest, DoubleClickOnAnItemFiresDblClick) {
  QSignalSpy dbl(&list_, &ui::TListBox::DblClick);
  int indexAtDbl = -2;
  QObject::connect(&list_, &ui::TListBox::DblClick, &list_, [&] { indexAtDbl = list_.ItemIndex(); });
  QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, ItemCentre(2));
  EXPECT_EQ(dbl.count(), 0);
  QTest::mouseDClick(list_.viewport(), Qt::LeftButton, {}, ItemCentre(2));
  EXPECT_EQ(dbl.count(), 1);
  EXPECT_EQ(indexAtDbl, 2);
}

TEST_F(ListBoxTest, ItemIndexIsTheSelectedItemOnly) {
  EXPECT_EQ(list_.ItemIndex(), -1);
  // Tabbing in puts a focus frame on the first item, which selects nothing.
  list_.clearFocus();
  list_.setFocus(Qt::TabFocusReason);
  EXPECT_EQ(list_.ItemIndex(), -1);
  QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, ItemCentre(1));
  EXPECT_EQ(list_.ItemIndex(), 1);
  QTest::keyClick(&list_, Qt::Key_Down);
  EXPECT_EQ(list_.ItemIndex(), 2);
}

}  // namespace
