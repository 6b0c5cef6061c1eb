#include "model/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/Sjis.h"

namespace numtext {
namespace {

std::string_view SkipLeadingBlanks(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  return t;
}

}  // namespace

std::optional<int32_t> ParseInt(std::string_view text) {
  std::string_view t = SkipLeadingBlanks(text);
  if (!t.empty() && t.front() == '+') {
    t.remove_prefix(1);
    if (t.empty() || t.front() < '0' || t.front() > '9') return std::nullopt;
  }
  if (t.empty()) return std::nullopt;
  int32_t v = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  return v;
}

std::optional<double> ParseFloat(std::string_view text) {
  std::string_view t = SkipLeadingBlanks(text);
  if (!t.empty() && t.front() == '+') {
    t.remove_prefix(1);
    if (t.empty() || t.front() < '0' || t.front() > '9') return std::nullopt;
  }
  if (t.empty()) return std::nullopt;
  double v = 0;
  auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::fixed);
  if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
  // from_chars also takes "inf" and "nan"; neither is a number a record holds.
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

std::string FormatInt(int32_t v) { return std::to_string(v); }

std::string FormatOneDecimal(float v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.1f", static_cast<double>(v));
  return buf;
}

namespace {
// Built with append: GCC 12 warns falsely (-Wrestrict) on "'" + s + "...".
std::string QuotedMessage(std::string_view text, std::string_view tail) {
  std::string m = "'";
  m.append(sjis::ToUtf8Lossy(text));
  m.append("' ");
  m.append(tail);
  return m;
}
}  // namespace

std::string NotAnIntegerMessage(std::string_view text) { return QuotedMessage(text, "は有効な整数値ではありません"); }

std::string NotANumberMessage(std::string_view text) {
  return QuotedMessage(text, "は有効な浮動小数点数値ではありません");
}

}  // namespace numtext
