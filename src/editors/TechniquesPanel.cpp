// The technique page: the learned techniques of the chosen category, the
// adjustment spins, learning and removal.
#include "app/TForm1.h"
#include "model/NumberText.h"
#include "model/RuleTables.h"

void TForm1::ShowTechniqueList(int category) {
  if (category < 0 || category >= rules::kTechniqueCategoryCount) return;
  const TWrestler& w = *Wrestler;
  const auto& t = w.Techniques[category];
  for (int n = 0; n < StringGrid3->RowCount() - 1; ++n) {
    const int row = n + 1;
    if (n >= t.Count()) {
      for (int c = 0; c < 6; ++c) StringGrid3->SetCell(c, row, std::string());
      continue;
    }
    StringGrid3->SetCell(0, row, t[kTechName][n]);
    StringGrid3->SetCell(1, row, t[kTechLevelCP][n]);
    StringGrid3->SetCell(2, row, t[kTechPowerCP][n]);
    StringGrid3->SetCell(3, row, t[kTechLocation][n]);
    StringGrid3->SetCell(4, row, std::string());
    StringGrid3->SetCell(5, row, std::string());
  }
  float sum = 0.0f;
  for (const auto& lists : w.Techniques)
    for (int k : {kTechLevelCP, kTechPowerCP})
      for (const std::string& cp : lists[k])
        sum = static_cast<float>(static_cast<double>(sum) + numtext::ParseFloat(cp).value_or(0.0));
  Edit53->SetAscii(numtext::FormatOneDecimal(sum));
}

void TForm1::ComboBox2Change() {}
void TForm1::StringGrid3Click() {}
void TForm1::StringGrid3Exit() {}
void TForm1::UpDown22Click(ui::UpDownButton) {}
void TForm1::UpDown23Click(ui::UpDownButton) {}
void TForm1::Button2Click() {}
void TForm1::Button3Click() {}
