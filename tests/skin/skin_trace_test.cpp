#include <gtest/gtest.h>

#include "testbench/form1_definicion.h"
#include "testbench/skin/cargar_skin.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/forms.h"
#include "tests/support/oracle.h"

namespace {

using host::memory::MemoryHost;
using support::joined;
using support::Lines;

TEST(CargarSkinTrace, OneControlOfEachTypeAndAnUnknownOne) {
  MemoryHost host;
  const host::FormRef form = host.addForm(support::oneOfEachType());
  testbench::CargarSkin(host, form);
  const Lines expected = {
      "rgb 235 236 238",
      "rgb 70 130 180",
      "rgb 255 255 255",
      "rgb 255 255 255",
      "rgb 38 42 46",
      "backcolor Prueba 15658219",
      "controls Prueba",
      "start Prueba",
      "type cmdBoton",
      R"(equals "CommandButton" "TextBox")",
      R"(equals "CommandButton" "CheckBox")",
      R"(equals "CommandButton" "OptionButton")",
      R"(equals "CommandButton" "CommandButton")",
      "set cmdBoton.ForeColor 16777215",
      "flag True",
      "set cmdBoton.Style 1",
      "set cmdBoton.Appearance 0",
      "set cmdBoton.BackColor 11829830",
      "advance Prueba",
      "type txtTexto",
      R"(equals "TextBox" "TextBox")",
      "set txtTexto.BackColor 16777215",
      "set txtTexto.ForeColor 3025446",
      "flag True",
      "set txtTexto.BorderStyle 1",
      "set txtTexto.Appearance 0",
      "advance Prueba",
      "type chkCasilla",
      R"(equals "CheckBox" "TextBox")",
      R"(equals "CheckBox" "CheckBox")",
      "set chkCasilla.BackColor 15658219",
      "set chkCasilla.ForeColor 3025446",
      "advance Prueba",
      "type optOpcion",
      R"(equals "OptionButton" "TextBox")",
      R"(equals "OptionButton" "CheckBox")",
      R"(equals "OptionButton" "OptionButton")",
      "set optOpcion.BackColor 15658219",
      "set optOpcion.ForeColor 3025446",
      "advance Prueba",
      "type lblEtiqueta",
      R"(equals "Label" "TextBox")",
      R"(equals "Label" "CheckBox")",
      R"(equals "Label" "OptionButton")",
      R"(equals "Label" "CommandButton")",
      "advance Prueba",
  };
  EXPECT_EQ(joined(host.trace()), joined(expected));
  // The oracle that the other tests use agrees with the lines written out here.
  EXPECT_EQ(joined(expected), joined(support::skinTrace(support::oneOfEachType())));
}

class CargarSkinOnForm1 : public support::Form1OnMemoryHost {};

TEST_F(CargarSkinOnForm1, LoadSkinsEveryControlByItsTypeInDefinitionOrder) {
  start();
  EXPECT_EQ(joined(host.trace()), joined(support::skinTrace(testbench::DefinicionForm1())));
}

TEST_F(CargarSkinOnForm1, EveryCommandButtonGetsTheButtonRuleWhateverItsName) {
  start();
  for (const auto& [name, index] :
       {std::pair<std::u16string, std::optional<std::int16_t>>{u"cmdProbar", std::nullopt},
        {u"Command1", 0},
        {u"Command1", 22}}) {
    const host::ControlRef button = control(name, index);
    EXPECT_EQ(host.property(button, u"BackColor"), host::Value::int32(support::kColorBoton));
    EXPECT_EQ(host.property(button, u"ForeColor"), host::Value::int32(support::kColorTextoBoton));
  }
  EXPECT_EQ(host.backColor(form), support::kColorFondo);
}

TEST(CargarSkinQuitar3D, FalseLeavesOutTheFlatLookAndTheButtonBackground) {
  MemoryHost host;
  const host::FormRef form = host.addForm(support::oneOfEachType());
  testbench::CargarSkin(host, form, host::kFalse);

  EXPECT_EQ(joined(host.trace()), joined(support::skinTrace(support::oneOfEachType(), false)));
  EXPECT_EQ(joined(support::skinState(host, form)),
            joined({
                "form.BackColor 15658219",      "cmdBoton.BackColor unset",
                "cmdBoton.ForeColor 16777215",  "cmdBoton.BorderStyle unset",
                "cmdBoton.Appearance unset",    "cmdBoton.Style unset",
                "txtTexto.BackColor 16777215",  "txtTexto.ForeColor 3025446",
                "txtTexto.BorderStyle unset",   "txtTexto.Appearance unset",
                "txtTexto.Style unset",         "chkCasilla.BackColor 15658219",
                "chkCasilla.ForeColor 3025446", "chkCasilla.BorderStyle unset",
                "chkCasilla.Appearance unset",  "chkCasilla.Style unset",
                "optOpcion.BackColor 15658219", "optOpcion.ForeColor 3025446",
                "optOpcion.BorderStyle unset",  "optOpcion.Appearance unset",
                "optOpcion.Style unset",        "lblEtiqueta.BackColor unset",
                "lblEtiqueta.ForeColor unset",  "lblEtiqueta.BorderStyle unset",
                "lblEtiqueta.Appearance unset", "lblEtiqueta.Style unset",
            }));
}

TEST(CargarSkinQuitar3D, AnyNonzeroFlagCountsAsTrue) {
  MemoryHost withTrue;
  MemoryHost withOne;
  testbench::CargarSkin(withTrue, withTrue.addForm(support::oneOfEachType()), host::kTrue);
  testbench::CargarSkin(withOne, withOne.addForm(support::oneOfEachType()), host::Boolean{1});
  EXPECT_EQ(joined(withOne.trace()), joined(withTrue.trace()));
}

TEST(CargarSkinPreview, NoValueChangesAnything) {
  MemoryHost reference;
  testbench::CargarSkin(reference, reference.addForm(testbench::DefinicionForm1()));
  for (const std::int16_t preview : {-1, 0, 1, 7, 32767, -32768}) {
    SCOPED_TRACE(preview);
    MemoryHost host;
    testbench::CargarSkin(host, host.addForm(testbench::DefinicionForm1()), host::kTrue, preview);
    EXPECT_EQ(joined(host.trace()), joined(reference.trace()));
  }
}

TEST(CargarSkinTypeNames, AreComparedExactlyWithCaseAndWholeText) {
  for (const std::u16string type : {u"textbox", u"TEXTBOX", u"Textbox", u"TextBox ", u"Text",
                                    u"commandbutton", u"checkBox", u"Optionbutton"}) {
    SCOPED_TRACE(host::toUtf8(type));
    MemoryHost host;
    const auto definition = support::formWith(u"F", {support::control(u"c", std::nullopt, type)});
    const host::FormRef form = host.addForm(definition);
    testbench::CargarSkin(host, form);

    EXPECT_EQ(joined(host.trace()), joined(support::skinTrace(definition)));
    EXPECT_EQ(host.property(host.control(form, u"c"), u"ForeColor"), std::nullopt);
  }
}

TEST(CargarSkinEdges, FormWithNoControlsGetsOnlyItsBackground) {
  MemoryHost host;
  const host::FormRef form = host.addForm(support::formWith(u"Vacio", {}));
  testbench::CargarSkin(host, form);
  EXPECT_EQ(joined(host.trace()), joined(support::skinTrace(support::formWith(u"Vacio", {}))));
  EXPECT_EQ(host.backColor(form), support::kColorFondo);
}

TEST(CargarSkinEdges, SecondCallChangesNothingTheFirstSet) {
  MemoryHost once;
  MemoryHost twice;
  const host::FormRef onceForm = once.addForm(testbench::DefinicionForm1());
  const host::FormRef twiceForm = twice.addForm(testbench::DefinicionForm1());
  testbench::CargarSkin(once, onceForm);
  testbench::CargarSkin(twice, twiceForm);
  const std::vector<std::string> firstCall = twice.trace();
  twice.clearTrace();
  testbench::CargarSkin(twice, twiceForm);

  EXPECT_EQ(joined(twice.trace()), joined(firstCall));
  EXPECT_EQ(joined(support::skinState(twice, twiceForm)),
            joined(support::skinState(once, onceForm)));
}

TEST(CargarSkinEdges, SkinsOnlyTheFormItIsGiven) {
  MemoryHost host;
  const host::FormRef skinned = host.addForm(support::oneOfEachType());
  const host::FormRef other = host.addForm(testbench::DefinicionForm1());
  const Lines before = support::skinState(host, other);
  testbench::CargarSkin(host, skinned);
  EXPECT_EQ(joined(support::skinState(host, other)), joined(before));
}

}  // namespace
