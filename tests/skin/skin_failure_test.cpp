// Each row of the skin's failure table: the failing step, and where execution goes on.
#include <gtest/gtest.h>

#include "testbench/form1_definicion.h"
#include "testbench/skin/cargar_skin.h"
#include "tests/support/forms.h"
#include "tests/support/oracle.h"

namespace {

using host::memory::MemoryHost;
using support::joined;
using support::lineIs;
using support::LineRule;
using support::Lines;
using support::refused;
using support::startsWith;

// "F" holds, in order: text box A, check box B, command button C.
host::FormDefinition threeControls() {
  return support::formWith(u"F", {support::control(u"A", std::nullopt, u"TextBox"),
                                  support::control(u"B", std::nullopt, u"CheckBox"),
                                  support::control(u"C", std::nullopt, u"CommandButton")});
}

class CargarSkinFailure : public ::testing::Test {
 protected:
  CargarSkinFailure() : form(host.addForm(threeControls())) {}

  // Runs the skin on a host that refuses the calls `rule` names: it must return normally, and
  // its calls must be the oracle's under the same refusals.
  void skinRefusing(const LineRule& rule, bool quitar3D = true) {
    support::refuseLines(host, rule);
    ASSERT_NO_THROW(testbench::CargarSkin(host, form, host::Boolean::of(quitar3D)));
    const std::string trace = joined(host.trace());
    EXPECT_NE(trace.find(" !refused"), std::string::npos) << "the rule named no call";
    EXPECT_EQ(trace, joined(support::skinTrace(threeControls(), quitar3D, rule)));
  }
  std::optional<host::Value> property(const char16_t* name, const char16_t* member) const {
    return host.property(host.control(form, name), member);
  }
  Lines state() const { return support::skinState(host, form); }
  // The state after a call on a host that refused nothing.
  static Lines normalState() {
    MemoryHost clean;
    const host::FormRef form = clean.addForm(threeControls());
    testbench::CargarSkin(clean, form);
    return support::skinState(clean, form);
  }
  // The state of a form the skin has given only its background.
  static Lines backgroundOnlyState() {
    MemoryHost clean;
    Lines lines = support::skinState(clean, clean.addForm(threeControls()));
    lines.front() = "form.BackColor 15658219";
    return lines;
  }

  MemoryHost host;
  host::FormRef form;
};

TEST_F(CargarSkinFailure, RefusedColourCompositionLeavesThatColourAtZero) {
  skinRefusing(lineIs("rgb 70 130 180"));
  // The button background is then assigned the colour variable as it stands.
  EXPECT_EQ(property(u"C", u"BackColor"), host::Value::int32(0));
}

TEST_F(CargarSkinFailure, BackgroundRefusedTheEnumerationStillRuns) {
  skinRefusing(startsWith("backcolor "));
  Lines expected = normalState();
  expected.front() = "form.BackColor unset";
  EXPECT_EQ(joined(state()), joined(expected));
}

TEST_F(CargarSkinFailure, CollectionRefusedRunsTheBodyOnceWithNoControl) {
  skinRefusing(startsWith("controls "));
  EXPECT_EQ(joined(state()), joined(backgroundOnlyState()));
}

TEST_F(CargarSkinFailure, EnumerationStartRefusedRunsTheBodyOnceWithNoControl) {
  skinRefusing(startsWith("start "));
  EXPECT_EQ(joined(state()), joined(backgroundOnlyState()));
}

TEST_F(CargarSkinFailure, TypeNameRefusedReusesTheTypeOfTheControlBefore) {
  skinRefusing(lineIs("type B"));
  // B is treated as a text box, the type of A.
  EXPECT_EQ(property(u"B", u"BorderStyle"), host::Value::int16(1));
}

TEST_F(CargarSkinFailure, TypeNameRefusedForTheFirstControlLeavesItUnchanged) {
  skinRefusing(lineIs("type A"));
  EXPECT_EQ(property(u"A", u"BackColor"), std::nullopt);
}

TEST_F(CargarSkinFailure, RefusedComparisonCountsAsAMatch) {
  // B, a check box, fails its first comparison and so gets the text box rule.
  skinRefusing(lineIs(R"(equals "CheckBox" "TextBox")"));
  EXPECT_EQ(property(u"B", u"BorderStyle"), host::Value::int16(1));
}

TEST(CargarSkinFailedComparison, RefusedLastComparisonGivesAnUnknownTypeTheButtonRule) {
  MemoryHost host;
  const host::FormDefinition label =
      support::formWith(u"G", {support::control(u"L", std::nullopt, u"Label")});
  const host::FormRef form = host.addForm(label);
  const LineRule rule = lineIs(R"(equals "Label" "CommandButton")");
  support::refuseLines(host, rule);
  ASSERT_NO_THROW(testbench::CargarSkin(host, form));
  EXPECT_EQ(joined(host.trace()), joined(support::skinTrace(label, true, rule)));
  EXPECT_EQ(host.property(host.control(form, u"L"), u"Style"), host::Value::int16(1));
}

TEST_F(CargarSkinFailure, RefusedAssignmentCostsOnlyThatAssignment) {
  skinRefusing(support::anyOf({startsWith("set C.ForeColor "), startsWith("set A.BackColor "),
                               startsWith("set C.BackColor ")}));  // the rule's last step
}

TEST_F(CargarSkinFailure, RefusedQuitar3DTestCountsAsTrue) {
  skinRefusing(startsWith("flag "), false);
  EXPECT_EQ(joined(state()), joined(normalState()));
}

TEST_F(CargarSkinFailure, RefusedAdvanceLeavesTheRemainingControlsAsTheyAre) {
  skinRefusing(support::nth(startsWith("advance "), 2));
  for (const char16_t* member : {u"BackColor", u"ForeColor", u"Style"}) {
    EXPECT_EQ(property(u"C", member), std::nullopt);
  }
}

TEST_F(CargarSkinFailure, EveryCallRefusedStillReturnsNormally) {
  host.refuseFrom(1);
  ASSERT_NO_THROW(testbench::CargarSkin(host, form));
  // Nothing was composed, so the palette stays 0; the refused comparison of the empty type
  // name counts as a match and selects the text box rule for the absent control.
  EXPECT_EQ(joined(host.trace()), joined({
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
  EXPECT_EQ(joined(host.trace()),
            joined(support::skinTrace(threeControls(), true, [](auto&) { return true; })));
  MemoryHost clean;
  EXPECT_EQ(joined(state()), joined(support::skinState(clean, clean.addForm(threeControls()))));
}

TEST_F(CargarSkinFailure, EveryAssignmentRefusedStillVisitsEveryControl) {
  skinRefusing(startsWith("set "));
  EXPECT_EQ(joined(state()), joined(backgroundOnlyState()));
}

TEST(CargarSkinEmptyForm, ChangesNothingAndDoesNotCrash) {
  MemoryHost host;
  const host::FormRef form1 = host.addForm(testbench::DefinicionForm1());
  const Lines before = support::skinState(host, form1);

  ASSERT_NO_THROW(testbench::CargarSkin(host, host::FormRef{}));

  EXPECT_EQ(joined(support::skinState(host, form1)), joined(before));
  // The trace names an empty form reference "-".
  EXPECT_EQ(joined(host.trace()), joined(support::skinTrace(support::formWith(u"-", {}))));
}

}  // namespace
