// The main window: every control of the sheet, the catalogs, the one
// character record, and the handlers of every control's events.
//
// Handlers keep the names of their controls and are grouped by panel:
// src/editors/<Panel>Panel.cpp define them, src/app/Refresh.cpp holds the
// refreshes that copy the record into the controls, the layout lives in
// src/app/TForm1Layout*.cpp.
#pragma once

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QString>
#include <QTabWidget>
#include <cstdint>
#include <memory>
#include <string>

#include "app/TPortraitImage.h"
#include "catalog/Catalog.h"
#include "catalog/CatalogLoader.h"
#include "model/Rules.h"
#include "model/TWrestler.h"
#include "platform/Controls.h"
#include "platform/FileChooser.h"

class TOKRightDlg;
class TOKBottomDlg;
class TPasswordDlg;
class TAboutBox;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  TForm1();
  ~TForm1() override;

  // False when a catalog could not be loaded; the message naming the file
  // has been shown and the window should not be run.
  bool StartupFailed() const { return startupFailed_; }

  // The dialogs main creates at start-up. A form used without them (as
  // tests do) creates each one the first time it needs it.
  void UseDialogs(TOKRightDlg* okRight, TOKBottomDlg* okBottom, TPasswordDlg* password, TAboutBox* about);
  TOKRightDlg* OKRightDlg();
  TOKBottomDlg* OKBottomDlg();
  TPasswordDlg* PasswordDlg();
  TAboutBox* AboutBox();

  // ---- controls --------------------------------------------------------
  QMenuBar* MainMenu1;
  QMenu* File1;
  QAction *New1, *Open1, *SaveAs1, *Save1, *I1, *N1, *Exit1;
  QMenu* Help1;
  QAction *Contents1, *About1;

  QWidget* ClientArea;  // the 688 x 434 area below the menu bar

  // Personal data.
  QGroupBox* GroupBox1;
  ui::TEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit18;
  ui::TUpDown *UpDown1, *UpDown2;
  ui::TMemo* Memo1;

  // Attributes.
  QGroupBox* GroupBox2;
  ui::TEdit *Edit7, *Edit8, *Edit9, *Edit10;
  ui::TUpDown *UpDown3, *UpDown4, *UpDown5, *UpDown6;
  ui::TEdit *Edit11, *Edit12, *Edit13, *Edit14, *Edit15, *Edit16, *Edit17;
  ui::TLabel* Label17;

  // Defence.
  QGroupBox* GroupBox3;
  ui::TEdit *Edit19, *Edit20, *Edit21, *Edit22, *Edit23, *Edit24;

  // Grand total.
  QGroupBox* GroupBox6;
  ui::TEdit* Edit54;

  // Portrait.
  QFrame* Bevel1;
  TPortraitImage* Image1;

  // Pages.
  QTabWidget *PageControl1, *PageControl2, *PageControl3;
  QWidget *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4, *TabSheet6, *TabSheet7, *TabSheet8, *TabSheet9;

  // Mandatory traits.
  QGroupBox* GroupBox4;
  ui::TCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7;
  ui::TRadioGroup* RadioGroup1;
  ui::TEdit* Edit25;
  ui::TUpDown* UpDown7;
  ui::TComboBox* ComboBox1;
  ui::TLabel* Label66;
  ui::TEdit *Edit26, *Edit27;

  // General traits.
  ui::TStringGrid* StringGrid1;
  QPushButton* BitBtn2;
  ui::TLabel *Label37, *Label38, *Label39, *Label65;
  ui::TEdit *Edit28, *Edit29;
  ui::TUpDown* UpDown8;
  ui::TListBox* ListBox1;
  ui::TMemo* Memo3;

  // Quirks.
  QGroupBox* GroupBox5;
  ui::TEdit *Edit30, *Edit31, *Edit32, *Edit33, *Edit34, *Edit35;

  // Wrestling skills.
  ui::TEdit *Edit36, *Edit37, *Edit38, *Edit39, *Edit40, *Edit41;
  ui::TEdit *Edit42, *Edit43, *Edit44, *Edit45, *Edit46, *Edit47, *Edit48;
  ui::TUpDown *UpDown9, *UpDown10, *UpDown11, *UpDown12, *UpDown13, *UpDown14;
  ui::TUpDown *UpDown15, *UpDown16, *UpDown17, *UpDown18, *UpDown19, *UpDown20;

  // General skills.
  ui::TStringGrid* StringGrid2;
  ui::TListBox* ListBox2;
  QPushButton* Button1;
  ui::TEdit *Edit49, *Edit50;
  ui::TUpDown* UpDown21;

  // Techniques.
  ui::TStringGrid* StringGrid3;
  ui::TComboBox* ComboBox2;
  QPushButton *Button2, *Button3;
  ui::TLabel *Label60, *Label62;
  ui::TEdit *Edit51, *Edit52, *Edit53;
  ui::TUpDown *UpDown22, *UpDown23;

  // File choosers.
  std::unique_ptr<ui::TFileChooser> OpenPictureDialog1;
  std::unique_ptr<ui::TFileChooser> SaveDialog1;
  std::unique_ptr<ui::TFileChooser> OpenDialog1;

  // ---- state -----------------------------------------------------------
  TCatalogs Catalogs;
  TCatalog& TraitCatalog = Catalogs.Traits;
  TCatalog& SkillCatalog = Catalogs.Skills;
  TCatalog& TechniqueCatalog = Catalogs.Techniques;
  int32_t AttributeCostTable[21] = {};
  int32_t ThrustDice[21] = {};
  int32_t ThrustAdds[21] = {};
  int32_t CategoryOfListIndex[10] = {};
  int32_t SkillOfCategory[10] = {};
  int32_t CategoryOfSkill[12] = {};
  QString CurrentFileName;
  std::string SectionSeparator;
  QString HelpViewerPath;
  // Where manual.html was found at start-up (empty when nowhere).
  QString HelpDocumentPath;
  std::unique_ptr<TWrestler> Wrestler;

  // ---- refreshes (record -> controls) ----------------------------------
  void ResetAndShowAll();
  void ShowPersonalData();
  void ShowAttributes();
  void ShowSpeedAndMove();
  void ShowActiveDefences();
  void ShowDamageResistance();
  void ShowQuirks();
  void ShowMandatoryTraits();
  void ShowMandatoryTotal();
  void ShowGeneralTraits();
  void ShowWrestlingSkillTotal();
  void ShowWrestlingSkillLevels();
  void ShowGeneralSkills();
  void ShowTechniqueList(int category);
  void UpdateGrandTotal();

  // Shows a computation's refusal the way the toolkit shows a conversion
  // error; true when there was one and the handler must stop.
  bool ShowRuleError(const RuleError& error);

  // ---- handlers --------------------------------------------------------
  // Personal data, quirks, notes, totals.
  void Edit1Change();
  void Edit2Change();
  void Edit3Change();
  void Edit4Change();
  void Edit18Change();
  void Edit30Change();
  void Edit31Change();
  void Edit32Change();
  void Edit33Change();
  void Edit34Change();
  void Memo1Exit();
  void Memo3Exit();
  void Edit15Change();

  // Attributes.
  void UpDown3Click(ui::UpDownButton button);
  void UpDown4Click(ui::UpDownButton button);
  void UpDown5Click(ui::UpDownButton button);
  void UpDown6Click(ui::UpDownButton button);
  void Edit7Exit();
  void Edit8Exit();
  void Edit9Exit();
  void Edit10Exit();
  void Edit17Change();

  // Mandatory traits, height and weight.
  void Edit5Exit();
  void Edit6Exit();
  void UpDown1Click(ui::UpDownButton button);
  void UpDown2Click(ui::UpDownButton button);
  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox3Click();
  void CheckBox4Click();
  void CheckBox5Click();
  void CheckBox6Click();
  void CheckBox7Click();
  void RadioGroup1Click();
  void UpDown7Click(ui::UpDownButton button);
  void ComboBox1Change();

  // General traits.
  void StringGrid1Click();
  void StringGrid1Exit();
  void BitBtn2Click();
  void UpDown8Click(ui::UpDownButton button);
  void ListBox1DblClick();

  // Wrestling skills.
  void UpDown9Click(ui::UpDownButton button);
  void UpDown10Click(ui::UpDownButton button);
  void UpDown11Click(ui::UpDownButton button);
  void UpDown12Click(ui::UpDownButton button);
  void UpDown13Click(ui::UpDownButton button);
  void UpDown14Click(ui::UpDownButton button);
  void UpDown15Click(ui::UpDownButton button);
  void UpDown16Click(ui::UpDownButton button);
  void UpDown17Click(ui::UpDownButton button);
  void UpDown18Click(ui::UpDownButton button);
  void UpDown19Click(ui::UpDownButton button);
  void UpDown20Click(ui::UpDownButton button);
  void Edit36Change();
  void Edit41Change();

  // General skills.
  void StringGrid2Click();
  void StringGrid2RowMoved(int fromIndex, int toIndex);
  void ListBox2DblClick();
  void Button1Click();
  void UpDown21Click(ui::UpDownButton button);

  // Techniques.
  void ComboBox2Change();
  void StringGrid3Click();
  void StringGrid3Exit();
  void UpDown22Click(ui::UpDownButton button);
  void UpDown23Click(ui::UpDownButton button);
  void Button2Click();
  void Button3Click();

  // Menu.
  void New1Click();
  void Open1Click();
  void SaveAs1Click();
  void Save1Click();
  void SaveDialog1TypeChange();
  void I1Click();
  void N1Click();
  void Exit1Click();
  void Contents1Click();
  void About1Click();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  // Creation steps, in order.
  void BuildControls();
  void LoadCatalogs();
  void FindHelpViewer();

  // Layout, one area each (TForm1Layout*.cpp).
  void BuildMenus();
  void BuildFileChoosers();
  void BuildPersonalData();
  void BuildAttributes();
  void BuildDefence();
  void BuildGrandTotal();
  void BuildPortrait();
  void BuildPages();
  void BuildMandatoryTraitsPage();
  void BuildGeneralTraitsPage();
  void BuildQuirksPage();
  void BuildWrestlingSkillsPage();
  void BuildGeneralSkillsPage();
  void BuildTechniquesPage();
  void ConnectHandlers();

  bool startupFailed_ = false;
  bool centred_ = false;
  TOKRightDlg* okRightDlg_ = nullptr;
  TOKBottomDlg* okBottomDlg_ = nullptr;
  TPasswordDlg* passwordDlg_ = nullptr;
  TAboutBox* aboutBox_ = nullptr;
};
