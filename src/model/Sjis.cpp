#include "model/Sjis.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ucnv_err.h>
#include <unicode/ustring.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace sjis {
namespace {

constexpr const char* kCodePage = "windows-31j";

char FoldLatin(unsigned char c) {
  return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's own substitute for an undecodable single byte is U+001A, a control
// character; messages get U+FFFD instead.
void ToUReplacementChar(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                        UConverterCallbackReason reason, UErrorCode* err) {
  if (reason > UCNV_IRREGULAR) return;  // reset, close, clone
  *err = U_ZERO_ERROR;
  static const UChar kReplacement = 0xFFFD;
  ucnv_cbToUWriteUChars(args, &kReplacement, 1, 0, err);
}

// A fresh converter per conversion: no state carries over between calls.
Converter OpenConverter(bool stopOnError) {
  UErrorCode status = U_ZERO_ERROR;
  Converter conv(ucnv_open(kCodePage, &status));
  if (U_FAILURE(status)) return nullptr;
  if (stopOnError) {
    ucnv_setToUCallBack(conv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFromUCallBack(conv.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  } else {
    ucnv_setToUCallBack(conv.get(), ToUReplacementChar, nullptr, nullptr, nullptr, &status);
  }
  if (U_FAILURE(status)) return nullptr;
  return conv;
}

std::optional<std::string> Utf16ToUtf8(const std::vector<UChar>& u16, int32_t len) {
  UErrorCode status = U_ZERO_ERROR;
  int32_t need = 0;
  u_strToUTF8(nullptr, 0, &need, u16.data(), len, &status);
  if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) return std::nullopt;
  std::string out(static_cast<std::size_t>(need), '\0');
  status = U_ZERO_ERROR;
  u_strToUTF8(out.data(), need, nullptr, u16.data(), len, &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) return std::nullopt;
  return out;
}

std::optional<std::string> Decode(std::string_view bytes, bool strict) {
  if (bytes.empty()) return std::string();
  Converter conv = OpenConverter(strict);
  if (!conv) return std::nullopt;
  std::vector<UChar> u16(bytes.size() * 2 + 4);
  UErrorCode status = U_ZERO_ERROR;
  int32_t len = ucnv_toUChars(conv.get(), u16.data(), static_cast<int32_t>(u16.size()), bytes.data(),
                              static_cast<int32_t>(bytes.size()), &status);
  if (U_FAILURE(status)) return std::nullopt;
  return Utf16ToUtf8(u16, len);
}

}  // namespace

bool EqualsIgnoreLatinCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto ca = static_cast<unsigned char>(a[i]);
    auto cb = static_cast<unsigned char>(b[i]);
    if (IsLeadByte(ca)) {
      // Lead and trail byte must match exactly.
      if (ca != cb) return false;
      if (i + 1 < a.size()) {
        ++i;
        if (a[i] != b[i]) return false;
      }
      continue;
    }
    if (FoldLatin(ca) != FoldLatin(cb)) return false;
  }
  return true;
}

bool Contains(std::string_view hay, std::string_view needle) {
  if (needle.empty()) return true;
  for (std::size_t i = 0; i + needle.size() <= hay.size();) {
    if (hay.compare(i, needle.size(), needle) == 0) return true;
    i += IsLeadByte(static_cast<unsigned char>(hay[i])) ? 2 : 1;
  }
  return false;
}

std::optional<std::string> FromUtf8(std::string_view utf8) {
  if (utf8.empty()) return std::string();
  UErrorCode status = U_ZERO_ERROR;
  int32_t len16 = 0;
  u_strFromUTF8(nullptr, 0, &len16, utf8.data(), static_cast<int32_t>(utf8.size()), &status);
  if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) return std::nullopt;
  std::vector<UChar> u16(static_cast<std::size_t>(len16) + 1);
  status = U_ZERO_ERROR;
  u_strFromUTF8(u16.data(), len16 + 1, nullptr, utf8.data(), static_cast<int32_t>(utf8.size()), &status);
  if (U_FAILURE(status)) return std::nullopt;

  Converter conv = OpenConverter(true);
  if (!conv) return std::nullopt;
  std::string out(static_cast<std::size_t>(len16) * 2 + 4, '\0');
  status = U_ZERO_ERROR;
  int32_t n = ucnv_fromUChars(conv.get(), out.data(), static_cast<int32_t>(out.size()), u16.data(), len16, &status);
  if (U_FAILURE(status)) return std::nullopt;
  out.resize(static_cast<std::size_t>(n));
  return out;
}

std::optional<std::string> ToUtf8(std::string_view bytes) { return Decode(bytes, true); }

std::string ToUtf8Lossy(std::string_view bytes) {
  auto s = Decode(bytes, false);
  return s ? *s : std::string();
}

std::string Literal(std::string_view utf8) {
  auto s = FromUtf8(utf8);
  if (!s) {
    std::fprintf(stderr, "montegura: literal has no code page 932 form: %.*s\n", static_cast<int>(utf8.size()),
                 utf8.data());
    std::abort();
  }
  return *s;
}

}  // namespace sjis
