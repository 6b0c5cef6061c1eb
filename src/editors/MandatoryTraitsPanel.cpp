// The mandatory-trait page and the height and weight spins.
#include "app/TForm1.h"
#include "editors/MandatoryTraits.h"
#include "model/NumberText.h"

void TForm1::ShowMandatoryTraits() {
  const TWrestler& w = *Wrestler;
  ui::TCheckBox* boxes[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7};
  for (int i = 0; i < 7; ++i) boxes[i]->SetChecked(Wrestler->Styles[i]);
  RadioGroup1->SetItemIndex(w.MartialArtKind);
  RadioGroup1->setEnabled(w.Styles[6]);
  UpDown7->SetPosition(w.Prestige);
  ComboBox1->SetItemIndex(w.PromotionSize);
  Edit26->SetAscii(numtext::FormatInt(w.Bulk));
  ShowMandatoryTotal();
}

void TForm1::ShowMandatoryTotal() { Edit27->SetAscii(numtext::FormatInt(MandatoryTraitCost(*Wrestler))); }

void TForm1::Edit5Exit() {}
void TForm1::Edit6Exit() {}
void TForm1::UpDown1Click(ui::UpDownButton) {}
void TForm1::UpDown2Click(ui::UpDownButton) {}
void TForm1::CheckBox1Click() {}
void TForm1::CheckBox2Click() {}
void TForm1::CheckBox3Click() {}
void TForm1::CheckBox4Click() {}
void TForm1::CheckBox5Click() {}
void TForm1::CheckBox6Click() {}
void TForm1::CheckBox7Click() {}
void TForm1::RadioGroup1Click() {}
void TForm1::UpDown7Click(ui::UpDownButton) {}
void TForm1::ComboBox1Change() {}
