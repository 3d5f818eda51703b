#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "platform/StrToInt.h"

TEST(StrToInt, AcceptsDecimalHexadecimalSignsAndLeadingBlanks) {
  const struct {
    const char* text;
    int value;
  } cases[] = {
      {"0", 0},         {"12", 12},       {"-5", -5},          {"+7", 7},
      {"  42", 42},     {" -3", -3},      {"$1F", 31},         {"0x1f", 31},
      {"0X10", 16},     {"-$10", -16},    {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},   {"$7FFFFFFF", 2147483647},
      {"007", 7},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToInt(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(StrToInt, RejectsEverythingElseNamingTheText) {
  const char* const bad[] = {"",     " ",   "12 ",  "1 2",  "abc",        "12a",
                             "$",    "0x",  "+",    "-",    "2147483648", "-2147483649",
                             "1.5",  "\t1", "$G1",  "99999999999"};
  for (const char* text : bad) {
    int value = 0;
    EXPECT_FALSE(TryStrToInt(QString::fromLatin1(text), value)) << '"' << text << '"';
  }
  try {
    StrToInt(QStringLiteral("12 "));
    FAIL() << "no error raised";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("'12 ' is not a valid integer value"));
  }
}
