#include "dialogs/TOKRightDlg.h"

#include "app/WindowStyle.h"

TOKRightDlg::TOKRightDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("OKRightDlg"));
  setWindowTitle(QStringLiteral("技を選択"));
  setFont(app::WindowFont());
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
  setFixedSize(307, 161);

  Label1 = new ui::TLabel(QStringLiteral("技を選択"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->move(8, 8);
  Label1->adjustSize();

  ListBox1 = new ui::TListBox(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setGeometry(8, 24, 209, 129);

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setGeometry(224, 24, 75, 25);
  OKBtn->setDefault(true);

  CancelBtn = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(224, 56, 75, 25);

  connect(OKBtn, &QPushButton::clicked, this, &TOKRightDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TOKRightDlg::CancelBtnClick);
}

// Every showing starts cancelled, so an earlier choice never carries over.
void TOKRightDlg::FormActivate() { Cancelled = true; }

void TOKRightDlg::OKBtnClick() {
  int i = ListBox1->ItemIndex();
  if (i >= 0) {
    ChosenName = ListBox1->ItemText(i);
    Cancelled = false;
  }
  accept();
}

void TOKRightDlg::CancelBtnClick() {
  Cancelled = true;
  QDialog::reject();
}

void TOKRightDlg::showEvent(QShowEvent* e) {
  FormActivate();
  app::CenterOnScreen(this);
  QDialog::showEvent(e);
}

void TOKRightDlg::reject() { CancelBtnClick(); }
