// The warning shown before a technique is removed together with the
// techniques that build on it.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QPushButton>

#include "platform/Controls.h"

class TOKBottomDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TOKBottomDlg(QWidget* parent = nullptr);

  QFrame* Bevel1;
  ui::TLabel* Label1;
  ui::TLabel* Label2;
  ui::TLabel* Label3;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

  // True only when the last showing ended with OK.
  bool Confirmed = false;

  void FormActivate();
  void OKBtnClick();
  void CancelBtnClick();

 protected:
  void showEvent(QShowEvent* e) override;
  void reject() override;
};
