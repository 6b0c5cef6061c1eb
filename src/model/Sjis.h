// Code page 932 (Shift-JIS) helpers for the core.
//
// Everything the record, the catalogs and the files hold is code page 932
// bytes. The core converts only program literals (names the rules
// recognise, headings, file texts) and, where a message quotes record text,
// that text; it never re-encodes user data.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sjis {

// True for a byte that starts a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Equality that ignores the case of ASCII Latin letters only, and never
// folds the trail byte of a double-byte character (trail bytes 0x40-0x7E
// overlap ASCII letters).
bool EqualsIgnoreLatinCase(std::string_view a, std::string_view b);

// True when `needle` occurs in `hay` starting at a character boundary
// (never inside a double-byte character).
bool Contains(std::string_view hay, std::string_view needle);

// UTF-8 -> code page 932. Returns nullopt when a character has no
// code page 932 form or the input is not valid UTF-8.
std::optional<std::string> FromUtf8(std::string_view utf8);

// Code page 932 -> UTF-8. Returns nullopt for bytes the table cannot decode.
std::optional<std::string> ToUtf8(std::string_view bytes);

// Code page 932 -> UTF-8 for messages: undecodable bytes become U+FFFD.
std::string ToUtf8Lossy(std::string_view bytes);

// A program literal in code page 932. The literal must be convertible;
// a literal that is not is a programming error and aborts.
std::string Literal(std::string_view utf8);

}  // namespace sjis
