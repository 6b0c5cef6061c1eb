// The wrestling-skill page: twelve skills with spins and their CP total.
#include "app/TForm1.h"
#include "model/NumberText.h"

void TForm1::ShowWrestlingSkillTotal() {
  float sum = 0.0f;
  for (float cp : Wrestler->WrestlingSkillCP) sum += cp;
  Edit48->SetAscii(numtext::FormatOneDecimal(sum));
}

// In WrestlingSkillIndex order; the changed edit texts re-derive the
// active defences and, for the breakfall skill, the damage resistance.
void TForm1::ShowWrestlingSkillLevels() {
  ui::TUpDown* spins[] = {UpDown13, UpDown11, UpDown12, UpDown10, UpDown9,  UpDown14,
                          UpDown15, UpDown16, UpDown19, UpDown17, UpDown20, UpDown18};
  for (int i = 0; i < 12; ++i) spins[i]->SetPosition(Wrestler->WrestlingSkillLevel[i]);
}

void TForm1::Edit36Change() {
  ComputeActiveDefences(*Wrestler);
  ShowActiveDefences();
}

void TForm1::Edit41Change() {
  ComputeActiveDefences(*Wrestler);
  ShowActiveDefences();
  if (ShowRuleError(ComputeDamageResistance(*Wrestler))) return;
  ShowDamageResistance();
}

void TForm1::UpDown9Click(ui::UpDownButton) {}
void TForm1::UpDown10Click(ui::UpDownButton) {}
void TForm1::UpDown11Click(ui::UpDownButton) {}
void TForm1::UpDown12Click(ui::UpDownButton) {}
void TForm1::UpDown13Click(ui::UpDownButton) {}
void TForm1::UpDown14Click(ui::UpDownButton) {}
void TForm1::UpDown15Click(ui::UpDownButton) {}
void TForm1::UpDown16Click(ui::UpDownButton) {}
void TForm1::UpDown17Click(ui::UpDownButton) {}
void TForm1::UpDown18Click(ui::UpDownButton) {}
void TForm1::UpDown19Click(ui::UpDownButton) {}
void TForm1::UpDown20Click(ui::UpDownButton) {}
