#include "dialogs/TOKBottomDlg.h"

#include "app/WindowStyle.h"

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("OKBottomDlg"));
  setWindowTitle(QStringLiteral("警告"));
  setFont(app::WindowFont());
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
  setFixedSize(313, 112);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Bevel1->setGeometry(8, 8, 297, 65);

  const char* names[] = {"Label1", "Label2", "Label3"};
  const QString lines[] = {QStringLiteral("削除しようとしている技を前提条件としている技が"),
                           QStringLiteral("あります。"), QStringLiteral("まとめて削除しますか?")};
  ui::TLabel** labels[] = {&Label1, &Label2, &Label3};
  for (int i = 0; i < 3; ++i) {
    *labels[i] = new ui::TLabel(lines[i], this);
    (*labels[i])->setObjectName(QString::fromLatin1(names[i]));
    (*labels[i])->move(20, 16 + 16 * i);
    (*labels[i])->adjustSize();
  }

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(79, 80, 75, 25);
  OKBtn->setDefault(true);

  CancelBtn = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(159, 80, 75, 25);

  connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TOKBottomDlg::CancelBtnClick);
}

void TOKBottomDlg::FormActivate() { Confirmed = false; }

void TOKBottomDlg::OKBtnClick() {
  Confirmed = true;
  accept();
}

void TOKBottomDlg::CancelBtnClick() {
  Confirmed = false;
  QDialog::reject();
}

void TOKBottomDlg::showEvent(QShowEvent* e) {
  FormActivate();
  app::CenterOnScreen(this);
  QDialog::showEvent(e);
}

// Escape and closing the window count as Cancel.
void TOKBottomDlg::reject() { CancelBtnClick(); }
