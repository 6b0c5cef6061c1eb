// The refreshes that copy the record into the controls, and New.
//
// Writing a control fires its events (TEdit::Change, TCheckBox::Click ...),
// and several re-derivations ride on them: a new move text recomputes the
// active defences, a new CP box text the grand total.
#include <cstdio>

#include "app/TForm1.h"
#include "editors/MandatoryTraits.h"
#include "model/NumberText.h"
#include "model/RuleTables.h"

namespace {

std::string FormatTwoDecimals(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(v));
  return buf;
}

}  // namespace

void TForm1::ResetAndShowAll() {
  SaveDialog1->SetFileName(QString());
  OpenDialog1->SetFileName(QString());
  Wrestler->Reset();
  ShowPersonalData();
  ShowAttributes();
  ShowSpeedAndMove();
  ShowActiveDefences();
  ShowDamageResistance();
  ShowMandatoryTraits();
  ShowMandatoryTotal();
  ShowGeneralTraits();
  ShowQuirks();
  ShowWrestlingSkillTotal();
  ShowWrestlingSkillLevels();
  ShowGeneralSkills();
  ComboBox2->SetItemIndex(0);
  ShowTechniqueList(CategoryOfListIndex[0]);
  // The boxes' texts need not have changed, so sum them explicitly.
  UpdateGrandTotal();
  CurrentFileName.clear();
  Image1->Clear();
}

void TForm1::ShowPersonalData() {
  TWrestler& w = *Wrestler;
  Edit1->SetSjis(w.RingName);
  Edit2->SetSjis(w.RealName);
  Edit3->SetSjis(w.CatchCopy);
  Edit4->SetSjis(w.Promotion);
  UpDown1->SetPosition(w.Height);
  UpDown2->SetPosition(w.Weight);
  Edit18->SetSjis(w.Birthplace);
  Memo1->SetLines(w.Background);
  w.Bulk = BulkFromWeight(w.Weight);
  ShowMandatoryTotal();
  ShowMandatoryTraits();
}

void TForm1::ShowAttributes() {
  TWrestler& w = *Wrestler;
  ui::TUpDown* spins[] = {UpDown3, UpDown4, UpDown5, UpDown6};
  for (int i = 0; i < 4; ++i) spins[i]->SetPosition(w.Attr[i]);
  ComputeAttributeCosts(w);
  ui::TEdit* cps[] = {Edit11, Edit12, Edit13, Edit14};
  for (int i = 0; i < 4; ++i) cps[i]->SetAscii(numtext::FormatInt(w.AttrCP[i]));
  Edit15->SetAscii(numtext::FormatInt(AttributeCPTotal(w)));
  Label17->SetAscii(ThrustDamageText(w.Attr[rules::ST], ThrustDice, ThrustAdds));
}

void TForm1::ShowSpeedAndMove() {
  Edit16->SetAscii(FormatTwoDecimals(Wrestler->BasicSpeed));
  Edit17->SetAscii(numtext::FormatInt(Wrestler->Move));  // a new move fires Edit17Change
}

void TForm1::ShowActiveDefences() {
  Edit19->SetAscii(numtext::FormatInt(Wrestler->Dodge));
  Edit20->SetAscii(numtext::FormatInt(Wrestler->Parry));
}

void TForm1::ShowDamageResistance() {
  Edit22->SetAscii(numtext::FormatInt(Wrestler->DR[0]));
  Edit23->SetAscii(numtext::FormatInt(Wrestler->DR[1]));
  Edit24->SetAscii(numtext::FormatInt(Wrestler->DR[2]));
}

void TForm1::ShowQuirks() {
  Edit34->SetSjis(Wrestler->Quirks[4]);
  Edit33->SetSjis(Wrestler->Quirks[3]);
  Edit32->SetSjis(Wrestler->Quirks[2]);
  Edit31->SetSjis(Wrestler->Quirks[1]);
  Edit30->SetSjis(Wrestler->Quirks[0]);
}
