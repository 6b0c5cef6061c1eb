// Code page 932 at the window's edge: conversion, the input validator, and
// the edits that keep unedited bytes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

#include "model/Sjis.h"
#include "platform/Controls.h"
#include "platform/Text.h"

namespace {

using ui::FromSjis;
using ui::ToSjis;

// 0xED 0x40 (NEC-selected IBM extension) decodes to U+7E8A, which encodes
// back as the IBM code 0xFA 0x5C; 0x87 0x90 comes back as 0x81 0xE0.
const std::string kNecIbm = "\xED\x40";
const std::string kNecIbmRoundTrip = "\xFA\x5C";
const std::string kNecMath = "\x87\x90";
// 0x80 has no code page 932 character.
const std::string kUndecodable = "a\x80z";

void TypeText(QWidget* w, const QString& text) {
  QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, text, Qt::NoModifier);
}

void CommitText(QWidget* w, const QString& text) {
  QInputMethodEvent e;
  e.setCommitString(text);
  QApplication::sendEvent(w, &e);
}

TEST(PlatformText, ConversionFollowsTheWindowsTable) {
  EXPECT_EQ(FromSjis("\x81\x60"), QString::fromUtf8("～"));
  EXPECT_EQ(FromSjis("\x87\x40"), QString::fromUtf8("①"));
  EXPECT_EQ(ToSjis(QString::fromUtf8("～①ｱ")), std::string("\x81\x60\x87\x40\xB1"));
  EXPECT_EQ(ToSjis(FromSjis(kNecIbm)), kNecIbmRoundTrip);
  EXPECT_EQ(ToSjis(FromSjis(kNecMath)), std::string("\x81\xE0"));
  EXPECT_EQ(ToSjis(QString()), std::string());
}

TEST(PlatformText, UndecodableBytesShowAsReplacementCharacters) {
  EXPECT_EQ(FromSjis(kUndecodable), QString::fromUtf8("a\uFFFDz"));
  // A lead byte followed by a non-trail byte: the lead alone is bad.
  EXPECT_EQ(FromSjis("\x81 "), QString::fromUtf8("\uFFFD "));
  // A well-formed pair without a character is one replacement.
  EXPECT_EQ(FromSjis("\x85\x40" "b"), QString::fromUtf8("\uFFFDb"));
  EXPECT_EQ(FromSjis("x\x88"), QString::fromUtf8("x\uFFFD"));
  EXPECT_EQ(ui::ToSjisLossy(QString::fromUtf8("a\uFFFDz")), "a?z");
}

TEST(PlatformText, ValidatorRefusesWhatCodePage932CannotHold) {
  ui::TSjisValidator validator;
  struct Case {
    const char* utf8;
    QValidator::State state;
  } cases[] = {
      {"abc", QValidator::Acceptable},
      {"", QValidator::Acceptable},
      {"ﾚｽﾗｰ全角～①", QValidator::Acceptable},
      {"\uFFFD", QValidator::Acceptable},  // stands for undecodable record bytes
      {"a\u301Cb", QValidator::Invalid},   // WAVE DASH; code page 932 has only U+FF5E
      {"\U0001F600", QValidator::Invalid},
      {"\u00E9", QValidator::Invalid},
  };
  for (const auto& c : cases) {
    QString input = QString::fromUtf8(c.utf8);
    int pos = 0;
    EXPECT_EQ(validator.validate(input, pos), c.state) << c.utf8;
  }
  QString loneSurrogate(QChar(0xD800));
  int pos = 0;
  EXPECT_EQ(validator.validate(loneSurrogate, pos), QValidator::Invalid);
}

TEST(PlatformText, EditRefusesUnencodableTypingAndPaste) {
  ui::TEdit edit;
  edit.show();
  edit.setFocus();
  TypeText(&edit, QString::fromUtf8("～"));
  TypeText(&edit, QString::fromUtf8("〜"));
  TypeText(&edit, QString::fromUtf8("\U0001F600"));
  CommitText(&edit, QString::fromUtf8("\U0001F600"));
  CommitText(&edit, QString::fromUtf8("全"));
  EXPECT_EQ(edit.text(), QString::fromUtf8("～全"));

  QApplication::clipboard()->setText(QString::fromUtf8("x〜y"));
  edit.paste();
  EXPECT_EQ(edit.text(), QString::fromUtf8("～全"));
  QApplication::clipboard()->setText(QString::fromUtf8("xy"));
  edit.paste();
  EXPECT_EQ(edit.text(), QString::fromUtf8("～全xy"));
  EXPECT_EQ(edit.Sjis(), sjis::Literal("～全xy"));
}

TEST(PlatformText, EditKeepsUneditedBytesAndEncodesEdits) {
  ui::TEdit edit;
  edit.show();
  const std::string bytes = kNecIbm + kNecMath + "ab";
  edit.SetSjis(bytes);
  EXPECT_EQ(edit.text(), FromSjis(bytes));
  EXPECT_EQ(edit.Sjis(), bytes);

  edit.setFocus();
  edit.end(false);
  TypeText(&edit, QStringLiteral("c"));
  EXPECT_EQ(edit.Sjis(), kNecIbmRoundTrip + "\x81\xE0" "abc");
  // Back to the text that was set: the original bytes again.
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.Sjis(), bytes);

  // Code replacing the text is an edit, too.
  edit.SetAscii("12");
  EXPECT_EQ(edit.Sjis(), "12");
}

TEST(PlatformText, EditHoldingUndecodableBytesStaysEditable) {
  ui::TEdit edit;
  edit.show();
  edit.SetSjis(kUndecodable);
  EXPECT_EQ(edit.Sjis(), kUndecodable);
  edit.setFocus();
  edit.end(false);
  TypeText(&edit, QStringLiteral("!"));
  EXPECT_EQ(edit.text(), QString::fromUtf8("a\uFFFDz!"));
  EXPECT_EQ(edit.Sjis(), "a?z!");
}

// --- TMemo -------------------------------------------------------------------

TEST(PlatformMemo, LinesSplitAtLineBreaks) {
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\nb\n", {"a", "b"}},
      {"a\n\nb", {"a", "", "b"}},
      {"\n", {""}},
      {"a\n\n", {"a", ""}},
  };
  ui::TMemo memo;
  for (const auto& c : cases) {
    memo.setPlainText(QString::fromUtf8(c.text));
    EXPECT_EQ(memo.Lines().Items(), c.lines) << c.text;
  }
}

TEST(PlatformMemo, SetLinesRoundTripsEveryShape) {
  const TStringList cases[] = {{}, {""}, {"a"}, {"a", ""}, {"", "", "b"}, {"a", "", ""}};
  ui::TMemo memo;
  for (const auto& lines : cases) {
    memo.SetLines(lines);
    EXPECT_EQ(memo.Lines(), lines) << lines.Count();
  }
}

TEST(PlatformMemo, UneditedLinesKeepTheirBytes) {
  ui::TMemo memo;
  memo.show();
  const TStringList lines{kNecIbm, "mid", kNecMath + "x"};
  memo.SetLines(lines);
  EXPECT_EQ(memo.Lines(), lines);

  // Edit the middle line: the others keep their bytes.
  memo.setFocus();
  QTextCursor cursor = memo.textCursor();
  cursor.movePosition(QTextCursor::Start);
  cursor.movePosition(QTextCursor::Down);
  cursor.movePosition(QTextCursor::EndOfBlock);
  memo.setTextCursor(cursor);
  TypeText(&memo, QString::fromUtf8("全"));
  EXPECT_EQ(memo.Lines(), (TStringList{kNecIbm, "mid" + sjis::Literal("全"), kNecMath + "x"}));

  // A line inserted at the top shifts the others; they still keep theirs.
  memo.SetLines(lines);
  cursor = memo.textCursor();
  cursor.movePosition(QTextCursor::Start);
  memo.setTextCursor(cursor);
  TypeText(&memo, QStringLiteral("new"));
  QTest::keyClick(&memo, Qt::Key_Return);
  EXPECT_EQ(memo.Lines(), (TStringList{"new", kNecIbm, "mid", kNecMath + "x"}));

  // An edited line is encoded.
  memo.SetLines({kNecIbm});
  cursor.movePosition(QTextCursor::End);
  memo.setTextCursor(cursor);
  TypeText(&memo, QStringLiteral("!"));
  EXPECT_EQ(memo.Lines(), (TStringList{kNecIbmRoundTrip + "!"}));
}

TEST(PlatformMemo, RefusesUnencodableInput) {
  ui::TMemo memo;
  memo.show();
  memo.setFocus();
  TypeText(&memo, QString::fromUtf8("～"));
  TypeText(&memo, QString::fromUtf8("〜"));
  CommitText(&memo, QString::fromUtf8("\U0001F600"));
  CommitText(&memo, QString::fromUtf8("全"));
  QApplication::clipboard()->setText(QString::fromUtf8("p\nq〜"));
  memo.paste();
  EXPECT_EQ(memo.toPlainText(), QString::fromUtf8("～全"));
  QApplication::clipboard()->setText(QString::fromUtf8("p\nq"));
  memo.paste();
  EXPECT_EQ(memo.Lines(), (TStringList{sjis::Literal("～全p"), "q"}));
}

}  // namespace
