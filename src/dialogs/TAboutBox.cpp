#include "dialogs/TAboutBox.h"

#include <QPixmap>

#include "app/ProgramIcon.h"
#include "app/WindowStyle.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
  setFont(app::WindowFont());
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
  setFixedSize(298, 126);

  // A lowered outer bevel around a raised inner one.
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(1);
  Panel1->setGeometry(8, 8, 281, 65);
  auto* inner = new QFrame(Panel1);
  inner->setObjectName(QStringLiteral("Panel1InnerBevel"));
  inner->setFrameStyle(QFrame::Panel | QFrame::Raised);
  inner->setLineWidth(1);
  inner->setGeometry(1, 1, 279, 63);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setGeometry(8, 8, 41, 41);
  ProgramIcon->setScaledContents(true);
  ProgramIcon->setPixmap(QPixmap::fromImage(app::ProgramIcon()));

  ProductName = new ui::TLabel(QStringLiteral("もんてぐら"), Panel1);
  ProductName->setObjectName(QStringLiteral("ProductName"));
  ProductName->move(56, 16);
  ProductName->adjustSize();

  Version = new ui::TLabel(QStringLiteral("Ver 1.1"), Panel1);
  Version->setObjectName(QStringLiteral("Version"));
  Version->move(120, 16);
  Version->adjustSize();

  Comments = new ui::TLabel(QStringLiteral("GURPS ロープ★スパーク用エディタ"), Panel1);
  Comments->setObjectName(QStringLiteral("Comments"));
  Comments->move(56, 40);
  Comments->adjustSize();

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(111, 84, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::OKButtonClick() { accept(); }

void TAboutBox::showEvent(QShowEvent* e) {
  app::CenterOnScreen(this);
  QDialog::showEvent(e);
}
