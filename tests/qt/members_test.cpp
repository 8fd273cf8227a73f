#include <gtest/gtest.h>

#include <string>

#include "host/qt/members.h"

namespace {

using host::qt::ControlType;
using host::qt::membersOf;

constexpr ControlType kTypes[] = {ControlType::CommandButton, ControlType::TextBox,
                                  ControlType::CheckBox, ControlType::OptionButton};

constexpr const char16_t* kCommon[] = {u"Name",      u"Index",     u"Left",     u"Top",
                                       u"Width",     u"Height",    u"Enabled",  u"Visible",
                                       u"BackColor", u"ForeColor", u"TabIndex", u"Appearance"};

// Names that share a length and first and last letters with real members, or differ only in
// case or by one letter, must not be taken for them.
constexpr const char16_t* kNearMisses[] = {u"name",      u"NAME",       u"Nome", u"BackColoR",
                                           u"BackCoLor", u"ForeColour", u"Lift", u"TabIndeX",
                                           u"Style ",    u"",           u"N",    u"BorderStylE"};

TEST(MemberTables, FindEveryCommonMemberOfEveryType) {
  for (const ControlType type : kTypes) {
    for (const char16_t* name : kCommon) {
      EXPECT_NE(membersOf(type).properties.find(name), nullptr)
          << host::toUtf8(name) << " of type " << static_cast<int>(type);
    }
    EXPECT_NE(membersOf(type).methods.find(u"Refresh"), nullptr);
    EXPECT_NE(membersOf(type).methods.find(u"Move"), nullptr);
  }
}

TEST(MemberTables, KeepEachTypesOwnMembersToThatType) {
  EXPECT_NE(membersOf(ControlType::CommandButton).properties.find(u"Style"), nullptr);
  EXPECT_EQ(membersOf(ControlType::TextBox).properties.find(u"Style"), nullptr);
  EXPECT_NE(membersOf(ControlType::TextBox).properties.find(u"BorderStyle"), nullptr);
  EXPECT_EQ(membersOf(ControlType::CheckBox).properties.find(u"BorderStyle"), nullptr);
  EXPECT_NE(membersOf(ControlType::CheckBox).properties.find(u"Value"), nullptr);
  EXPECT_EQ(membersOf(ControlType::CommandButton).properties.find(u"Value"), nullptr);
}

TEST(MemberTables, TakeNoNearMissForAMember) {
  for (const ControlType type : kTypes) {
    for (const char16_t* name : kNearMisses) {
      EXPECT_EQ(membersOf(type).properties.find(name), nullptr) << host::toUtf8(name);
      EXPECT_EQ(membersOf(type).methods.find(name), nullptr) << host::toUtf8(name);
    }
  }
}

// The name the program passes need not be the table's own text: a copy in a buffer of its own
// finds the same member.
TEST(MemberTables, FindAMemberByItsLettersNotWhereTheyAreStored) {
  const host::Text copy = host::Text(u"Back") + u"Color";
  EXPECT_EQ(membersOf(ControlType::CommandButton).properties.find(copy),
            membersOf(ControlType::CommandButton).properties.find(u"BackColor"));
}

}  // namespace
