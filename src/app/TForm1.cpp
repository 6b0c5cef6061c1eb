#include "app/TForm1.h"

#include <QFile>
#include <QLayout>
#include <QShowEvent>
#include <algorithm>
#include <filesystem>

#include "app/DataFiles.h"
#include "app/WindowStyle.h"
#include "catalog/SelectionLists.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/TOKBottomDlg.h"
#include "dialogs/TOKRightDlg.h"
#include "dialogs/TPasswordDlg.h"
#include "model/RuleTables.h"
#include "model/Sjis.h"
#include "platform/Messages.h"

TForm1::TForm1() {
  // 1. Controls.
  BuildControls();
  // 2. Window strings.
  CurrentFileName.clear();
  SectionSeparator.clear();
  HelpViewerPath.clear();
  // 3. Catalogs.
  LoadCatalogs();
  // 4. The record, drawing on the picture box.
  Wrestler = std::make_unique<TWrestler>();
  Wrestler->Portrait = Image1;
  // 5. The window's rule tables.
  std::copy(rules::kAttributeCostTable.begin(), rules::kAttributeCostTable.end(), AttributeCostTable);
  std::copy(rules::kThrustDice.begin(), rules::kThrustDice.end(), ThrustDice);
  std::copy(rules::kThrustAdds.begin(), rules::kThrustAdds.end(), ThrustAdds);
  // 6. First items of the martial-art kind and the promotion size.
  RadioGroup1->SetItemIndex(0);
  ComboBox1->SetItemIndex(0);
  // 7. Column widths.
  StringGrid1->SetColWidths({96, 40, 40});
  StringGrid2->SetColWidths({96, 40, 40});
  StringGrid3->SetColWidths({160, 32, 40, 80, 32, 50});
  // 8. Technique headings.
  const char* headings[] = {"技名", "(LV)", "(威力)", "箇所", "LV", "威力"};
  for (int c = 0; c < 6; ++c) StringGrid3->SetCell(c, 0, sjis::Literal(headings[c]));
  // 9. Selection lists.
  ListBox1->SetItems(BuildTraitList(TraitCatalog));
  ListBox2->SetItems(BuildSkillList(SkillCatalog));
  // 10. Category tables.
  std::copy(rules::kCategoryOfListIndex.begin(), rules::kCategoryOfListIndex.end(), CategoryOfListIndex);
  std::copy(rules::kSkillOfCategory.begin(), rules::kSkillOfCategory.end(), SkillOfCategory);
  std::copy(rules::kCategoryOfSkill.begin(), rules::kCategoryOfSkill.end(), CategoryOfSkill);
  // 11. The character file's separator line.
  SectionSeparator = "----From/ToHere----";
  // 12. Help.
  FindHelpViewer();
  // 13. A new character on every panel.
  ResetAndShowAll();
}

TForm1::~TForm1() = default;

void TForm1::BuildControls() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("もんてぐら  -- GURPS ロープ★スパーク　キャラクターエディタ"));
  setFont(app::WindowFont());
  // A fixed single border: system menu and minimise only.
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  ClientArea = new QWidget(this);
  ClientArea->setObjectName(QStringLiteral("ClientArea"));
  ClientArea->setFixedSize(688, 434);
  setCentralWidget(ClientArea);

  BuildMenus();
  BuildPersonalData();
  BuildAttributes();
  BuildDefence();
  BuildGrandTotal();
  BuildPortrait();
  BuildPages();
  BuildFileChoosers();

  // The window is exactly as large as the menu bar plus the client area.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();

  // Handlers last: the initial texts above fire nothing.
  ConnectHandlers();
}

void TForm1::LoadCatalogs() {
  const std::pair<CatalogKind, TCatalog*> order[] = {{CatalogKind::Traits, &TraitCatalog},
                                                     {CatalogKind::Skills, &SkillCatalog},
                                                     {CatalogKind::Techniques, &TechniqueCatalog}};
  for (auto [kind, catalog] : order) {
    const QString name = QString::fromLatin1(CatalogFileName(kind));
    QString found = app::FindDataFile(name);
    // Not found anywhere: let the loader report it under its bare name.
    std::filesystem::path path(found.isEmpty() ? name.toStdString() : QFile::encodeName(found).toStdString());
    CatalogLoadResult result = LoadCatalogFile(path, kind, *catalog);
    if (!result.ok) {
      startupFailed_ = true;
      ui::ShowMessageUtf8(result.error, this);
      // Leave every catalog empty so the rest of the creation stays sound.
      TraitCatalog.Clear();
      SkillCatalog.Clear();
      TechniqueCatalog.Clear();
      return;
    }
  }
}

// The manual is found by the same search as the catalogs. The program that
// opens HTML is left to the desktop when help is asked for, so start-up
// spawns no process to look it up and HelpViewerPath stays empty.
void TForm1::FindHelpViewer() {
  HelpDocumentPath = app::FindDataFile(QStringLiteral("manual.html"));
  HelpViewerPath.clear();
}

void TForm1::UseDialogs(TOKRightDlg* okRight, TOKBottomDlg* okBottom, TPasswordDlg* password, TAboutBox* about) {
  okRightDlg_ = okRight;
  okBottomDlg_ = okBottom;
  passwordDlg_ = password;
  aboutBox_ = about;
}

TOKRightDlg* TForm1::OKRightDlg() {
  if (!okRightDlg_) okRightDlg_ = new TOKRightDlg(this);
  return okRightDlg_;
}

TOKBottomDlg* TForm1::OKBottomDlg() {
  if (!okBottomDlg_) okBottomDlg_ = new TOKBottomDlg(this);
  return okBottomDlg_;
}

TPasswordDlg* TForm1::PasswordDlg() {
  if (!passwordDlg_) passwordDlg_ = new TPasswordDlg(this);
  return passwordDlg_;
}

TAboutBox* TForm1::AboutBox() {
  if (!aboutBox_) aboutBox_ = new TAboutBox(this);
  return aboutBox_;
}

bool TForm1::ShowRuleError(const RuleError& error) {
  if (!error) return false;
  ui::ShowMessageUtf8(*error, this);
  return true;
}

void TForm1::showEvent(QShowEvent* e) {
  if (!centred_ && !e->spontaneous()) {
    centred_ = true;
    app::CenterOnScreen(this);
  }
  QMainWindow::showEvent(e);
}
