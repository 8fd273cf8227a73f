#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <locale>
#include <random>
#include <string>

#include "host/error.h"
#include "host/memory/memory_host.h"
#include "host/value.h"
#include "tests/support/error_of.h"
#include "tests/support/printers.h"

namespace {

using host::ErrorCode;
using host::HostError;
using host::Value;

using support::errorOf;

TEST(ValueConversion, WideningAndInRangeNarrowingKeepTheValue) {
  EXPECT_EQ(Value::int16(-32768).asInt32(), -32768);
  EXPECT_EQ(Value::int16(32767).asInt32(), 32767);
  EXPECT_EQ(Value::int32(32767).asInt16(), 32767);
  EXPECT_EQ(Value::int32(-32768).asInt16(), -32768);
  EXPECT_EQ(Value::int16(-5).asNumber(), -5.0);
  EXPECT_EQ(Value::number(2400).asInt16(), 2400);
  EXPECT_EQ(Value::number(-70000).asInt32(), -70000);
}

TEST(ValueConversion, BooleanBecomesItsFlagValue) {
  EXPECT_EQ(Value::boolean(true).asInt16(), -1);
  EXPECT_EQ(Value::boolean(false).asInt16(), 0);
  EXPECT_EQ(Value::boolean(true).asInt32(), -1);
  EXPECT_EQ(Value::boolean(host::Boolean{5}).asBoolean().raw, 5);
  EXPECT_TRUE(static_cast<bool>(host::Boolean{5}));
}

TEST(ValueConversion, OutOfRangeIsOverflow) {
  EXPECT_EQ(errorOf([] { Value::int32(32768).asInt16(); }), ErrorCode::Overflow);
  EXPECT_EQ(errorOf([] { Value::int32(-32769).asInt16(); }), ErrorCode::Overflow);
  EXPECT_EQ(errorOf([] { Value::number(40000).asInt16(); }), ErrorCode::Overflow);
  EXPECT_EQ(errorOf([] { Value::number(3e9).asInt32(); }), ErrorCode::Overflow);
  EXPECT_EQ(errorOf([] { Value::number(1e19).asInt32(); }), ErrorCode::Overflow);
}

TEST(ValueConversion, WhatWouldLoseInformationIsTypeMismatch) {
  EXPECT_EQ(errorOf([] { Value::text(u"5").asInt16(); }), ErrorCode::TypeMismatch);
  EXPECT_EQ(errorOf([] { Value::text(u"5").asInt32(); }), ErrorCode::TypeMismatch);
  EXPECT_EQ(errorOf([] { Value::text(u"5").asNumber(); }), ErrorCode::TypeMismatch);
  EXPECT_EQ(errorOf([] { Value::number(2.5).asInt16(); }), ErrorCode::TypeMismatch);
  EXPECT_EQ(errorOf([] { Value::int16(7).asText(); }), ErrorCode::TypeMismatch);
  // An integer is not taken for a flag.
  EXPECT_EQ(errorOf([] { Value::int16(-1).asBoolean(); }), ErrorCode::TypeMismatch);
  EXPECT_EQ(errorOf([] { Value::int32(0).asBoolean(); }), ErrorCode::TypeMismatch);
}

TEST(ValueConversion, ValuesOfDifferentKindsAreNotEqual) {
  EXPECT_NE(Value::int16(1), Value::int32(1));
  EXPECT_EQ(Value::int32(1), Value::int32(1));
  EXPECT_EQ(Value().kind(), host::ValueKind::Int16);
}

TEST(ValueDescription, ShowsEachKindReadably) {
  EXPECT_EQ(host::describe(Value::text(u"Año")), "\"Año\"");
  EXPECT_EQ(host::describe(Value::int16(-1)), "-1");
  EXPECT_EQ(host::describe(Value::int32(16777215)), "16777215");
  EXPECT_EQ(host::describe(Value::boolean(true)), "True");
  EXPECT_EQ(host::describe(Value::boolean(false)), "False");
  EXPECT_EQ(host::describe(Value::number(2401)), "2401");
  EXPECT_EQ(host::describe(Value::number(-0.5)), "-0.5");
  // Small fractions keep their digits rather than collapsing to 0.
  EXPECT_EQ(host::describe(Value::number(0.0000001)), "0.0000001");
}

// Numbers are described by the fewest digits that read back, as to_chars gives them, over the
// magnitudes the program meets.
TEST(ValueDescription, DescribesNumbersByTheFewestDigitsThatReadBack) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  for (int i = 0; i < 100000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, i % 24 - 10);
    char expected[400];
    const auto end =
        std::to_chars(expected, expected + sizeof expected, value, std::chars_format::fixed);
    ASSERT_EQ(host::describe(Value::number(value)), std::string(expected, end.ptr));
  }
  EXPECT_EQ(host::describe(Value::number(-0.0)), "-0");
  EXPECT_EQ(host::describe(Value::number(0.1)), "0.1");
  EXPECT_EQ(host::describe(Value::number(100)), "100");
}

// A desktop whose locale writes numbers with a decimal comma, as Qt takes it from the
// environment when it starts: the C library's (printf, strtod) and the C++ streams' alike.
class InADecimalCommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"de_DE.UTF-8", "German_Germany.1252"}) {
      if (std::setlocale(LC_ALL, name)) break;
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",")
        << "no locale with a decimal comma: generate de_DE.UTF-8 (the locales package)";
    // The locale owns its facets and deletes them.
    std::locale::global(std::locale(std::locale::classic(), new DecimalComma));
  }
  void TearDown() override {
    std::locale::global(savedStreams_);
    std::setlocale(LC_ALL, savedLibrary_.c_str());
  }

 private:
  struct DecimalComma final : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::string savedLibrary_ = std::setlocale(LC_ALL, nullptr);
  const std::locale savedStreams_;
};

// -2401 written "-2,401e+03" by printf must not come out "-2,40.1", nor 2.5 as "2,5".
TEST_F(InADecimalCommaLocale, NumbersInMessagesAndTracesAreWrittenWithAPoint) {
  using Convert = void (*)();
  struct Refusal {
    Convert convert;
    const char* message;
  };
  const Refusal refusals[] = {
      {[] { Value::number(2.5).asInt16(); }, "type mismatch: 2.5 is not a whole 16-bit integer"},
      {[] { Value::number(-2401.75).asInt32(); },
       "type mismatch: -2401.75 is not a whole 32-bit integer"},
      {[] { Value::number(1e19).asInt32(); },
       "overflow: 10000000000000000000 does not fit a 32-bit integer"},
  };
  for (const Refusal& refusal : refusals) {
    try {
      refusal.convert();
      ADD_FAILURE() << "not refused: " << refusal.message;
    } catch (const HostError& error) {
      EXPECT_STREQ(error.what(), refusal.message);
    }
  }
  host::memory::Call move;
  move.operation = host::memory::Operation::CallMethod;
  move.target = "Command1(3)";
  move.member = u"Move";
  move.arguments = {Value::number(-2401), Value::number(0.5)};
  EXPECT_EQ(host::memory::describe(move), "call Command1(3).Move -2401 0.5");
  EXPECT_EQ(host::describe(Value::number(-240.1)), "-240.1");
  EXPECT_EQ(host::describe(Value::number(0.0000001)), "0.0000001");
}

TEST(SystemColor, SetsTheTopBit) {
  EXPECT_EQ(static_cast<std::uint32_t>(host::systemColor(15)), 0x8000000Fu);
  EXPECT_EQ(static_cast<std::uint32_t>(host::systemColor(18)), 0x80000012u);
}

}  // namespace
