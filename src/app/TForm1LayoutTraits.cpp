// Layout of the page controls and the three trait pages: mandatory traits,
// general traits and quirks.
#include "app/LayoutHelpers.h"
#include "app/TForm1.h"

using namespace app::layout;

namespace {

QWidget* AddPage(QTabWidget* pages, const char* name, const QString& caption) {
  auto* page = Named(new QWidget, name);
  pages->addTab(page, caption);
  return page;
}

}  // namespace

void TForm1::BuildPages() {
  PageControl1 = Place(new QTabWidget(ClientArea), "PageControl1", 216, 208, 457, 217);
  TabSheet1 = AddPage(PageControl1, "TabSheet1", QStringLiteral("特徴"));
  TabSheet6 = AddPage(PageControl1, "TabSheet6", QStringLiteral("技能"));
  TabSheet9 = AddPage(PageControl1, "TabSheet9", QStringLiteral("技"));

  PageControl2 = Place(new QTabWidget(TabSheet1), "PageControl2", 8, 0, 433, 185);
  TabSheet2 = AddPage(PageControl2, "TabSheet2", QStringLiteral("必須特徴"));
  TabSheet3 = AddPage(PageControl2, "TabSheet3", QStringLiteral("通常特徴"));
  TabSheet4 = AddPage(PageControl2, "TabSheet4", QStringLiteral("癖"));

  PageControl3 = Place(new QTabWidget(TabSheet6), "PageControl3", 8, 0, 433, 185);
  TabSheet7 = AddPage(PageControl3, "TabSheet7", QStringLiteral("プロレス技能"));
  TabSheet8 = AddPage(PageControl3, "TabSheet8", QStringLiteral("一般技能"));

  BuildMandatoryTraitsPage();
  BuildGeneralTraitsPage();
  BuildQuirksPage();
  BuildWrestlingSkillsPage();
  BuildGeneralSkillsPage();
  BuildTechniquesPage();

  PageControl1->setCurrentWidget(TabSheet1);
  PageControl2->setCurrentWidget(TabSheet2);
  PageControl3->setCurrentWidget(TabSheet7);
}

void TForm1::BuildMandatoryTraitsPage() {
  QWidget* p = TabSheet2;
  GroupBox4 = Place(new QGroupBox(QStringLiteral("ｽﾀｲﾙ"), p), "GroupBox4", 16, 8, 217, 137);

  struct Style {
    const char *name, *caption;
    ui::TCheckBox** target;
  };
  const Style left[] = {{"CheckBox1", "ｽﾀﾝﾀﾞｰﾄﾞ", &CheckBox1}, {"CheckBox2", "投げ技", &CheckBox2},
                        {"CheckBox3", "打撃技", &CheckBox3},     {"CheckBox4", "関節技", &CheckBox4},
                        {"CheckBox5", "空中殺法", &CheckBox5},   {"CheckBox6", "ヒール", &CheckBox6}};
  int top = 16;
  for (const Style& s : left) {
    *s.target = Place(new ui::TCheckBox(QString::fromUtf8(s.caption), GroupBox4), s.name, 8, top, 97, 17);
    top += 20;
  }
  CheckBox7 = Place(new ui::TCheckBox(QStringLiteral("格闘技"), GroupBox4), "CheckBox7", 120, 14, 81, 17);
  RadioGroup1 = Place(new ui::TRadioGroup(QStringLiteral("格闘技種別"),
                                          {QStringLiteral("格闘"), QStringLiteral("ﾎﾞｸｼﾝｸﾞ"), QStringLiteral("空手"),
                                           QStringLiteral("ﾚｽﾘﾝｸﾞ"), QStringLiteral("柔道")},
                                          GroupBox4),
                      "RadioGroup1", 120, 32, 81, 89);
  RadioGroup1->setEnabled(false);

  // Right of the style group: caption, then the control at x 320.
  AddLabel(p, "PrestigeLabel", QStringLiteral("威厳ﾚﾍﾞﾙ"), 248, 12);
  Edit25 = AddEdit(p, "Edit25", 320, 8, 33, "1", kReadOnly);
  UpDown7 = AddUpDown(p, "UpDown7", Edit25, 1, 8, 1);

  AddLabel(p, "PromotionSizeLabel", QStringLiteral("団体規模"), 248, 40);
  ComboBox1 = Place(new ui::TComboBox(p), "ComboBox1", 320, 36, 97, 21);
  for (const char* item : {"超弱小団体", "弱小団体", "中規模団体", "大団体", "巨大団体", "フリー"})
    ComboBox1->addItem(QString::fromUtf8(item));

  AddLabel(p, "AdjustmentLabel", QStringLiteral("加減"), 248, 68);
  Label66 = AddLabel(p, "Label66", QStringLiteral("5 CP"), 320, 68);

  AddLabel(p, "BulkLabel", QStringLiteral("巨体"), 248, 96);
  Edit26 = AddEdit(p, "Edit26", 320, 92, 33, "0", kReadOnly | kNoTab);
  AddLabel(p, "BulkUnitLabel", QStringLiteral("LV"), 357, 96);

  AddLabel(p, "MandatoryTotalLabel", QStringLiteral("CP総計"), 248, 124);
  Edit27 = AddEdit(p, "Edit27", 320, 120, 33, "-5", kReadOnly | kNoTab);
  AddLabel(p, "MandatoryTotalUnitLabel", QStringLiteral("CP"), 357, 124);
}

void TForm1::BuildGeneralTraitsPage() {
  QWidget* p = TabSheet3;
  StringGrid1 = Place(new ui::TStringGrid(3, 30, 0, p), "StringGrid1", 0, 8, 201, 97);
  StringGrid1->SetRowHeight(16);

  BitBtn2 = Place(new QPushButton(QStringLiteral("削除"), p), "BitBtn2", 0, 110, 57, 23);

  // The level adjuster, disabled until a trait row is chosen.
  Label37 = AddLabel(p, "Label37", QStringLiteral("調節"), 68, 114);
  Edit28 = AddEdit(p, "Edit28", 96, 110, 33, "0", kReadOnly);
  UpDown8 = AddUpDown(p, "UpDown8", Edit28, 0, 100, 0);
  Label39 = AddLabel(p, "Label39", QStringLiteral("LV"), UpDown8->x() + kUpDownWidth + 4, 114);
  for (QWidget* w : std::initializer_list<QWidget*>{Label37, Edit28, UpDown8, Label39}) w->setEnabled(false);

  Label38 = AddLabel(p, "Label38", QStringLiteral("CP総計"), 68, 138);
  Edit29 = AddEdit(p, "Edit29", 112, 134, 49, "0", kReadOnly | kNoTab);

  ListBox1 = Place(new ui::TListBox(p), "ListBox1", 216, 8, 81, 145);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // long names are cut, not scrolled

  Label65 = AddLabel(p, "Label65", QStringLiteral("特徴備考"), 304, 8);
  Memo3 = Place(new ui::TMemo(p), "Memo3", 304, 24, 113, 129);
}

void TForm1::BuildQuirksPage() {
  QWidget* p = TabSheet4;
  GroupBox5 = Place(new QGroupBox(QStringLiteral("癖"), p), "GroupBox5", 8, 4, 305, 145);
  ui::TEdit** quirks[] = {&Edit30, &Edit31, &Edit32, &Edit33, &Edit34};
  const char* names[] = {"Edit30", "Edit31", "Edit32", "Edit33", "Edit34"};
  for (int i = 0; i < 5; ++i) *quirks[i] = AddEdit(GroupBox5, names[i], 8, 18 + 24 * i, 289);

  AddLabel(p, "QuirkCPLabel", QStringLiteral("癖CP"), 328, 22);
  Edit35 = AddEdit(p, "Edit35", 328, 38, 33, "-5", kReadOnly | kNoTab);
  AddLabel(p, "QuirkCPUnitLabel", QStringLiteral("CP"), 365, 42);
}
