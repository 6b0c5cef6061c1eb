// Decimal texts as the record and the catalogs hold them.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "model/NumberText.h"

namespace {

struct IntCase {
  const char* text;
  std::optional<int32_t> value;
};

TEST(ParseInt, AcceptsOnlyAWholeSignedDecimal) {
  const IntCase cases[] = {
      {"7", 7},
      {"-5", -5},
      {"+5", 5},
      {" 7", 7},
      {"\t7", 7},
      {"007", 7},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"7 ", std::nullopt},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"+", std::nullopt},
      {"-", std::nullopt},
      {"+-5", std::nullopt},
      {"-+5", std::nullopt},
      {"1.0", std::nullopt},
      {"0x10", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999", std::nullopt},
      {"\x82\x50", std::nullopt},  // full-width 1
  };
  for (const auto& c : cases) EXPECT_EQ(numtext::ParseInt(c.text), c.value) << '"' << c.text << '"';
}

struct FloatCase {
  const char* text;
  std::optional<double> value;
};

TEST(ParseFloat, AcceptsOnlyAWholeFiniteDecimal) {
  const FloatCase cases[] = {
      {"0.5", 0.5},
      {"6", 6.0},
      {"-2.5", -2.5},
      {"+1.5", 1.5},
      {" 7", 7.0},
      {"7 ", std::nullopt},
      {"", std::nullopt},
      {"+-5", std::nullopt},
      {"1,5", std::nullopt},
      {"1e5", std::nullopt},
      {"inf", std::nullopt},
      {"-inf", std::nullopt},
      {"nan", std::nullopt},
      {"abc", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(numtext::ParseFloat(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(numtext::ParseFloat("1" + std::string(400, '0')), std::nullopt) << "beyond double";
}

TEST(FormatOneDecimal, AlwaysWritesOneDigitAfterThePoint) {
  EXPECT_EQ(numtext::FormatOneDecimal(-10.0f), "-10.0");
  EXPECT_EQ(numtext::FormatOneDecimal(0.5f), "0.5");
  EXPECT_EQ(numtext::FormatOneDecimal(1.0f), "1.0");
  EXPECT_EQ(numtext::FormatOneDecimal(0.0f), "0.0");
}

TEST(NumberMessages, QuoteTheOffendingTextInUtf8) {
  EXPECT_NE(numtext::NotAnIntegerMessage("\x91\xAC").find("'速'"), std::string::npos);
  EXPECT_NE(numtext::NotANumberMessage("\x91\xAC").find("'速'"), std::string::npos);
}

}  // namespace
