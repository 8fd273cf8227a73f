// Form1 as the Qt host builds it from its definition: the thirteen controls, their widgets and
// geometry, the tab order, the client area and the caption.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "form1_window.h"
#include "host/error.h"

namespace {

using host::Value;

struct Expected {
  const char16_t* type;
  const char16_t* name;
  std::optional<std::int16_t> index;
  const char16_t* caption;
  QRect pixels;  // the definition's twips divided by 15
};

// Enumeration order, which is the definition's order.
const std::vector<Expected> kControls = {
    {u"CommandButton", u"cmdProbar", std::nullopt, u"PROBAR", {360, 216, 137, 41}},
    {u"CheckBox", u"Check1", 1, u"Check1", {152, 208, 97, 33}},
    {u"CheckBox", u"Check1", 0, u"Check1", {16, 200, 97, 33}},
    {u"OptionButton", u"Option1", 1, u"Option1", {136, 160, 105, 17}},
    {u"OptionButton", u"Option1", 0, u"Option1", {8, 160, 105, 17}},
    {u"TextBox", u"Text1", 1, u"Text1", {136, 112, 105, 25}},
    {u"TextBox", u"Text1", 0, u"Text1", {16, 112, 105, 25}},
    {u"CommandButton", u"Command1", 3, u"Ejecutar", {160, 0, 145, 41}},
    {u"CommandButton", u"Command1", 2, u"buscar", {0, 0, 145, 41}},
    {u"CommandButton", u"Command1", 1, u"consultar", {312, 0, 145, 41}},
    {u"CommandButton", u"Command1", 4, u"cancelar", {0, 48, 145, 41}},
    {u"CommandButton", u"Command1", 22, u"Guardar", {160, 48, 145, 41}},
    {u"CommandButton", u"Command1", 0, u"Aceptar", {312, 48, 145, 41}},
};

std::string label(const Expected& c) {
  std::string text = host::toUtf8(c.name);
  if (c.index) text += "(" + std::to_string(*c.index) + ")";
  return text;
}

// The text the widget itself shows: a button's caption or a text box's text.
QString shownText(const QWidget& widget) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) return edit->text();
  return qobject_cast<const QAbstractButton*>(&widget)->text();
}

bool isWidgetOfType(const QWidget& widget, std::u16string_view type) {
  if (type == u"CommandButton") return qobject_cast<const QPushButton*>(&widget) != nullptr;
  if (type == u"TextBox") return qobject_cast<const QLineEdit*>(&widget) != nullptr;
  if (type == u"CheckBox") return qobject_cast<const QCheckBox*>(&widget) != nullptr;
  if (type == u"OptionButton") return qobject_cast<const QRadioButton*>(&widget) != nullptr;
  return false;
}

class Form1Controls : public ::testing::Test {
 protected:
  qtbench::Form1Window w;
};

TEST_F(Form1Controls, ThirteenControlsInDefinitionOrderWithTheirNamesTypesAndIndices) {
  const std::vector<host::ControlRef> controls = w.host().controlsOf(w.form());
  ASSERT_EQ(controls.size(), kControls.size());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const Expected& c = kControls[i];
    SCOPED_TRACE(label(c));
    EXPECT_EQ(w.host().typeName(controls[i]), c.type);
    EXPECT_EQ(w.host().getProperty(controls[i], u"Name"), Value::text(c.name));
    if (c.index) {
      EXPECT_EQ(w.host().getProperty(controls[i], u"Index"), Value::int16(*c.index));
    } else {
      EXPECT_THROW(w.host().getProperty(controls[i], u"Index"), host::HostError);
    }
    EXPECT_EQ(w.host().control(w.form(), c.name, c.index), controls[i]);
  }
}

TEST_F(Form1Controls, CaptionsAndTextsAreShownAsWritten) {
  for (const Expected& c : kControls) {
    SCOPED_TRACE(label(c));
    const host::ControlRef ref = w.control(c.name, c.index);
    const char16_t* member = std::u16string_view(c.type) == u"TextBox" ? u"Text" : u"Caption";
    EXPECT_EQ(w.host().getProperty(ref, member), Value::text(c.caption));
    EXPECT_EQ(shownText(*w.host().widget(ref)).toStdU16String(), c.caption);
  }
}

TEST_F(Form1Controls, EachControlIsAWidgetOfItsTypeOnTheFormAtItsPixelGeometry) {
  for (const Expected& c : kControls) {
    SCOPED_TRACE(label(c));
    const QWidget& widget = w.widget(c.name, c.index);
    EXPECT_TRUE(isWidgetOfType(widget, c.type));
    EXPECT_EQ(widget.parentWidget(), &w.window());
    EXPECT_EQ(widget.geometry(), c.pixels);
    EXPECT_TRUE(widget.isVisible());
    EXPECT_TRUE(widget.isEnabled());
  }
}

TEST_F(Form1Controls, PositionsAreReportedInTwips) {
  const host::ControlRef probar = w.control(u"cmdProbar");
  EXPECT_EQ(w.host().getProperty(probar, u"Left"), Value::number(5400));
  EXPECT_EQ(w.host().getProperty(probar, u"Top"), Value::number(3240));
  EXPECT_EQ(w.host().getProperty(probar, u"Width"), Value::number(2055));
  EXPECT_EQ(w.host().getProperty(probar, u"Height"), Value::number(615));
}

TEST_F(Form1Controls, NoCommand1MemberHasTheIndexFive) {
  EXPECT_TRUE(w.host().control(w.form(), u"Command1", 5).empty());
}

class Form1TabOrder : public Form1Controls {
 protected:
  // The controls in the order of their tab positions, 0 first.
  std::vector<QWidget*> byTabPosition() const {
    return {&w.command1(0),           &w.command1(22),         &w.command1(4),
            &w.command1(1),           &w.command1(2),          &w.command1(3),
            &w.widget(u"Text1", 0),   &w.widget(u"Text1", 1),  &w.widget(u"Option1", 0),
            &w.widget(u"Option1", 1), &w.widget(u"Check1", 0), &w.widget(u"Check1", 1),
            &w.widget(u"cmdProbar")};
  }
};

// The focus chain as Tab walks it: widgets that take no focus from Tab (the form) are passed by.
TEST_F(Form1TabOrder, FocusChainRunsFromTabPositionZeroToTwelveAndBack) {
  const std::vector<QWidget*> expected = byTabPosition();
  std::vector<QWidget*> chain;
  QWidget* widget = expected.front();
  while (chain.size() <= expected.size()) {
    if (widget->focusPolicy() & Qt::TabFocus) chain.push_back(widget);
    widget = widget->nextInFocusChain();
  }
  std::vector<QWidget*> roundTrip = expected;
  roundTrip.push_back(expected.front());
  EXPECT_EQ(chain, roundTrip);
}

// The two option buttons form one exclusive group, which the platform makes a single Tab stop
// (the arrow keys move inside it); every other control is a stop of its own.
TEST_F(Form1TabOrder, TabKeyMovesTheFocusInTabPositionOrder) {
  std::vector<QWidget*> stops = byTabPosition();
  std::erase(stops, &w.widget(u"Option1", 1));
  stops.push_back(stops.front());
  w.window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window()));
  stops.front()->setFocus(Qt::OtherFocusReason);
  for (std::size_t i = 1; i < stops.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), stops[i]) << "after " << i << " presses of Tab";
  }
}

TEST_F(Form1Controls, ClientAreaIs512By339AndTheCaptionIsForm1) {
  EXPECT_EQ(w.window().size(), QSize(512, 339));
  EXPECT_EQ(w.window().geometry().size(), QSize(512, 339));
  EXPECT_TRUE(w.window().isWindow());
  EXPECT_EQ(w.caption(), "Form1");
}

TEST_F(Form1Controls, AfterLoadMetodoActualIsZero) {
  EXPECT_EQ(w.metodoActual(), 0);
}

}  // namespace
