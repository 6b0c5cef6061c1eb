// Personal data, quirks, memos and the grand total.
#include "FormFixture.h"
#include "model/NumberText.h"

using guitest::Cp932;
using guitest::FormFixture;

namespace {

using MainWindowPersonalData = FormFixture;

// Each one-line box reaches its record field at every keystroke, as code
// page 932 bytes.
TEST_F(MainWindowPersonalData, EditsReachTheRecordAtOnce) {
  struct Case {
    const char* edit;
    std::string TWrestler::*field;
  };
  const Case cases[] = {{"Edit1", &TWrestler::RingName},  {"Edit2", &TWrestler::RealName},
                        {"Edit3", &TWrestler::CatchCopy}, {"Edit4", &TWrestler::Promotion},
                        {"Edit18", &TWrestler::Birthplace}};
  Activate();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edit);
    auto* edit = Find<ui::TEdit>(c.edit);
    ClickInto(edit);
    Type(edit, QStringLiteral("ｶ"));
    EXPECT_EQ(form->Wrestler.get()->*c.field, Cp932("ｶ"));
    Type(edit, QStringLiteral("ン～1"));
    EXPECT_EQ(form->Wrestler.get()->*c.field, Cp932("ｶン～1"));
  }
}

TEST_F(MainWindowPersonalData, QuirksAreStoredAndCostFiveWhateverTheyHold) {
  Activate();
  const char* edits[] = {"Edit30", "Edit31", "Edit32", "Edit33", "Edit34"};
  for (int i = 0; i < 5; ++i) {
    auto* edit = Find<ui::TEdit>(edits[i]);
    ClickInto(edit);
    Type(edit, QStringLiteral("癖") + QString::number(i));
    EXPECT_EQ(form->Wrestler->Quirks[i], Cp932("癖") + std::to_string(i)) << i;
  }
  EXPECT_EQ(form->Edit35->text(), "-5");
  EXPECT_EQ(form->Edit54->text(), "-10.0");
}

// A memo reaches the record only when the focus leaves it, line by line.
TEST_F(MainWindowPersonalData, MemosAreStoredOnExit) {
  struct Case {
    const char* memo;
    TStringList TWrestler::*field;
    QWidget* page;
  };
  const Case cases[] = {{"Memo1", &TWrestler::Background, nullptr},
                        {"Memo3", &TWrestler::TraitNotes, form->TabSheet3}};
  Activate();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.memo);
    if (c.page) form->PageControl2->setCurrentWidget(c.page);
    auto* memo = Find<ui::TMemo>(c.memo);
    ClickInto(memo);
    Type(memo, QStringLiteral("一行目\n\n三行目"));
    EXPECT_EQ((form->Wrestler.get()->*c.field).Count(), 0);  // still in the memo
    ClickInto(form->Edit1);
    const TStringList& lines = form->Wrestler.get()->*c.field;
    ASSERT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines[0], Cp932("一行目"));
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], Cp932("三行目"));
  }
}

// The grand total sums the seven boxes' texts whenever one changes.
TEST_F(MainWindowPersonalData, GrandTotalFollowsEveryCPBox) {
  struct Step {
    const char *box, *text, *total;
  };
  const Step steps[] = {
      {"Edit29", "12", "2.0"},  {"Edit48", "0.5", "2.5"},  {"Edit15", "10", "12.5"},
      {"Edit50", "24.0", "36.5"}, {"Edit53", "-36.5", "0.0"}, {"Edit27", "-15", "-10.0"},
      {"Edit48", "abc", "-10.5"},  // a text that is no number counts as 0
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.box);
    Find<ui::TEdit>(s.box)->setText(QString::fromLatin1(s.text));
    EXPECT_EQ(form->Edit54->text().toStdString(), s.total);
  }
}

// The move display re-derives the active defences when its text changes.
TEST_F(MainWindowPersonalData, NewMoveRecomputesDodge) {
  form->Wrestler->Move = 7;
  form->ShowSpeedAndMove();
  EXPECT_EQ(form->Edit17->text(), "7");
  EXPECT_EQ(form->Edit19->text(), "7");
  EXPECT_EQ(form->Wrestler->Dodge, 7);
}

}  // namespace
