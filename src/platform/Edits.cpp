// TEdit and TMemo: the single-line and multi-line edits.
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "platform/Controls.h"
#include "platform/Text.h"

namespace ui {

bool IsExitFocusReason(Qt::FocusReason reason) {
  return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
         reason != Qt::MenuBarFocusReason;
}

// --- TEdit ------------------------------------------------------------------

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new TSjisValidator(this));
  connect(this, &QLineEdit::textChanged, this, &TEdit::Change);
}

void TEdit::SetSjis(const std::string& bytes) {
  bytes_ = bytes;
  shown_ = FromSjis(bytes);
  setText(shown_);
}

std::string TEdit::Sjis() const {
  const QString current = text();
  if (current == shown_) return bytes_;
  return ToSjisLossy(current);
}

void TEdit::SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }

void TEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  if (IsExitFocusReason(e->reason())) emit Exit();
}

void TEdit::keyPressEvent(QKeyEvent* e) {
  // A bound spin takes the arrow keys as user steps, read-only or not.
  if (upDown_ && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) &&
      (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    upDown_->Step(e->key() == Qt::Key_Up ? UpDownButton::Up : UpDownButton::Down);
    e->accept();
    return;
  }
  QLineEdit::keyPressEvent(e);
}

// --- TMemo ------------------------------------------------------------------

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
  // Tab moves the focus on, as in the other controls.
  setTabChangesFocus(true);
}

void TMemo::SetLines(const TStringList& lines) {
  lineBytes_ = lines;
  shownLines_.clear();
  for (const auto& bytes : lines) shownLines_.append(FromSjis(bytes));
  QString text = shownLines_.join(u'\n');
  // A final empty line needs its own break, or it would not come back.
  if (!shownLines_.isEmpty() && shownLines_.last().isEmpty()) text += u'\n';
  setPlainText(text);
}

TStringList TMemo::Lines() const {
  const QString text = toPlainText();
  TStringList out;
  if (text.isEmpty()) return out;
  QStringList now = text.split(u'\n');
  if (now.last().isEmpty()) now.removeLast();

  // Lines equal to the ones SetLines showed, at the start and at the end,
  // keep their bytes; so does everything when a line is only inserted or
  // deleted. The rest is encoded.
  const auto n = now.size(), m = shownLines_.size();
  qsizetype prefix = 0;
  while (prefix < n && prefix < m && now[prefix] == shownLines_[prefix]) ++prefix;
  qsizetype suffix = 0;
  while (suffix < n - prefix && suffix < m - prefix && now[n - 1 - suffix] == shownLines_[m - 1 - suffix]) ++suffix;
  for (qsizetype i = 0; i < n; ++i) {
    if (i < prefix)
      out.Add(lineBytes_[static_cast<int>(i)]);
    else if (i >= n - suffix)
      out.Add(lineBytes_[static_cast<int>(m - (n - i))]);
    else
      out.Add(ToSjisLossy(now[i]));
  }
  return out;
}

void TMemo::focusOutEvent(QFocusEvent* e) {
  QPlainTextEdit::focusOutEvent(e);
  if (IsExitFocusReason(e->reason())) emit Exit();
}

void TMemo::keyPressEvent(QKeyEvent* e) {
  if (!e->text().isEmpty() && !IsSjisInput(e->text())) {
    e->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
}

void TMemo::inputMethodEvent(QInputMethodEvent* e) {
  if (!e->commitString().isEmpty() && !IsSjisInput(e->commitString())) {
    // Keep the composition going, drop the refused commit.
    QInputMethodEvent withoutCommit(e->preeditString(), e->attributes());
    QPlainTextEdit::inputMethodEvent(&withoutCommit);
    e->accept();
    return;
  }
  QPlainTextEdit::inputMethodEvent(e);
}

bool TMemo::canInsertFromMimeData(const QMimeData* source) const {
  if (source->hasText() && !IsSjisInput(source->text())) return false;
  return QPlainTextEdit::canInsertFromMimeData(source);
}

void TMemo::insertFromMimeData(const QMimeData* source) {
  // A paste or drop is refused as a whole, as a line edit's validator does.
  if (source->hasText() && !IsSjisInput(source->text())) return;
  QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace ui
