#include <gtest/gtest.h>

#include "host/error.h"
#include "host/forms_host.h"
#include "tests/support/error_of.h"
#include "tests/support/printers.h"

namespace {

using host::ErrorCode;
using host::HostError;

using support::errorOf;

TEST(CheckedAdd, AddsWithinSixteenBits) {
  EXPECT_EQ(host::checkedAdd(9, 1), 10);
  EXPECT_EQ(host::checkedAdd(32766, 1), 32767);
  EXPECT_EQ(host::checkedAdd(-32767, -1), -32768);
  EXPECT_EQ(host::checkedAdd(32767, -32768), -1);
}

TEST(CheckedAdd, RaisesOverflowInsteadOfWrapping) {
  EXPECT_EQ(errorOf([] { host::checkedAdd(32767, 1); }), ErrorCode::Overflow);
  EXPECT_EQ(errorOf([] { host::checkedAdd(-32768, -1); }), ErrorCode::Overflow);
  EXPECT_EQ(errorOf([] { host::checkedAdd(20000, 20000); }), ErrorCode::Overflow);
}

TEST(ComposeRgb, PutsRedLowestAndBlueHighest) {
  EXPECT_EQ(host::composeRgb(235, 236, 238), 15658219);
  EXPECT_EQ(host::composeRgb(70, 130, 180), 0x00B48246);
  EXPECT_EQ(host::composeRgb(38, 42, 46), 3025446);
  EXPECT_EQ(host::composeRgb(255, 255, 255), 0x00FFFFFF);
  EXPECT_EQ(host::composeRgb(0, 0, 0), 0);
  EXPECT_EQ(host::composeRgb(1, 0, 0), 1);
  EXPECT_EQ(host::composeRgb(0, 1, 0), 256);
  EXPECT_EQ(host::composeRgb(0, 0, 1), 65536);
}

TEST(ComposeRgb, RefusesComponentsOutsideAByte) {
  EXPECT_EQ(errorOf([] { host::composeRgb(256, 0, 0); }), ErrorCode::InvalidValue);
  EXPECT_EQ(errorOf([] { host::composeRgb(0, -1, 0); }), ErrorCode::InvalidValue);
  EXPECT_EQ(errorOf([] { host::composeRgb(0, 0, 1000); }), ErrorCode::InvalidValue);
}

}  // namespace
