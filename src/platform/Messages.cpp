#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {
namespace {

const QString kProgramTitle = QStringLiteral("もんてぐら");

std::function<void(const QString&)>& Answerer() {
  static std::function<void(const QString&)> answerer;
  return answerer;
}

}  // namespace

void ShowMessage(const QString& text, QWidget* parent) {
  if (Answerer()) {
    // A copy: the answerer may replace itself.
    auto answerer = Answerer();
    answerer(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, kProgramTitle, text, QMessageBox::Ok,
                  parent ? parent : QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void ShowMessageUtf8(const std::string& text, QWidget* parent) { ShowMessage(QString::fromStdString(text), parent); }

void SetMessageAnswerer(std::function<void(const QString&)> answerer) { Answerer() = std::move(answerer); }

}  // namespace ui
