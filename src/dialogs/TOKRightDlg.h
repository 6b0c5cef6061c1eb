// The technique picker: a list of technique names, OK and Cancel on the
// right. The caller fills ListBox1 before each showing.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <string>

#include "platform/Controls.h"

class TOKRightDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TOKRightDlg(QWidget* parent = nullptr);

  ui::TLabel* Label1;
  ui::TListBox* ListBox1;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

  // The name chosen with OK (code page 932), and whether the last showing
  // ended without a choice.
  std::string ChosenName;
  bool Cancelled = true;

  void FormActivate();
  void OKBtnClick();
  void CancelBtnClick();

 protected:
  void showEvent(QShowEvent* e) override;
  void reject() override;
};
