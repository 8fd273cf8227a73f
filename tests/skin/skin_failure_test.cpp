// Each row of the skin's failure table: the failing step, and where execution goes on.
#include <gtest/gtest.h>

#include <algorithm>

#include "testbench/form1_definicion.h"
#include "testbench/skin/cargar_skin.h"
#include "tests/support/forms.h"
#include "tests/support/skin_trace.h"

namespace {

using host::memory::Call;
using host::memory::MemoryHost;
using host::memory::Operation;
using support::concat;
using support::controlLines;
using support::joined;
using support::Lines;
using support::refused;

// "F" holds, in order: text box A, check box B, command button C.
host::FormDefinition threeControls() {
  return support::formWith(u"F", {support::control(u"A", std::nullopt, u"TextBox"),
                                  support::control(u"B", std::nullopt, u"CheckBox"),
                                  support::control(u"C", std::nullopt, u"CommandButton")});
}

class CargarSkinFailure : public ::testing::Test {
 protected:
  CargarSkinFailure() : form(host.addForm(threeControls())) {}

  // Runs the skin; it must return normally whatever the host refused.
  void skin(const host::Boolean& quitar3D = host::kTrue) {
    ASSERT_NO_THROW(testbench::CargarSkin(host, form, quitar3D));
  }
  Lines trace() const { return host.trace(); }
  Lines state() const { return support::skinState(host, form); }
  // The state after a call on a host that refused nothing.
  static Lines normalState() {
    MemoryHost clean;
    const host::FormRef form = clean.addForm(threeControls());
    testbench::CargarSkin(clean, form);
    return support::skinState(clean, form);
  }
  static Lines untouchedState() {
    MemoryHost clean;
    return support::skinState(clean, clean.addForm(threeControls()));
  }
  // The lines of A, B and C as the skin treats them on an obliging host.
  static Lines a() { return controlLines("A", "TextBox", true); }
  static Lines b() { return controlLines("B", "CheckBox", true); }
  static Lines c() { return controlLines("C", "CommandButton", true); }
  // The body run once with no control: an empty type name, matching nothing.
  static Lines noControl() { return concat({{"type -"}, support::comparisonLines("")}); }

  MemoryHost host;
  host::FormRef form;
};

const std::string kAdvance = support::advanceLine("F");

TEST_F(CargarSkinFailure, RefusedColourCompositionLeavesThatColourAtZero) {
  host.refuse([](const Call& call) {
    return call.operation == Operation::Rgb && call.arguments[0] == host::Value::int32(70);
  });
  skin();
  // The button background is then assigned the colour variable as it stands: 0.
  Lines expected =
      support::markRefused(support::skinTrace(threeControls(), true), "rgb 70 130 180");
  std::replace(expected.begin(), expected.end(), std::string("set C.BackColor 11829830"),
               std::string("set C.BackColor 0"));
  EXPECT_EQ(joined(trace()), joined(expected));
}

TEST_F(CargarSkinFailure, BackgroundRefusedTheEnumerationStillRuns) {
  host.refuse(Operation::SetBackColor);
  skin();
  EXPECT_EQ(joined(trace()), joined(support::markRefused(support::skinTrace(threeControls(), true),
                                                         "backcolor F 15658219")));
  Lines expected = normalState();
  expected.front() = "form.BackColor unset";
  EXPECT_EQ(joined(state()), joined(expected));
}

TEST_F(CargarSkinFailure, CollectionRefusedRunsTheBodyOnceWithNoControl) {
  host.refuse(Operation::Controls);
  skin();
  EXPECT_EQ(joined(trace()), joined(concat({support::paletteLines(),
                                            {"backcolor F 15658219", refused("controls F")},
                                            noControl()})));
  Lines expected = untouchedState();
  expected.front() = "form.BackColor 15658219";
  EXPECT_EQ(joined(state()), joined(expected));
}

TEST_F(CargarSkinFailure, EnumerationStartRefusedRunsTheBodyOnceWithNoControl) {
  host.refuse(Operation::StartEnumeration);
  skin();
  EXPECT_EQ(joined(trace()),
            joined(concat({support::paletteLines(),
                           {"backcolor F 15658219", "controls F", refused("start F")},
                           noControl()})));
  Lines expected = untouchedState();
  expected.front() = "form.BackColor 15658219";
  EXPECT_EQ(joined(state()), joined(expected));
}

TEST_F(CargarSkinFailure, TypeNameRefusedReusesTheTypeOfTheControlBefore) {
  host.refuse(Operation::TypeName, {}, "B");
  skin();
  // B is treated as a text box, the type of A; C is treated normally.
  const Lines bAsTextBox = concat({{refused("type B")},
                                   support::comparisonLines("TextBox"),
                                   support::ruleLines("B", "TextBox", true)});
  EXPECT_EQ(joined(trace()), joined(concat({support::skinStartLines("F"),
                                            a(),
                                            {kAdvance},
                                            bAsTextBox,
                                            {kAdvance},
                                            c(),
                                            {kAdvance}})));
  EXPECT_EQ(host.property(host.control(form, u"B"), u"BorderStyle"), host::Value::int16(1));
}

TEST_F(CargarSkinFailure, TypeNameRefusedForTheFirstControlLeavesItUnchanged) {
  host.refuse(Operation::TypeName, {}, "A");
  skin();
  const Lines aUnread = concat({{refused("type A")}, support::comparisonLines("")});
  EXPECT_EQ(
      joined(trace()),
      joined(concat(
          {support::skinStartLines("F"), aUnread, {kAdvance}, b(), {kAdvance}, c(), {kAdvance}})));
  EXPECT_EQ(host.property(host.control(form, u"A"), u"BackColor"), std::nullopt);
}

TEST_F(CargarSkinFailure, RefusedComparisonCountsAsAMatch) {
  // B, a check box, fails its first comparison and so gets the text box rule.
  host.refuse([](const Call& call) {
    return call.operation == Operation::TextEquals &&
           call.arguments[0] == host::Value::text(u"CheckBox") &&
           call.arguments[1] == host::Value::text(u"TextBox");
  });
  skin();
  const Lines bAsTextBox = concat({{"type B", refused(R"(equals "CheckBox" "TextBox")")},
                                   support::ruleLines("B", "TextBox", true)});
  EXPECT_EQ(joined(trace()), joined(concat({support::skinStartLines("F"),
                                            a(),
                                            {kAdvance},
                                            bAsTextBox,
                                            {kAdvance},
                                            c(),
                                            {kAdvance}})));
}

TEST(CargarSkinFailedComparison, RefusedLastComparisonGivesAnUnknownTypeTheButtonRule) {
  MemoryHost host;
  const host::FormRef form =
      host.addForm(support::formWith(u"G", {support::control(u"L", std::nullopt, u"Label")}));
  host.refuse([](const Call& call) {
    return call.operation == Operation::TextEquals &&
           call.arguments[1] == host::Value::text(u"CommandButton");
  });
  ASSERT_NO_THROW(testbench::CargarSkin(host, form));
  const Lines expected =
      concat({support::skinStartLines("G"),
              {"type L", R"(equals "Label" "TextBox")", R"(equals "Label" "CheckBox")",
               R"(equals "Label" "OptionButton")", refused(R"(equals "Label" "CommandButton")")},
              support::ruleLines("L", "CommandButton", true),
              {"advance G"}});
  EXPECT_EQ(joined(host.trace()), joined(expected));
}

TEST_F(CargarSkinFailure, RefusedAssignmentCostsOnlyThatAssignment) {
  host.refuse(Operation::SetProperty, u"ForeColor", "C");
  host.refuse(Operation::SetProperty, u"BackColor", "A");
  host.refuse(Operation::SetProperty, u"BackColor", "C");  // the rule's last step
  skin();
  Lines expected = support::skinTrace(threeControls(), true);
  expected = support::markRefused(expected, "set A.BackColor 16777215");
  expected = support::markRefused(expected, "set C.ForeColor 16777215");
  expected = support::markRefused(expected, "set C.BackColor 11829830");
  EXPECT_EQ(joined(trace()), joined(expected));
}

TEST_F(CargarSkinFailure, RefusedQuitar3DTestCountsAsTrue) {
  host.refuse(Operation::FlagSet);
  skin(host::kFalse);
  const Lines expected =
      concat({support::skinStartLines("F"),
              {"type A", R"(equals "TextBox" "TextBox")", "set A.BackColor 16777215",
               "set A.ForeColor 3025446", refused("flag False"), "set A.BorderStyle 1",
               "set A.Appearance 0", kAdvance},
              b(),
              {kAdvance, "type C"},
              support::comparisonLines("CommandButton"),
              {"set C.ForeColor 16777215", refused("flag False"), "set C.Style 1",
               "set C.Appearance 0", "set C.BackColor 11829830", kAdvance}});
  EXPECT_EQ(joined(trace()), joined(expected));
  EXPECT_EQ(joined(state()), joined(normalState()));
}

TEST_F(CargarSkinFailure, RefusedAdvanceLeavesTheRemainingControlsAsTheyAre) {
  host.refuse([advances = 0](const Call& call) mutable {
    return call.operation == Operation::Advance && ++advances == 2;
  });
  skin();
  EXPECT_EQ(
      joined(trace()),
      joined(concat({support::skinStartLines("F"), a(), {kAdvance}, b(), {refused(kAdvance)}})));
  for (const char16_t* member : {u"BackColor", u"ForeColor", u"Style"}) {
    EXPECT_EQ(host.property(host.control(form, u"C"), member), std::nullopt);
  }
}

TEST_F(CargarSkinFailure, EveryCallRefusedStillReturnsNormally) {
  host.refuseFrom(1);
  skin();
  // Nothing was composed, so the palette stays 0; the refused comparison of the empty type
  // name counts as a match and selects the text box rule for the absent control.
  EXPECT_EQ(joined(trace()), joined({
                                 refused("rgb 235 236 238"),
                                 refused("rgb 70 130 180"),
                                 refused("rgb 255 255 255"),
                                 refused("rgb 255 255 255"),
                                 refused("rgb 38 42 46"),
                                 refused("backcolor F 0"),
                                 refused("controls F"),
                                 refused("type -"),
                                 refused(R"(equals "" "TextBox")"),
                                 refused("set -.BackColor 0"),
                                 refused("set -.ForeColor 0"),
                                 refused("flag True"),
                                 refused("set -.BorderStyle 1"),
                                 refused("set -.Appearance 0"),
                             }));
  EXPECT_EQ(joined(state()), joined(untouchedState()));
}

TEST_F(CargarSkinFailure, EveryAssignmentRefusedStillVisitsEveryControl) {
  host.refuse(Operation::SetProperty);
  skin();
  Lines expected = support::skinTrace(threeControls(), true);
  for (std::string& line : expected) {
    if (line.starts_with("set ")) line = refused(line);
  }
  EXPECT_EQ(joined(trace()), joined(expected));
  Lines untouched = untouchedState();
  untouched.front() = "form.BackColor 15658219";
  EXPECT_EQ(joined(state()), joined(untouched));
}

TEST(CargarSkinEmptyForm, ChangesNothingAndDoesNotCrash) {
  MemoryHost host;
  const host::FormRef form1 = host.addForm(testbench::DefinicionForm1());
  const Lines before = support::skinState(host, form1);

  ASSERT_NO_THROW(testbench::CargarSkin(host, host::FormRef{}));

  EXPECT_EQ(joined(support::skinState(host, form1)), joined(before));
  EXPECT_EQ(joined(host.trace()),
            joined(concat({support::paletteLines(),
                           {support::failed("backcolor - 15658219", "no object"),
                            support::failed("controls -", "no object"), "type -"},
                           support::comparisonLines("")})));
}

}  // namespace
