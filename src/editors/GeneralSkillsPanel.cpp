// The general-skill page: learned skills, the skill list, the level spin.
#include "app/TForm1.h"
#include "model/NumberText.h"
#include "model/Sjis.h"

void TForm1::ShowGeneralSkills() {
  const auto& skills = Wrestler->GeneralSkills;
  static const std::string lv = sjis::Literal("LV"), cp = sjis::Literal("CP");
  for (int row = 0; row < 30; ++row) {
    if (row < skills.Count()) {
      StringGrid2->SetCell(0, row, skills[0][row]);
      StringGrid2->SetCell(1, row, skills[1][row] + lv);
      StringGrid2->SetCell(2, row, skills[2][row] + cp);
    } else {
      for (int c = 0; c < 3; ++c) StringGrid2->SetCell(c, row, std::string());
    }
  }
  float sum = 0.0f;
  for (int i = 0; i < skills.Count(); ++i)
    sum = static_cast<float>(static_cast<double>(sum) + numtext::ParseFloat(skills[2][i]).value_or(0.0));
  Edit50->SetAscii(numtext::FormatOneDecimal(sum));
}

void TForm1::StringGrid2Click() {}
void TForm1::StringGrid2RowMoved(int, int) {}
void TForm1::ListBox2DblClick() {}
void TForm1::Button1Click() {}
void TForm1::UpDown21Click(ui::UpDownButton) {}
