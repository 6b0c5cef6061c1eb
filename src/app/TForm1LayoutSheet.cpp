// Layout of the upper half of the main window (personal data, attributes,
// defence, grand total), the portrait, the menus and the file choosers.
#include "app/LayoutHelpers.h"
#include "app/TForm1.h"

using namespace app::layout;

void TForm1::BuildMenus() {
  MainMenu1 = Named(new QMenuBar(this), "MainMenu1");
  setMenuBar(MainMenu1);

  File1 = Named(MainMenu1->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)")), "File1");
  auto item = [](QMenu* menu, const char* name, const QString& caption) {
    return Named(menu->addAction(caption), name);
  };
  New1 = item(File1, "New1", QStringLiteral("新規作成(&N)"));
  Open1 = item(File1, "Open1", QStringLiteral("ﾌｧｲﾙを開く(&O)"));
  SaveAs1 = item(File1, "SaveAs1", QStringLiteral("名前をつけて保存(&A)"));
  Save1 = item(File1, "Save1", QStringLiteral("上書き保存(&S)"));
  I1 = item(File1, "I1", QStringLiteral("画像を開く(&I)"));
  N1 = item(File1, "N1", QStringLiteral("整合性ﾁｪｯｸ"));
  Exit1 = item(File1, "Exit1", QStringLiteral("終了(&Q)"));

  Help1 = Named(MainMenu1->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)")), "Help1");
  Contents1 = item(Help1, "Contents1", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
  About1 = item(Help1, "About1", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
}

void TForm1::BuildFileChoosers() {
  using ui::TFileChooser;
  OpenPictureDialog1 = std::make_unique<TFileChooser>(
      TFileChooser::Mode::OpenPicture,
      QStringLiteral("すべてのﾌｧｲﾙ (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)|*.bmp|"
                     "ｱｲｺﾝ (*.ico)|*.ico|ｴﾝﾊﾝｽ ﾒﾀﾌｧｲﾙ (*.emf)|*.emf|ﾒﾀﾌｧｲﾙ (*.wmf)|*.wmf"),
      this);
  SaveDialog1 = std::make_unique<TFileChooser>(
      TFileChooser::Mode::Save, QStringLiteral("ﾚｽﾗｰﾌｧｲﾙ(*.rsp)|*.rsp;*.RSP|HTML ドキュメント|*.html;*.htm"), this);
  SaveDialog1->SetDefaultExt(QStringLiteral("rsp"));
  SaveDialog1->SetOverwritePrompt(true);
  SaveDialog1->SetHideReadOnly(true);
  OpenDialog1 = std::make_unique<TFileChooser>(TFileChooser::Mode::Open,
                                               QStringLiteral("ﾚｽﾗｰﾃﾞｰﾀ(*.rsp)|*.rsp;*.RSP"), this);
}

void TForm1::BuildPersonalData() {
  GroupBox1 = Place(new QGroupBox(QStringLiteral("ﾊﾟｰｿﾅﾙﾃﾞｰﾀ"), ClientArea), "GroupBox1", 8, 8, 329, 185);
  QWidget* g = GroupBox1;

  // Left column: caption above each 121-wide edit.
  AddLabel(g, "RingNameLabel", QStringLiteral("リングネーム"), 8, 16);
  Edit1 = AddEdit(g, "Edit1", 8, 32, 121);
  AddLabel(g, "RealNameLabel", QStringLiteral("本名"), 8, 56);
  Edit2 = AddEdit(g, "Edit2", 8, 72, 121);
  AddLabel(g, "CatchCopyLabel", QStringLiteral("ｷｬｯﾁｺﾋﾟｰ"), 8, 96);
  Edit3 = AddEdit(g, "Edit3", 8, 112, 121);
  AddLabel(g, "PromotionLabel", QStringLiteral("所属団体"), 8, 136);
  Edit4 = AddEdit(g, "Edit4", 8, 152, 121);

  // Right column: height and weight side by side, birthplace, background.
  AddLabel(g, "HeightLabel", QStringLiteral("身長"), 144, 16);
  Edit5 = AddEdit(g, "Edit5", 144, 32, 33, "163", kReadOnly);
  UpDown1 = AddUpDown(g, "UpDown1", Edit5, 100, 250, 163);
  AddLabel(g, "HeightUnitLabel", QStringLiteral("cm"), UpDown1->x() + kUpDownWidth + 3, 36);
  AddLabel(g, "WeightLabel", QStringLiteral("体重"), 224, 16);
  Edit6 = AddEdit(g, "Edit6", 224, 32, 33, "50", kReadOnly);
  UpDown2 = AddUpDown(g, "UpDown2", Edit6, 30, 200, 50);
  AddLabel(g, "WeightUnitLabel", QStringLiteral("Kg"), UpDown2->x() + kUpDownWidth + 3, 36);

  AddLabel(g, "BirthplaceLabel", QStringLiteral("出身地"), 144, 56);
  Edit18 = AddEdit(g, "Edit18", 144, 72, 161);
  AddLabel(g, "BackgroundLabel", QStringLiteral("背景"), 144, 96);
  Memo1 = Place(new ui::TMemo(g), "Memo1", 144, 112, 161, 57);
}

void TForm1::BuildAttributes() {
  GroupBox2 = Place(new QGroupBox(QStringLiteral("能力値"), ClientArea), "GroupBox2", 344, 8, 185, 185);
  QWidget* g = GroupBox2;

  struct Row {
    const char *label, *labelName, *value, *spin, *cp, *cpLabel;
    ui::TEdit** valueEdit;
    ui::TUpDown** upDown;
    ui::TEdit** cpEdit;
  };
  const Row rows[] = {
      {"体力(ST)", "StLabel", "Edit7", "UpDown3", "Edit11", "StCPLabel", &Edit7, &UpDown3, &Edit11},
      {"敏捷(DX)", "DxLabel", "Edit8", "UpDown4", "Edit12", "DxCPLabel", &Edit8, &UpDown4, &Edit12},
      {"知力(IQ)", "IqLabel", "Edit9", "UpDown5", "Edit13", "IqCPLabel", &Edit9, &UpDown5, &Edit13},
      {"生命(HT)", "HtLabel", "Edit10", "UpDown6", "Edit14", "HtCPLabel", &Edit10, &UpDown6, &Edit14},
  };
  int top = 16;
  for (const Row& r : rows) {
    AddLabel(g, r.labelName, QString::fromUtf8(r.label), 8, top + 4);
    *r.valueEdit = AddEdit(g, r.value, 64, top, 33, "10", kReadOnly);
    *r.upDown = AddUpDown(g, r.spin, *r.valueEdit, 4, 20, 10);
    *r.cpEdit = AddEdit(g, r.cp, 120, top, 33, "0", kReadOnly | kNoTab);
    AddLabel(g, r.cpLabel, QStringLiteral("CP"), 157, top + 4);
    top += 24;
  }

  AddLabel(g, "ThrustDamageLabel", QStringLiteral("基本致傷力"), 8, 116);
  Label17 = AddLabel(g, "Label17", QStringLiteral("1D-2"), 76, 116);
  Edit15 = AddEdit(g, "Edit15", 120, 112, 33, "0", kReadOnly | kNoTab);
  AddLabel(g, "AttributeTotalCPLabel", QStringLiteral("CP"), 157, 116);
  AddLabel(g, "BasicSpeedLabel", QStringLiteral("基本移動力"), 8, 140);
  Edit16 = AddEdit(g, "Edit16", 76, 136, 41, "0", kReadOnly | kNoTab);
  AddLabel(g, "MoveLabel", QStringLiteral("移動力"), 8, 162);
  Edit17 = AddEdit(g, "Edit17", 76, 158, 41, "0", kReadOnly | kNoTab);
}

void TForm1::BuildDefence() {
  GroupBox3 = Place(new QGroupBox(QStringLiteral("防御"), ClientArea), "GroupBox3", 536, 8, 145, 129);
  QWidget* g = GroupBox3;

  // Two blocks of three boxes, each box under its caption.
  struct Box {
    const char *label, *labelName, *edit;
    ui::TEdit** target;
  };
  auto block = [&](const char* heading, const char* headingName, int top, const Box (&boxes)[3]) {
    AddLabel(g, headingName, QString::fromUtf8(heading), 8, top);
    for (int i = 0; i < 3; ++i) {
      int left = 12 + 44 * i;
      AddLabel(g, boxes[i].labelName, QString::fromUtf8(boxes[i].label), left, top + 14);
      *boxes[i].target = AddEdit(g, boxes[i].edit, left, top + 28, 33, "0", kReadOnly | kNoTab);
    }
  };
  const Box defences[3] = {{"よけ", "DodgeLabel", "Edit19", &Edit19},
                           {"受け", "ParryLabel", "Edit20", &Edit20},
                           {"止め", "BlockLabel", "Edit21", &Edit21}};
  const Box resistances[3] = {{"基本", "BasicDRLabel", "Edit22", &Edit22},
                              {"通常", "NormalDRLabel", "Edit23", &Edit23},
                              {"関節", "JointLockDRLabel", "Edit24", &Edit24}};
  block("能動防御", "ActiveDefenceLabel", 16, defences);
  block("防護点", "DamageResistanceLabel", 70, resistances);

  // The block box is never filled and wears the scroll-bar grey.
  Edit21->clear();
  QPalette pal = Edit21->palette();
  pal.setColor(QPalette::Base, QColor(200, 200, 200));
  Edit21->setPalette(pal);
}

void TForm1::BuildGrandTotal() {
  GroupBox6 = Place(new QGroupBox(QStringLiteral("全合計CP"), ClientArea), "GroupBox6", 536, 144, 145, 49);
  Edit54 = AddEdit(GroupBox6, "Edit54", 24, 20, 73, "-10.0", kReadOnly | kNoTab);
  AddLabel(GroupBox6, "GrandTotalCPLabel", QStringLiteral("CP"), 101, 24);
}

void TForm1::BuildPortrait() {
  Bevel1 = Place(new QFrame(ClientArea), "Bevel1", 8, 208, 193, 217);
  Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Image1 = Place(new TPortraitImage(ClientArea), "Image1", 8, 208, 193, 217);
}
