// Every message box of the program goes through here: modal, OK only, the
// fixed text. Tests install an answerer that receives the text instead.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace ui {

void ShowMessage(const QString& text, QWidget* parent = nullptr);
// UTF-8 message from the core.
void ShowMessageUtf8(const std::string& text, QWidget* parent = nullptr);

// While set, ShowMessage calls `answerer` with the text and shows nothing.
// Pass an empty function to show real boxes again.
void SetMessageAnswerer(std::function<void(const QString&)> answerer);

}  // namespace ui
