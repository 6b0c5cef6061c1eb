// Personal data, quirks, notes and the grand total: each text control
// writes straight into the record; memos only when they lose the focus.
#include "app/TForm1.h"
#include "model/NumberText.h"

void TForm1::Edit1Change() { Wrestler->RingName = Edit1->Sjis(); }
void TForm1::Edit2Change() { Wrestler->RealName = Edit2->Sjis(); }
void TForm1::Edit3Change() { Wrestler->CatchCopy = Edit3->Sjis(); }
void TForm1::Edit4Change() { Wrestler->Promotion = Edit4->Sjis(); }
void TForm1::Edit18Change() { Wrestler->Birthplace = Edit18->Sjis(); }

void TForm1::Edit30Change() { Wrestler->Quirks[0] = Edit30->Sjis(); }
void TForm1::Edit31Change() { Wrestler->Quirks[1] = Edit31->Sjis(); }
void TForm1::Edit32Change() { Wrestler->Quirks[2] = Edit32->Sjis(); }
void TForm1::Edit33Change() { Wrestler->Quirks[3] = Edit33->Sjis(); }
void TForm1::Edit34Change() { Wrestler->Quirks[4] = Edit34->Sjis(); }

void TForm1::Memo1Exit() { CopyLinesIn(Wrestler->Background, Memo1->Lines()); }
void TForm1::Memo3Exit() { CopyLinesIn(Wrestler->TraitNotes, Memo3->Lines()); }

// Shared by the seven CP boxes.
void TForm1::Edit15Change() { UpdateGrandTotal(); }

// Sums the seven boxes' texts, not the record: the boxes are what the sheet
// shows. The sum is held in single precision after every addition. The
// program writes every box itself, so a text that is not a number cannot
// arise in use; should one appear it counts as 0 rather than stopping the
// sum half-way.
void TForm1::UpdateGrandTotal() {
  float sum = 0.0f;
  for (ui::TEdit* box : {Edit15, Edit27, Edit29, Edit35, Edit48, Edit50, Edit53}) {
    double value = numtext::ParseFloat(box->Ascii()).value_or(0.0);
    sum = static_cast<float>(static_cast<double>(sum) + value);
  }
  Edit54->SetAscii(numtext::FormatOneDecimal(sum));
}
