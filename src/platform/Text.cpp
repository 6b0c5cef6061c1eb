#include "platform/Text.h"

#include "model/Sjis.h"

namespace ui {
namespace {

// Slow path for bytes the table cannot decode as a whole: decode character
// by character and show every undecodable character as U+FFFD.
QString FromSjisPerCharacter(const std::string& bytes) {
  QString out;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t len = 1;
    if (sjis::IsLeadByte(lead) && i + 1 < bytes.size()) {
      const auto trail = static_cast<unsigned char>(bytes[i + 1]);
      // A well-formed but unassigned pair is one character; a lead byte
      // followed by a non-trail byte stands alone.
      if ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC)) len = 2;
    }
    if (auto utf8 = sjis::ToUtf8(std::string_view(bytes).substr(i, len)))
      out += QString::fromStdString(*utf8);
    else
      out += QChar(QChar::ReplacementCharacter);
    i += len;
  }
  return out;
}

}  // namespace

// The core's converter (ICU's "windows-31j", a fresh converter per call)
// does the work, so the window and the core share one table.
QString FromSjis(const std::string& bytes) {
  if (auto utf8 = sjis::ToUtf8(bytes)) return QString::fromStdString(*utf8);
  return FromSjisPerCharacter(bytes);
}

std::optional<std::string> ToSjis(const QString& text) {
  // toUtf8 would quietly replace a lone surrogate.
  if (!text.isValidUtf16()) return std::nullopt;
  const QByteArray utf8 = text.toUtf8();
  return sjis::FromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

bool CanEncodeSjis(const QString& text) { return ToSjis(text).has_value(); }

std::string ToSjisLossy(const QString& text) {
  if (auto whole = ToSjis(text)) return *whole;
  std::string out;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    if (auto one = ToSjis(text.mid(i, len)))
      out += *one;
    else
      out += '?';
    i += len;
  }
  return out;
}

bool IsSjisInput(const QString& text) {
  if (CanEncodeSjis(text)) return true;
  QString rest = text;
  rest.remove(QChar(QChar::ReplacementCharacter));
  return CanEncodeSjis(rest);
}

QValidator::State TSjisValidator::validate(QString& input, int& /*pos*/) const {
  return IsSjisInput(input) ? Acceptable : Invalid;
}

}  // namespace ui
