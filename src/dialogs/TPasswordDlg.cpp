#include "dialogs/TPasswordDlg.h"

#include "app/WindowStyle.h"

TPasswordDlg::TPasswordDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PasswordDlg"));
  setFont(app::WindowFont());
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint);
  setFixedSize(233, 50);

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setGeometry(8, 16, 217, 16);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
}

void TPasswordDlg::showEvent(QShowEvent* e) {
  app::CenterOnScreen(this);
  QDialog::showEvent(e);
}
