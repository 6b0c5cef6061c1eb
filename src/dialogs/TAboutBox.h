// The version-information window.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/Controls.h"

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QFrame* Panel1;
  QLabel* ProgramIcon;
  ui::TLabel* ProductName;
  ui::TLabel* Version;
  ui::TLabel* Comments;
  QPushButton* OKButton;

  void OKButtonClick();

 protected:
  void showEvent(QShowEvent* e) override;
};
