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
// Encodes for the record; a character with no code page 932 form (only the
// U+FFFD shown for undecodable bytes can get this far) becomes "?".
std::string ToSjisLossy(const QString& text);
// True when typing or pasting `text` is allowed: every character has a
// code page 932 form or is the U+FFFD that marks undecodable record bytes
// (so a text holding them stays editable).
bool IsSjisInput(const QString& text);

// Refuses input that code page 932 cannot hold (an emoji, "〜" U+301C).
// U+FFFD passes: it marks undecodable record bytes already shown.
class TSjisValidator : public QValidator {
  Q_OBJECT
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

}  // namespace ui
