// The mandatory-trait page and the height and weight spins.
#include "app/TForm1.h"
#include "model/NumberText.h"

namespace {

// Styles, prestige, promotion size, the fixed adjustment and bulk.
int32_t MandatoryCost(const TWrestler& w) {
  const int32_t styleCost[7] = {5, 10, 10, 10, 10, 5, 5};
  int32_t cost = 0;
  for (int i = 0; i < 7; ++i)
    if (w.Styles[i]) cost += styleCost[i];
  cost += 5 * w.Prestige;
  cost += w.PromotionSize == 5 ? 0 : 5 * w.PromotionSize - 15;
  cost += w.Adjustment;
  cost += 5 * w.Bulk;
  return cost;
}

}  // namespace

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

void TForm1::ShowMandatoryTotal() { Edit27->SetAscii(numtext::FormatInt(MandatoryCost(*Wrestler))); }

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
