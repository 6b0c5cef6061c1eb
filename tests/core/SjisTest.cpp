// Code page 932 helpers: conversion at the edges and the Latin-only
// case-insensitive comparison that must never fold a trail byte.
#include <gtest/gtest.h>

#include <string>

#include "model/Sjis.h"

namespace {

TEST(SjisConvert, FromUtf8UsesTheWindowsTable) {
  EXPECT_EQ(sjis::FromUtf8("～"), std::string("\x81\x60"));
  EXPECT_EQ(sjis::FromUtf8("①"), std::string("\x87\x40"));
  EXPECT_EQ(sjis::FromUtf8("ア"), std::string("\x83\x41"));
  EXPECT_EQ(sjis::FromUtf8("ｱ"), std::string("\xB1"));
  EXPECT_EQ(sjis::FromUtf8("Judo 12"), std::string("Judo 12"));
  EXPECT_EQ(sjis::FromUtf8(""), std::string());
}

TEST(SjisConvert, FromUtf8RefusesWhatCodePage932CannotHold) {
  EXPECT_EQ(sjis::FromUtf8("〜"), std::nullopt);            // U+301C, not the full-width tilde
  EXPECT_EQ(sjis::FromUtf8("技\xF0\x9F\x98\x80"), std::nullopt);  // an emoji after a kanji
  EXPECT_EQ(sjis::FromUtf8("\xFF"), std::nullopt);           // not UTF-8 at all
}

TEST(SjisConvert, ToUtf8DecodesAndRefusesBrokenBytes) {
  EXPECT_EQ(sjis::ToUtf8("\x81\x60"), std::string("～"));
  EXPECT_EQ(sjis::ToUtf8("\x87\x40"), std::string("①"));
  EXPECT_EQ(sjis::ToUtf8("\x83\x89\x83\x93"), std::string("ラン"));
  EXPECT_EQ(sjis::ToUtf8(""), std::string());
  EXPECT_EQ(sjis::ToUtf8("\x83"), std::nullopt);     // lead byte without its trail
  EXPECT_EQ(sjis::ToUtf8("a\x80z"), std::nullopt);   // 0x80 is not in the table
}

TEST(SjisConvert, LossyDecodingKeepsTheRestOfAMessage) {
  std::string s = sjis::ToUtf8Lossy("a\x80z");
  EXPECT_EQ(s.front(), 'a');
  EXPECT_EQ(s.back(), 'z');
  EXPECT_NE(s.find("\xEF\xBF\xBD"), std::string::npos) << s;  // U+FFFD
}

TEST(SjisConvert, LiteralGivesTheCodePage932Bytes) {
  EXPECT_EQ(sjis::Literal("頑強"), std::string("\x8A\xE6\x8B\xAD"));
}

struct EqualsCase {
  const char* a;
  const char* b;
  bool equal;
  const char* why;
};

TEST(SjisEqualsIgnoreLatinCase, FoldsAsciiLettersOnly) {
  const EqualsCase cases[] = {
      {"Judo", "JUDO", true, "ASCII letters fold"},
      {"Judo", "Jud0", false, "different characters"},
      {"Judo", "Judo ", false, "different lengths"},
      {"", "", true, "empty texts"},
      {"\x83\x41", "\x83\x61", false, "ア and ャ differ only in a letter-range trail byte"},
      {"\x83\x41" "b", "\x83\x61" "B", false, "the trail byte must not fold even with a letter after it"},
      {"\x83\x41" "b", "\x83\x41" "B", true, "an ASCII letter after a double-byte character folds"},
      {"\x82\x60", "\x82\x81", false, "full-width Ａ and ａ are different double-byte codes"},
      {"\xB1" "A", "\xB1" "a", true, "a half-width katakana is one byte; the letter after it folds"},
      {"\x5B", "\x7B", false, "[ and { are not letters"},
      {"\x40", "\x60", false, "@ and ` are not letters"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sjis::EqualsIgnoreLatinCase(c.a, c.b), c.equal) << c.why;
    EXPECT_EQ(sjis::EqualsIgnoreLatinCase(c.b, c.a), c.equal) << c.why << " (swapped)";
  }
}

TEST(SjisContains, MatchesOnlyAtCharacterBoundaries) {
  EXPECT_TRUE(sjis::Contains(sjis::Literal("@@@@ 医学系 @@@@"), "@@@@"));
  EXPECT_TRUE(sjis::Contains("ab@@@@", "@@@@"));
  EXPECT_TRUE(sjis::Contains("anything", ""));
  EXPECT_FALSE(sjis::Contains("@@@", "@@@@"));
  // "ァ" is 0x83 0x40: its trail byte is an "@", so the bytes hold "@@@@"
  // although the text holds only three.
  EXPECT_FALSE(sjis::Contains("\x83\x40@@@", "@@@@"));
  EXPECT_TRUE(sjis::Contains("\x83\x40@@@@", "@@@@"));
}

}  // namespace
