// The general-trait page: taken traits, the picker, the adjuster, notes.
#include "app/TForm1.h"
#include "model/NumberText.h"
#include "model/Sjis.h"

void TForm1::ShowGeneralTraits() {
  const TWrestler& w = *Wrestler;
  const auto& traits = w.GeneralTraits;
  static const std::string lv = sjis::Literal(" LV"), cp = sjis::Literal(" CP");
  int32_t total = 0;
  for (int row = 0; row < 30; ++row) {
    if (row < traits.Count()) {
      const std::string& level = traits[1][row];
      StringGrid1->SetCell(0, row, traits[0][row]);
      StringGrid1->SetCell(1, row, level.empty() ? std::string() : level + lv);
      StringGrid1->SetCell(2, row, traits[2][row] + cp);
    } else {
      for (int c = 0; c < 3; ++c) StringGrid1->SetCell(c, row, std::string());
    }
  }
  for (int i = 0; i < traits.Count(); ++i) total += numtext::ParseInt(traits[2][i]).value_or(0);
  Memo3->SetLines(w.TraitNotes);
  Edit29->SetAscii(numtext::FormatInt(total));
}

void TForm1::StringGrid1Click() {}
void TForm1::StringGrid1Exit() {}
void TForm1::BitBtn2Click() {}
void TForm1::UpDown8Click(ui::UpDownButton) {}
void TForm1::ListBox1DblClick() {}
