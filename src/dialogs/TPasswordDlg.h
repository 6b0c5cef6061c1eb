// The progress window shown while the portrait block is saved or loaded.
// No buttons; its caption is set each time it is shown.
#pragma once

#include <QDialog>
#include <QProgressBar>

class TPasswordDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TPasswordDlg(QWidget* parent = nullptr);

  QProgressBar* ProgressBar1;

 protected:
  void showEvent(QShowEvent* e) override;
};
