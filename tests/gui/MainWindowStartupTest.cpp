// The main window right after start-up: its controls, their captions and
// places, the values of a new character, and a start-up without catalogs.
#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>

#include "FormFixture.h"

using guitest::Cp932;
using guitest::FormFixture;

namespace {

using MainWindowStartup = FormFixture;

std::string TextOf(QObject* o) {
  if (auto* e = qobject_cast<QLineEdit*>(o)) return e->text().toStdString();
  if (auto* l = qobject_cast<QLabel*>(o)) return l->text().toStdString();
  return "?";
}

TEST_F(MainWindowStartup, ShowsTheResetCharacter) {
  const std::pair<const char*, const char*> expected[] = {
      {"Edit1", ""},      {"Edit5", "163"},   {"Edit6", "50"},    {"Edit7", "10"},    {"Edit8", "10"},
      {"Edit9", "10"},    {"Edit10", "10"},   {"Edit11", "0"},    {"Edit12", "0"},    {"Edit13", "0"},
      {"Edit14", "0"},    {"Edit15", "0"},    {"Label17", "1D-2"}, {"Edit16", "5.00"}, {"Edit17", "5"},
      {"Edit19", "5"},    {"Edit20", "0"},    {"Edit21", ""},     {"Edit22", "0"},    {"Edit23", "0"},
      {"Edit24", "0"},    {"Edit25", "1"},    {"Edit26", "0"},    {"Edit27", "-5"},   {"Edit28", "0"},
      {"Edit29", "0"},    {"Edit35", "-5"},   {"Edit36", "0"},    {"Edit41", "0"},    {"Edit47", "0"},
      {"Edit48", "0.0"},  {"Edit49", "0"},    {"Edit50", "0.0"},  {"Edit51", "1"},    {"Edit52", "0"},
      {"Edit53", "0.0"},  {"Edit54", "-10.0"},
  };
  for (auto [name, text] : expected) EXPECT_EQ(TextOf(Find<QObject>(name)), text) << name;

  EXPECT_EQ(form->ComboBox2->currentText(), QStringLiteral("打撃技"));
  EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("超弱小団体"));
  // Item 0 at creation, then the reset's martial-art kind 1; still disabled.
  EXPECT_EQ(form->RadioGroup1->ItemIndex(), 1);
  EXPECT_EQ(form->RadioGroup1->Item(1)->text(), QStringLiteral("ﾎﾞｸｼﾝｸﾞ"));
  EXPECT_FALSE(form->RadioGroup1->isEnabled());

  const char* headings[] = {"技名", "(LV)", "(威力)", "箇所", "LV", "威力"};
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(form->StringGrid3->Cell(c, 0), Cp932(headings[c])) << c;
    for (int r = 1; r < 30; ++r) EXPECT_EQ(form->StringGrid3->Cell(c, r), "") << c << "," << r;
  }

  TPortraitRaster& portrait = *form->Wrestler->Portrait;
  const TPortraitRaster::Rgb white{255, 255, 255}, black{0, 0, 0};
  EXPECT_EQ(portrait.Pixel(0, 0), black);
  EXPECT_EQ(portrait.Pixel(192, 216), black);
  EXPECT_EQ(portrait.Pixel(96, 0), black);
  EXPECT_EQ(portrait.Pixel(0, 108), black);
  EXPECT_EQ(portrait.Pixel(1, 1), white);
  EXPECT_EQ(portrait.Pixel(191, 215), white);
  EXPECT_EQ(static_cast<QObject*>(form->Image1), Find<QObject>("Image1"));

  EXPECT_TRUE(form->CurrentFileName.isEmpty());
  EXPECT_EQ(form->SectionSeparator, "----From/ToHere----");
  EXPECT_FALSE(form->StartupFailed());
}

TEST_F(MainWindowStartup, WindowFrameAndFont) {
  EXPECT_EQ(form->windowTitle(), QStringLiteral("もんてぐら  -- GURPS ロープ★スパーク　キャラクターエディタ"));
  EXPECT_EQ(form->ClientArea->size(), QSize(688, 434));
  EXPECT_EQ(form->ClientArea->y(), form->menuBar()->height());
  EXPECT_EQ(form->minimumSize(), form->maximumSize());  // not resizable
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);

  EXPECT_EQ(form->Edit1->font().pixelSize(), 12);
  const QString family = QFontInfo(form->Edit1->font()).family();
  EXPECT_TRUE(QStringList({"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "VL PGothic"}).contains(family))
      << family.toStdString();

  EXPECT_EQ(form->PageControl1->currentWidget(), form->TabSheet1);
  EXPECT_EQ(form->PageControl2->currentWidget(), form->TabSheet2);
  EXPECT_EQ(form->PageControl3->currentWidget(), form->TabSheet7);
}

TEST_F(MainWindowStartup, SelectionListsFollowTheCatalogs) {
  const char* traits[] = {"反射神経", "頑強", "容貌", "肥満", "好戦的"};  // not the "*" row
  ASSERT_EQ(form->ListBox1->count(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(form->ListBox1->ItemText(i), Cp932(traits[i])) << i;

  // 13 headings, empty groups too; the skill of an unknown group is left out.
  int headings = 0;
  for (int i = 0; i < form->ListBox2->count(); ++i) {
    const std::string line = form->ListBox2->ItemText(i);
    if (line.find("@@@@") != std::string::npos) ++headings;
    EXPECT_NE(line, Cp932("謎の技能"));
  }
  EXPECT_EQ(headings, 13);
  EXPECT_EQ(form->ListBox2->count(), 13 + 4);
  EXPECT_EQ(form->ListBox2->ItemText(0), Cp932("@@@@ 医学系 @@@@"));
  EXPECT_EQ(form->ListBox2->ItemText(1), Cp932("応急手当"));
}

// Every documented control, by name, in its parent and at its place.
TEST_F(MainWindowStartup, ControlsHaveTheirNamesPlacesAndStates) {
  struct Place {
    const char *name, *parent;
    QRect rect;
  };
  const Place places[] = {
      {"GroupBox1", "ClientArea", {8, 8, 329, 185}},    {"GroupBox2", "ClientArea", {344, 8, 185, 185}},
      {"GroupBox3", "ClientArea", {536, 8, 145, 129}},  {"GroupBox6", "ClientArea", {536, 144, 145, 49}},
      {"Bevel1", "ClientArea", {8, 208, 193, 217}},     {"Image1", "ClientArea", {8, 208, 193, 217}},
      {"PageControl1", "ClientArea", {216, 208, 457, 217}}, {"PageControl2", "TabSheet1", {8, 0, 433, 185}},
      {"PageControl3", "TabSheet6", {8, 0, 433, 185}},  {"GroupBox4", "TabSheet2", {16, 8, 217, 137}},
      {"RadioGroup1", "GroupBox4", {120, 32, 81, 89}},  {"StringGrid1", "TabSheet3", {0, 8, 201, 97}},
      {"ListBox1", "TabSheet3", {216, 8, 81, 145}},     {"Memo3", "TabSheet3", {304, 24, 113, 129}},
      {"StringGrid2", "TabSheet8", {0, 8, 201, 145}},   {"ListBox2", "TabSheet8", {208, 8, 129, 145}},
      {"StringGrid3", "TabSheet9", {8, 8, 433, 129}},   {"Memo1", "GroupBox1", {144, 112, 161, 57}},
      {"Edit5", "GroupBox1", {144, 32, 33, 21}},        {"Edit18", "GroupBox1", {144, 72, 161, 21}},
      {"Edit30", "GroupBox5", {8, 18, 289, 21}},        {"Edit7", "GroupBox2", {64, 16, 33, 21}},
      {"Edit10", "GroupBox2", {64, 88, 33, 21}},
  };
  for (const Place& p : places) {
    auto* w = Find<QWidget>(p.name);
    if (!w) continue;
    EXPECT_EQ(w->parentWidget()->objectName().toStdString(), p.parent) << p.name;
    EXPECT_EQ(w->geometry(), p.rect) << p.name;
  }

  // The rest of the documented names.
  const char* names[] = {
      "MainMenu1", "File1", "Help1", "Edit1", "Edit2", "Edit3", "Edit4", "Edit6", "UpDown1", "UpDown2",
      "Edit8", "Edit9", "UpDown3", "UpDown4", "UpDown5", "UpDown6", "Edit11", "Edit12", "Edit13", "Edit14",
      "Edit15", "Edit16", "Edit17", "Label17", "Edit19", "Edit20", "Edit21", "Edit22", "Edit23", "Edit24",
      "Edit54", "TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet6", "TabSheet7", "TabSheet8",
      "TabSheet9", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6", "CheckBox7",
      "Edit25", "UpDown7", "ComboBox1", "Label66", "Edit26", "Edit27", "BitBtn2", "Edit28", "UpDown8",
      "Label37", "Label38", "Label39", "Label65", "Edit29", "GroupBox5", "Edit31", "Edit32", "Edit33",
      "Edit34", "Edit35", "Edit36", "Edit37", "Edit38", "Edit39", "Edit40", "Edit41", "Edit42", "Edit43",
      "Edit44", "Edit45", "Edit46", "Edit47", "Edit48", "UpDown9", "UpDown10", "UpDown11", "UpDown12",
      "UpDown13", "UpDown14", "UpDown15", "UpDown16", "UpDown17", "UpDown18", "UpDown19", "UpDown20",
      "Button1", "Edit49", "UpDown21", "Edit50", "ComboBox2", "Button2", "Button3", "Label60", "Label62",
      "Edit51", "UpDown22", "Edit52", "UpDown23", "Edit53", "New1", "Open1", "SaveAs1", "Save1", "I1", "N1",
      "Exit1", "Contents1", "About1"};
  for (const char* name : names) Find<QObject>(name);

  // Read-only boxes, boxes the Tab key skips, controls disabled at start.
  for (const char* name : {"Edit5", "Edit6", "Edit7", "Edit10", "Edit11", "Edit15", "Edit16", "Edit17", "Edit19",
                           "Edit21", "Edit24", "Edit25", "Edit26", "Edit27", "Edit28", "Edit29", "Edit35",
                           "Edit36", "Edit47", "Edit48", "Edit49", "Edit50", "Edit51", "Edit52", "Edit53", "Edit54"})
    EXPECT_TRUE(Find<QLineEdit>(name)->isReadOnly()) << name;
  for (const char* name : {"Edit1", "Edit4", "Edit18", "Edit30", "Edit34"})
    EXPECT_FALSE(Find<QLineEdit>(name)->isReadOnly()) << name;
  for (const char* name : {"Edit11", "Edit14", "Edit15", "Edit16", "Edit17", "Edit19", "Edit24", "Edit26",
                           "Edit27", "Edit29", "Edit35", "Edit48", "Edit50", "Edit53", "Edit54"})
    EXPECT_FALSE(Find<QWidget>(name)->focusPolicy() & Qt::TabFocus) << name;
  for (const char* name : {"Edit1", "Edit7", "Edit30"})
    EXPECT_TRUE(Find<QWidget>(name)->focusPolicy() & Qt::TabFocus) << name;
  for (const char* name : {"Label37", "Edit28", "UpDown8", "Label39", "Label60", "Label62", "Edit51", "Edit52",
                           "UpDown22", "UpDown23", "RadioGroup1"})
    EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
}

// Captions byte for byte, half-width katakana included.
TEST_F(MainWindowStartup, CaptionsAreExact) {
  auto caption = [](QObject* o) -> QString {
    if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
    if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->text();
    if (auto* a = qobject_cast<QAction*>(o)) return a->text();
    if (auto* m = qobject_cast<QMenu*>(o)) return m->title();
    if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
    // A tab page: the text of its tab.
    auto* page = qobject_cast<QWidget*>(o);
    for (QWidget* p = page ? page->parentWidget() : nullptr; p; p = p->parentWidget())
      if (auto* tabs = qobject_cast<QTabWidget*>(p)) return tabs->tabText(tabs->indexOf(page));
    return QStringLiteral("?");
  };
  const std::pair<const char*, const char*> captions[] = {
      {"GroupBox1", "ﾊﾟｰｿﾅﾙﾃﾞｰﾀ"}, {"GroupBox2", "能力値"}, {"GroupBox3", "防御"}, {"GroupBox6", "全合計CP"},
      {"GroupBox4", "ｽﾀｲﾙ"}, {"GroupBox5", "癖"}, {"RadioGroup1", "格闘技種別"},
      {"TabSheet1", "特徴"}, {"TabSheet6", "技能"}, {"TabSheet9", "技"}, {"TabSheet2", "必須特徴"},
      {"TabSheet3", "通常特徴"}, {"TabSheet4", "癖"}, {"TabSheet7", "プロレス技能"}, {"TabSheet8", "一般技能"},
      {"CheckBox1", "ｽﾀﾝﾀﾞｰﾄﾞ"}, {"CheckBox2", "投げ技"}, {"CheckBox3", "打撃技"}, {"CheckBox4", "関節技"},
      {"CheckBox5", "空中殺法"}, {"CheckBox6", "ヒール"}, {"CheckBox7", "格闘技"},
      {"BitBtn2", "削除"}, {"Button1", "削除"}, {"Button2", "追加"}, {"Button3", "削除"},
      {"Label37", "調節"}, {"Label38", "CP総計"}, {"Label39", "LV"}, {"Label60", "ﾚﾍﾞﾙ調節"},
      {"Label62", "威力調節"}, {"Label65", "特徴備考"}, {"Label66", "5 CP"},
      {"File1", "ﾌｧｲﾙ(&F)"}, {"New1", "新規作成(&N)"}, {"Open1", "ﾌｧｲﾙを開く(&O)"},
      {"SaveAs1", "名前をつけて保存(&A)"}, {"Save1", "上書き保存(&S)"}, {"I1", "画像を開く(&I)"},
      {"N1", "整合性ﾁｪｯｸ"}, {"Exit1", "終了(&Q)"}, {"Help1", "ﾍﾙﾌﾟ(&H)"}, {"Contents1", "ﾍﾙﾌﾟ(&H)"},
      {"About1", "ﾊﾞｰｼﾞｮﾝ情報"},
  };
  for (auto [name, text] : captions) EXPECT_EQ(caption(Find<QObject>(name)), QString::fromUtf8(text)) << name;

  const char* categories[] = {"打撃技", "投げ技", "関節技", "空中殺法", "格闘", "空手", "柔道", "ﾎﾞｸｼﾝｸﾞ", "ﾚｽﾘﾝｸﾞ", "邪道技"};
  ASSERT_EQ(form->ComboBox2->count(), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(form->ComboBox2->itemText(i), QString::fromUtf8(categories[i])) << i;
  const char* sizes[] = {"超弱小団体", "弱小団体", "中規模団体", "大団体", "巨大団体", "フリー"};
  ASSERT_EQ(form->ComboBox1->count(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(form->ComboBox1->itemText(i), QString::fromUtf8(sizes[i])) << i;
  const char* kinds[] = {"格闘", "ﾎﾞｸｼﾝｸﾞ", "空手", "ﾚｽﾘﾝｸﾞ", "柔道"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(form->RadioGroup1->Item(i)->text(), QString::fromUtf8(kinds[i])) << i;

  EXPECT_EQ(form->SaveDialog1->DefaultExt(), QStringLiteral("rsp"));
  EXPECT_TRUE(form->SaveDialog1->OverwritePrompt());
  EXPECT_TRUE(form->SaveDialog1->HideReadOnly());
  EXPECT_EQ(form->OpenDialog1->Filter(), QStringLiteral("ﾚｽﾗｰﾃﾞｰﾀ(*.rsp)|*.rsp;*.RSP"));
  EXPECT_EQ(form->SaveDialog1->Filter(), QStringLiteral("ﾚｽﾗｰﾌｧｲﾙ(*.rsp)|*.rsp;*.RSP|HTML ドキュメント|*.html;*.htm"));
}

// A missing catalog is named in a message and start-up is marked failed.
TEST_F(MainWindowStartup, MissingCatalogIsReportedByName) {
  for (const std::string& missing : guitest::AllCatalogs()) {
    SCOPED_TRACE(missing);
    std::vector<std::string> present;
    for (const std::string& c : guitest::AllCatalogs())
      if (c != missing) present.push_back(c);
    StartForm(present, false);
    QStringList shown = TakeMessages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(QString::fromStdString(missing))) << shown[0].toStdString();
    EXPECT_TRUE(form->StartupFailed());
  }
}

}  // namespace
