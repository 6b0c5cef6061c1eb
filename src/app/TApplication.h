// The application object: a QApplication that shows an exception escaping
// an event handler in a message box and goes on, as the classic toolkit's
// default handler does, instead of letting it end the program.
#pragma once

#include <QApplication>

class TApplication : public QApplication {
  Q_OBJECT
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};
