// Layout of the wrestling-skill, general-skill and technique pages.
#include "app/LayoutHelpers.h"
#include "app/TForm1.h"

using namespace app::layout;

void TForm1::BuildWrestlingSkillsPage() {
  QWidget* p = TabSheet7;
  struct Skill {
    const char *caption, *labelName, *edit, *spin;
    ui::TEdit** editTarget;
    ui::TUpDown** spinTarget;
  };
  const Skill left[] = {
      {"プロレス打撃技", "StrikesSkillLabel", "Edit36", "UpDown9", &Edit36, &UpDown9},
      {"プロレス投げ技", "ThrowsSkillLabel", "Edit37", "UpDown10", &Edit37, &UpDown10},
      {"プロレス関節技", "JointLocksSkillLabel", "Edit38", "UpDown11", &Edit38, &UpDown11},
      {"プロレス空中殺法", "AerialSkillLabel", "Edit39", "UpDown12", &Edit39, &UpDown12},
      {"プロレス/型", "FormSkillLabel", "Edit40", "UpDown13", &Edit40, &UpDown13},
      {"プロレス受身", "BreakfallsSkillLabel", "Edit41", "UpDown14", &Edit41, &UpDown14},
  };
  const Skill right[] = {
      {"邪道戦闘", "DirtyFightingSkillLabel", "Edit42", "UpDown15", &Edit42, &UpDown15},
      {"格闘", "BrawlingSkillLabel", "Edit43", "UpDown16", &Edit43, &UpDown16},
      {"空手", "KarateSkillLabel", "Edit44", "UpDown17", &Edit44, &UpDown17},
      {"柔道", "JudoSkillLabel", "Edit45", "UpDown18", &Edit45, &UpDown18},
      {"ﾎﾞｸｼﾝｸﾞ", "BoxingSkillLabel", "Edit46", "UpDown19", &Edit46, &UpDown19},
      {"ﾚｽﾘﾝｸﾞ", "WrestlingSkillLabel", "Edit47", "UpDown20", &Edit47, &UpDown20},
  };
  auto column = [&](const Skill (&skills)[6], int labelLeft, int editLeft) {
    int top = 8;
    for (const Skill& s : skills) {
      AddLabel(p, s.labelName, QString::fromUtf8(s.caption), labelLeft, top + 4);
      *s.editTarget = AddEdit(p, s.edit, editLeft, top, 33, "0", kReadOnly);
      *s.spinTarget = AddUpDown(p, s.spin, *s.editTarget, 0, 100, 0);
      top += 24;
    }
  };
  column(left, 8, 112);
  column(right, 184, 240);

  AddLabel(p, "WrestlingSkillTotalLabel", QStringLiteral("総計CP"), 320, 108);
  Edit48 = AddEdit(p, "Edit48", 320, 124, 49, "0", kReadOnly | kNoTab);
  AddLabel(p, "WrestlingSkillTotalUnitLabel", QStringLiteral("CP"), 373, 128);
}

void TForm1::BuildGeneralSkillsPage() {
  QWidget* p = TabSheet8;
  StringGrid2 = Place(new ui::TStringGrid(3, 30, 0, p), "StringGrid2", 0, 8, 201, 145);
  StringGrid2->SetRowHeight(16);
  ListBox2 = Place(new ui::TListBox(p), "ListBox2", 208, 8, 129, 145);
  ListBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  Button1 = Place(new QPushButton(QStringLiteral("削除"), p), "Button1", 344, 8, 75, 25);
  AddLabel(p, "SkillLevelAdjustLabel", QStringLiteral("ﾚﾍﾞﾙ調節"), 344, 44);
  Edit49 = AddEdit(p, "Edit49", 344, 60, 33, "0", kReadOnly);
  UpDown21 = AddUpDown(p, "UpDown21", Edit49, 0, 100, 0);
  AddLabel(p, "SkillLevelAdjustUnitLabel", QStringLiteral("LV"), UpDown21->x() + kUpDownWidth + 4, 64);
  AddLabel(p, "GeneralSkillTotalLabel", QStringLiteral("CP総計"), 344, 100);
  Edit50 = AddEdit(p, "Edit50", 344, 116, 49, "0", kReadOnly | kNoTab);
}

void TForm1::BuildTechniquesPage() {
  QWidget* p = TabSheet9;
  StringGrid3 = Place(new ui::TStringGrid(6, 30, 1, p), "StringGrid3", 8, 8, 433, 129);
  StringGrid3->SetRowHeight(16);

  // One row of controls under the grid, captions above the spins.
  const int top = 160, captionTop = 144;
  ComboBox2 = Place(new ui::TComboBox(p), "ComboBox2", 8, top, 81, 21);
  for (const char* item : {"打撃技", "投げ技", "関節技", "空中殺法", "格闘", "空手", "柔道", "ﾎﾞｸｼﾝｸﾞ", "ﾚｽﾘﾝｸﾞ", "邪道技"})
    ComboBox2->addItem(QString::fromUtf8(item));
  Button2 = Place(new QPushButton(QStringLiteral("追加"), p), "Button2", 96, top - 2, 49, 25);
  Button3 = Place(new QPushButton(QStringLiteral("削除"), p), "Button3", 152, top - 2, 49, 25);

  Label60 = AddLabel(p, "Label60", QStringLiteral("ﾚﾍﾞﾙ調節"), 216, captionTop);
  Edit51 = AddEdit(p, "Edit51", 216, top, 33, "1", kReadOnly);
  UpDown22 = AddUpDown(p, "UpDown22", Edit51, 1, 100, 1);
  Label62 = AddLabel(p, "Label62", QStringLiteral("威力調節"), 280, captionTop);
  Edit52 = AddEdit(p, "Edit52", 280, top, 33, "0", kReadOnly);
  UpDown23 = AddUpDown(p, "UpDown23", Edit52, 0, 5, 0);
  for (QWidget* w : std::initializer_list<QWidget*>{Label60, Edit51, UpDown22, Label62, Edit52, UpDown23})
    w->setEnabled(false);

  AddLabel(p, "TechniqueTotalLabel", QStringLiteral("CP総計"), 352, captionTop);
  Edit53 = AddEdit(p, "Edit53", 352, top, 49, "0", kReadOnly | kNoTab);
}
