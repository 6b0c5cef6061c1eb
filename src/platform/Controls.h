// The window's controls with the event rules the editor relies on.
//
// The handlers of the main window expect a classic desktop toolkit's event
// semantics, which Qt's signals do not give directly. Every panel uses these
// classes, so the mapping lives here once:
//
//  * TEdit::Change   any text change, by the user or by code; the same text
//                    again fires nothing (QLineEdit::textChanged).
//  * TEdit::Exit     the edit loses the focus to another control of the
//                    window (focusOutEvent; see IsExitFocusReason). The same
//                    holds for TMemo::Exit and TStringGrid::Exit.
//  * TUpDown::Click  an up/down arrow pair bound to an edit. Fires only when a
//                    user step (mouse press, auto-repeat or the arrow keys in
//                    the bound edit) changed the position; the position already
//                    holds the new value. SetPosition from code fires no Click
//                    but shows the value in the bound edit, whose Change fires.
//                    Never takes the focus.
//  * TCheckBox::Click, TRadioGroup::Click  user click, and code setting a
//                    different value (toggled / idToggled).
//  * TComboBox::Change  user selection only (activated).
//  * TStringGrid::Click a user click on a row (also the current one) and code
//                    moving the current row to another row; a column move
//                    within the row fires nothing.
//  * TListBox::DblClick a user double click on an item.
//
// Texts: record strings are code page 932 bytes. The Sjis accessors decode
// for display and encode on read; a text nobody edited comes back as the
// very bytes that were set (decode then encode is not always the identity).
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "model/StringList.h"

class QButtonGroup;

namespace ui {

enum class UpDownButton { Up, Down };

class TUpDown;

// True when a focus loss of `reason` counts as leaving the control: the
// focus went to another control of the same window. A context menu, the
// menu bar or another window (a message box, another program) taking the
// focus for a while is not an exit; the control gets the focus back.
bool IsExitFocusReason(Qt::FocusReason reason);

class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent = nullptr);

  // Shows `bytes` decoded; remembers them so that Sjis() returns them
  // unchanged while the text is not edited.
  void SetSjis(const std::string& bytes);
  std::string Sjis() const;
  // Plain ASCII text such as numbers.
  void SetAscii(const std::string& text) { setText(QString::fromLatin1(text)); }
  std::string Ascii() const { return text().toStdString(); }

  // Read-only boxes refuse typing but may still take the focus; `tabStop`
  // false takes them out of the Tab order.
  void SetTabStop(bool tabStop);

 signals:
  void Change();
  void Exit();

 protected:
  void focusOutEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  friend class TUpDown;
  QPointer<TUpDown> upDown_;  // set by TUpDown::SetAssociate
  std::string bytes_;
  QString shown_;
};

class TMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TMemo(QWidget* parent = nullptr);

  // One entry per line, code page 932. Unedited lines keep their bytes.
  void SetLines(const TStringList& lines);
  TStringList Lines() const;

 signals:
  void Exit();

 protected:
  void focusOutEvent(QFocusEvent* e) override;
  // Input of characters code page 932 cannot hold is refused here, as the
  // single-line edits refuse it through their validator.
  void keyPressEvent(QKeyEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  TStringList lineBytes_;
  QStringList shownLines_;
};

class TUpDown : public QWidget {
  Q_OBJECT
 public:
  explicit TUpDown(QWidget* parent = nullptr);

  void SetAssociate(TEdit* edit);
  TEdit* Associate() const { return edit_; }
  void SetRange(int min, int max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // From code: no Click; the bound edit shows the value (even outside the
  // range, as a record value from a file may be).
  void SetPosition(int position);

  // A user step, as a press on the upper (Up) or lower (Down) arrow. A
  // position outside the range steps from the nearest limit (150 in 0..100:
  // down gives 99, up nothing). A disabled spin does not step.
  void Step(UpDownButton button);

  QSize sizeHint() const override;

 signals:
  void Click(ui::UpDownButton button);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void changeEvent(QEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void ShowPosition();
  void RepeatStep();
  void StopRepeat();
  QPointer<TEdit> edit_;
  int min_ = 0, max_ = 100, position_ = 0;
  int pressed_ = 0;  // +1 upper arrow held, -1 lower, 0 none
  QTimer repeat_;
};

class TCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit TCheckBox(const QString& caption, QWidget* parent = nullptr);
  // From code: fires Click when the state changes.
  void SetChecked(bool checked) { setChecked(checked); }
 signals:
  void Click();
};

class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);
  int ItemIndex() const;  // -1 when none selected
  // From code: fires Click when the selection changes.
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const;
 signals:
  void Click();

 private:
  QButtonGroup* group_;
};

class TComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TComboBox(QWidget* parent = nullptr);
  int ItemIndex() const { return currentIndex(); }
  // From code: fires nothing.
  void SetItemIndex(int index) { setCurrentIndex(index); }
 signals:
  void Change();
};

// A grid addressed as (column, row) with row 0 the first row; with one
// fixed row, row 0 is the heading row and data rows start at 1.
class TStringGrid : public QTableWidget {
  Q_OBJECT
 public:
  TStringGrid(int columns, int rows, int fixedRows, QWidget* parent = nullptr);

  int FixedRows() const { return fixedRows_; }
  int RowCount() const { return rowCount() + fixedRows_; }
  void SetColWidths(const std::vector<int>& widths);
  void SetRowHeight(int pixels);

  std::string Cell(int column, int row) const;  // code page 932
  void SetCell(int column, int row, const std::string& bytes);
  void ClearCells();  // every non-fixed cell becomes empty

  int Row() const;  // the current row (fixed rows counted), -1 for none
  // From code: fires Click when the row differs from the current one.
  void SetRow(int row);

 signals:
  void Click();
  void Exit();
  void RowMoved(int fromIndex, int toIndex);

 protected:
  void focusOutEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  QTableWidgetItem* CellItem(int column, int row, bool create);
  const QTableWidgetItem* CellItem(int column, int row) const;
  int fixedRows_;
  int rowAtPress_ = -1;  // current row when the last mouse press began
};

class TListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TListBox(QWidget* parent = nullptr);
  void SetItems(const TStringList& items);  // code page 932
  std::string ItemText(int index) const;
  // The selected item, -1 when none (a focus frame alone selects nothing).
  int ItemIndex() const;
 signals:
  void DblClick();
};

// A label showing code page 932 text or a program caption.
class TLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TLabel(const QString& caption, QWidget* parent = nullptr);
  void SetAscii(const std::string& text) { setText(QString::fromLatin1(text)); }
  void SetSjis(const std::string& bytes);
};

}  // namespace ui
