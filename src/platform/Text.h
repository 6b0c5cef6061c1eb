// Code page 932 at the window's edge: Qt strings <-> record bytes.
#pragma once

#include <QString>
#include <QValidator>
#include <optional>
#include <string>

namespace ui {

// Decodes code page 932 bytes for display; undecodable bytes show as U+FFFD.
QString FromSjis(const std::string& bytes);
// Encodes for the record; nullopt when a character has no code page 932 form.
std::optional<std::string> ToSjis(const QString& text);
bool CanEncodeSjis(const QString& text);

// Refuses input that code page 932 cannot hold (an emoji, "〜" U+301C).
class TSjisValidator : public QValidator {
  Q_OBJECT
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

}  // namespace ui
