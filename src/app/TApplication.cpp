#include "app/TApplication.h"

#include <exception>

#include "platform/Messages.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ui::ShowMessageUtf8(e.what());
  } catch (...) {
    ui::ShowMessageUtf8("予期しないエラーが発生しました");
  }
  return false;
}
