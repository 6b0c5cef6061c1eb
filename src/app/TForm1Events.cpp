// Every event binding of the main window, in one place.
#include "app/TForm1.h"

void TForm1::ConnectHandlers() {
  using ui::TEdit;
  using ui::TUpDown;
  auto change = [this](TEdit* edit, void (TForm1::*handler)()) { connect(edit, &TEdit::Change, this, handler); };
  auto exit = [this](TEdit* edit, void (TForm1::*handler)()) { connect(edit, &TEdit::Exit, this, handler); };
  auto click = [this](TUpDown* spin, void (TForm1::*handler)(ui::UpDownButton)) {
    connect(spin, &TUpDown::Click, this, handler);
  };

  // Personal data.
  change(Edit1, &TForm1::Edit1Change);
  change(Edit2, &TForm1::Edit2Change);
  change(Edit3, &TForm1::Edit3Change);
  change(Edit4, &TForm1::Edit4Change);
  change(Edit18, &TForm1::Edit18Change);
  exit(Edit5, &TForm1::Edit5Exit);
  exit(Edit6, &TForm1::Edit6Exit);
  click(UpDown1, &TForm1::UpDown1Click);
  click(UpDown2, &TForm1::UpDown2Click);
  connect(Memo1, &ui::TMemo::Exit, this, &TForm1::Memo1Exit);

  // Attributes.
  click(UpDown3, &TForm1::UpDown3Click);
  click(UpDown4, &TForm1::UpDown4Click);
  click(UpDown5, &TForm1::UpDown5Click);
  click(UpDown6, &TForm1::UpDown6Click);
  exit(Edit7, &TForm1::Edit7Exit);
  exit(Edit8, &TForm1::Edit8Exit);
  exit(Edit9, &TForm1::Edit9Exit);
  exit(Edit10, &TForm1::Edit10Exit);
  change(Edit17, &TForm1::Edit17Change);

  // The seven CP boxes feed the grand total.
  for (TEdit* box : {Edit15, Edit27, Edit29, Edit35, Edit48, Edit50, Edit53}) change(box, &TForm1::Edit15Change);

  // Mandatory traits.
  ui::TCheckBox* boxes[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7};
  void (TForm1::*boxHandlers[])() = {&TForm1::CheckBox1Click, &TForm1::CheckBox2Click, &TForm1::CheckBox3Click,
                                     &TForm1::CheckBox4Click, &TForm1::CheckBox5Click, &TForm1::CheckBox6Click,
                                     &TForm1::CheckBox7Click};
  for (int i = 0; i < 7; ++i) connect(boxes[i], &ui::TCheckBox::Click, this, boxHandlers[i]);
  connect(RadioGroup1, &ui::TRadioGroup::Click, this, &TForm1::RadioGroup1Click);
  click(UpDown7, &TForm1::UpDown7Click);
  connect(ComboBox1, &ui::TComboBox::Change, this, &TForm1::ComboBox1Change);

  // General traits.
  connect(StringGrid1, &ui::TStringGrid::Click, this, &TForm1::StringGrid1Click);
  connect(StringGrid1, &ui::TStringGrid::Exit, this, &TForm1::StringGrid1Exit);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
  click(UpDown8, &TForm1::UpDown8Click);
  connect(ListBox1, &ui::TListBox::DblClick, this, &TForm1::ListBox1DblClick);
  connect(Memo3, &ui::TMemo::Exit, this, &TForm1::Memo3Exit);

  // Quirks.
  change(Edit30, &TForm1::Edit30Change);
  change(Edit31, &TForm1::Edit31Change);
  change(Edit32, &TForm1::Edit32Change);
  change(Edit33, &TForm1::Edit33Change);
  change(Edit34, &TForm1::Edit34Change);

  // Wrestling skills.
  click(UpDown9, &TForm1::UpDown9Click);
  click(UpDown10, &TForm1::UpDown10Click);
  click(UpDown11, &TForm1::UpDown11Click);
  click(UpDown12, &TForm1::UpDown12Click);
  click(UpDown13, &TForm1::UpDown13Click);
  click(UpDown14, &TForm1::UpDown14Click);
  click(UpDown15, &TForm1::UpDown15Click);
  click(UpDown16, &TForm1::UpDown16Click);
  click(UpDown17, &TForm1::UpDown17Click);
  click(UpDown18, &TForm1::UpDown18Click);
  click(UpDown19, &TForm1::UpDown19Click);
  click(UpDown20, &TForm1::UpDown20Click);
  for (TEdit* e : {Edit36, Edit37, Edit38, Edit39, Edit40, Edit42, Edit43, Edit44, Edit45, Edit46, Edit47})
    change(e, &TForm1::Edit36Change);
  change(Edit41, &TForm1::Edit41Change);

  // General skills.
  connect(StringGrid2, &ui::TStringGrid::Click, this, &TForm1::StringGrid2Click);
  connect(StringGrid2, &ui::TStringGrid::RowMoved, this, &TForm1::StringGrid2RowMoved);
  connect(ListBox2, &ui::TListBox::DblClick, this, &TForm1::ListBox2DblClick);
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  click(UpDown21, &TForm1::UpDown21Click);

  // Techniques.
  connect(ComboBox2, &ui::TComboBox::Change, this, &TForm1::ComboBox2Change);
  connect(StringGrid3, &ui::TStringGrid::Click, this, &TForm1::StringGrid3Click);
  connect(StringGrid3, &ui::TStringGrid::Exit, this, &TForm1::StringGrid3Exit);
  click(UpDown22, &TForm1::UpDown22Click);
  click(UpDown23, &TForm1::UpDown23Click);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);

  // Menu.
  connect(New1, &QAction::triggered, this, &TForm1::New1Click);
  connect(Open1, &QAction::triggered, this, &TForm1::Open1Click);
  connect(SaveAs1, &QAction::triggered, this, &TForm1::SaveAs1Click);
  connect(Save1, &QAction::triggered, this, &TForm1::Save1Click);
  connect(I1, &QAction::triggered, this, &TForm1::I1Click);
  connect(N1, &QAction::triggered, this, &TForm1::N1Click);
  connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
  connect(Contents1, &QAction::triggered, this, &TForm1::Contents1Click);
  connect(About1, &QAction::triggered, this, &TForm1::About1Click);
  SaveDialog1->SetOnTypeChange([this](ui::TFileChooser&) { SaveDialog1TypeChange(); });
}
