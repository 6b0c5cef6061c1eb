// TStringGrid and TListBox: item views holding code page 932 texts.
#include <QFocusEvent>
#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

#include "platform/Controls.h"
#include "platform/Text.h"

namespace ui {
namespace {

constexpr int kBytesRole = Qt::UserRole;

std::string BytesOf(const QTableWidgetItem* item) {
  if (!item) return {};
  const QByteArray bytes = item->data(kBytesRole).toByteArray();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray ToByteArray(const std::string& bytes) {
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

// --- TStringGrid -----------------------------------------------------------
//
// The fixed heading row is the horizontal header (grey, never selected,
// always on top); table row r is grid row r + fixedRows_.

TStringGrid::TStringGrid(int columns, int rows, int fixedRows, QWidget* parent)
    : QTableWidget(parent), fixedRows_(std::clamp(fixedRows, 0, std::min(1, std::max(rows, 0)))) {
  setColumnCount(std::max(columns, 0));
  setRowCount(std::max(rows, 0) - fixedRows_);
  verticalHeader()->hide();
  QHeaderView* heading = horizontalHeader();
  heading->setVisible(fixedRows_ > 0);
  heading->setSectionsClickable(false);
  heading->setSectionsMovable(false);
  heading->setHighlightSections(false);
  heading->setStretchLastSection(false);
  heading->setSectionResizeMode(QHeaderView::Fixed);
  heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The heading row is as high as a data row (16 px); the styles' default
  // section padding would clip the top of its text.
  heading->setStyleSheet(QStringLiteral("QHeaderView::section { padding: 0px 2px; border: 0px;"
                                        " border-right: 1px solid palette(mid);"
                                        " border-bottom: 1px solid palette(mid);"
                                        " background: palette(button); }"));
  if (fixedRows_ > 0)
    for (int c = 0; c < columnCount(); ++c) setHorizontalHeaderItem(c, new QTableWidgetItem());

  setEditTriggers(NoEditTriggers);
  setSelectionBehavior(SelectRows);
  setSelectionMode(SingleSelection);
  setShowGrid(true);
  setTabKeyNavigation(false);  // Tab leaves the grid
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  setCornerButtonEnabled(false);

  // The first data row is current from the start, as the classic grid's.
  if (rowCount() > 0 && columnCount() > 0) setCurrentCell(0, 0);

  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
    if (row >= 0 && row != previousRow) emit Click();
  });
  // A click on the row that was already current; a click that moved the
  // current row has fired through currentCellChanged during the press.
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
    if (row == rowAtPress_) emit Click();
  });
}

void TStringGrid::SetColWidths(const std::vector<int>& widths) {
  for (int c = 0; c < columnCount() && c < static_cast<int>(widths.size()); ++c) setColumnWidth(c, widths[c]);
}

void TStringGrid::SetRowHeight(int pixels) {
  QHeaderView* rowsHeader = verticalHeader();
  rowsHeader->setMinimumSectionSize(std::min(pixels, rowsHeader->minimumSectionSize()));
  rowsHeader->setDefaultSectionSize(pixels);
  rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
  if (fixedRows_ > 0) horizontalHeader()->setFixedHeight(pixels);
}

const QTableWidgetItem* TStringGrid::CellItem(int column, int row) const {
  if (column < 0 || column >= columnCount() || row < 0 || row >= RowCount()) return nullptr;
  return row < fixedRows_ ? horizontalHeaderItem(column) : item(row - fixedRows_, column);
}

QTableWidgetItem* TStringGrid::CellItem(int column, int row, bool create) {
  auto* found = const_cast<QTableWidgetItem*>(std::as_const(*this).CellItem(column, row));
  if (found || !create || column < 0 || column >= columnCount() || row < 0 || row >= RowCount()) return found;
  auto* made = new QTableWidgetItem();
  if (row < fixedRows_) {
    setHorizontalHeaderItem(column, made);
  } else {
    made->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    setItem(row - fixedRows_, column, made);
  }
  return made;
}

std::string TStringGrid::Cell(int column, int row) const { return BytesOf(CellItem(column, row)); }

void TStringGrid::SetCell(int column, int row, const std::string& bytes) {
  QTableWidgetItem* cell = CellItem(column, row, true);
  if (!cell) return;
  cell->setData(kBytesRole, ToByteArray(bytes));
  cell->setText(FromSjis(bytes));
}

void TStringGrid::ClearCells() {
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      if (QTableWidgetItem* cell = item(r, c)) {
        cell->setData(kBytesRole, QByteArray());
        cell->setText(QString());
      }
}

int TStringGrid::Row() const {
  const int row = currentRow();
  return row < 0 ? -1 : row + fixedRows_;
}

// A row outside the data rows is ignored (the classic grid raised an
// error here).
void TStringGrid::SetRow(int row) {
  if (row == Row() || row < fixedRows_ || row >= RowCount()) return;
  setCurrentCell(row - fixedRows_, std::max(currentColumn(), 0));
}

void TStringGrid::focusOutEvent(QFocusEvent* e) {
  QTableWidget::focusOutEvent(e);
  if (IsExitFocusReason(e->reason())) emit Exit();
}

void TStringGrid::mousePressEvent(QMouseEvent* e) {
  rowAtPress_ = currentRow();
  QTableWidget::mousePressEvent(e);
}

// --- TListBox ----------------------------------------------------------------

TListBox::TListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(SingleSelection);
  setEditTriggers(NoEditTriggers);
  connect(this, &QListWidget::itemDoubleClicked, this, &TListBox::DblClick);
}

void TListBox::SetItems(const TStringList& items) {
  clear();
  for (const auto& bytes : items) {
    auto* line = new QListWidgetItem(FromSjis(bytes));
    line->setData(kBytesRole, ToByteArray(bytes));
    addItem(line);
  }
}

std::string TListBox::ItemText(int index) const {
  const QListWidgetItem* line = item(index);
  if (!line) return {};
  const QByteArray bytes = line->data(kBytesRole).toByteArray();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

int TListBox::ItemIndex() const {
  const QListWidgetItem* current = currentItem();
  return current && current->isSelected() ? currentRow() : -1;
}

}  // namespace ui
