#include <gtest/gtest.h>

#include <algorithm>

#include "testbench/form1_definicion.h"
#include "testbench/skin/cargar_skin.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/forms.h"
#include "tests/support/oracle.h"

namespace {

using host::memory::MemoryHost;
using host::memory::Operation;
using support::joined;

class Form1Load : public support::Form1OnMemoryHost {};

TEST_F(Form1Load, RunsOnceAndOnlySkinsTheForm) {
  start();
  // One skin call, with Quitar3D true, and nothing else: no caption, no refresh, no yield.
  EXPECT_EQ(joined(host.trace()), joined(support::skinTrace(testbench::DefinicionForm1())));
  const auto backgrounds = std::count_if(host.calls().begin(), host.calls().end(), [](auto& c) {
    return c.operation == Operation::SetBackColor;
  });
  EXPECT_EQ(backgrounds, 1);
}

TEST_F(Form1Load, LeavesMetodoActualAtZeroAndTheCaptionAsForm1) {
  start();
  EXPECT_EQ(metodoActual(), 0);
  EXPECT_EQ(host.caption(form), u"Form1");
  EXPECT_TRUE(host.reportedErrors().empty());
}

TEST(Form1LoadHandler, WritesZeroToMetodoActualWhateverItHeld) {
  MemoryHost host;
  const host::FormRef form = host.addForm(testbench::DefinicionForm1());
  testbench::Form1 form1(host, form);
  testbench::Form1Acceso::MetodoActual(form1) = 7;

  const auto handlers = form1.handlers();
  const auto load = std::find_if(handlers.begin(), handlers.end(), [](const auto& binding) {
    return binding.event == host::Event::Load && binding.source == u"Form1";
  });
  ASSERT_NE(load, handlers.end());
  load->handler();

  EXPECT_EQ(testbench::Form1Acceso::MetodoActual(form1), 0);
  EXPECT_EQ(host.backColor(form), support::kColorFondo);
}

TEST(Form1Handlers, AreTheLoadOfTheFormAndTheClickOfCmdProbar) {
  MemoryHost host;
  testbench::Form1 form1(host, host.addForm(testbench::DefinicionForm1()));
  const auto handlers = form1.handlers();
  ASSERT_EQ(handlers.size(), 2u);
  EXPECT_EQ(handlers[0].source, u"Form1");
  EXPECT_EQ(handlers[0].event, host::Event::Load);
  EXPECT_EQ(handlers[1].source, u"cmdProbar");
  EXPECT_EQ(handlers[1].event, host::Event::Click);
}

TEST_F(Form1Load, RefusedSkinStepsDoNotReachTheHost) {
  host.refuse(Operation::SetProperty);
  host.refuse(Operation::Advance, {}, "Form1");
  start();
  EXPECT_TRUE(host.reportedErrors().empty());
  EXPECT_EQ(metodoActual(), 0);
}

TEST_F(Form1Load, EveryCallRefusedDuringLoadStillReportsNoError) {
  host.refuseFrom(1);
  start();
  EXPECT_TRUE(host.reportedErrors().empty());
  EXPECT_EQ(metodoActual(), 0);
  EXPECT_EQ(host.caption(form), u"Form1");
}

TEST_F(Form1Load, CargarSkinOfForm1SkinsAnyFormGiven) {
  start();
  const host::FormRef other = host.addForm(support::oneOfEachType());
  host.clearTrace();
  form1().CargarSkin(other);
  EXPECT_EQ(joined(host.trace()), joined(support::skinTrace(support::oneOfEachType())));
}

}  // namespace
