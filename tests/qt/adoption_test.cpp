// A form built elsewhere, adopted by the Qt host: its controls' type names and tab order, their
// by-name members on every kind of widget the host knows, and their colours on screen.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCommandLinkButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>
#include <fstream>
#include <functional>
#include <sstream>

#include "host/qt/adoption.h"
#include "host/qt/convert.h"
#include "host/qt/qt_host.h"
#include "pixels.h"

namespace {

using host::Value;

// A window and its widgets as a loader builds them, then adopted by a host of its own, shown.
class Adopted {
 public:
  explicit Adopted(const std::function<void(QWidget&)>& build) {
    auto window = std::make_unique<QWidget>();
    window->setObjectName("window");
    window->resize(320, 200);
    build(*window);
    std::vector<QWidget*> widgets;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      widgets.push_back(child);
    }
    form_ = host.adoptForm(std::move(window), widgets);
    host.widget(form_)->show();
  }

  std::vector<std::string> typeAndNameInOrder() {
    std::vector<std::string> seen;
    for (const host::ControlRef control : host.controlsOf(form_)) {
      seen.push_back(host::toUtf8(host.typeName(control)) + " " +
                     host::toUtf8(host.getProperty(control, u"Name").asText()));
    }
    return seen;
  }
  host::ControlRef first() { return host.controlsOf(form_).front(); }
  QWidget& widget() { return *host.widget(first()); }

  host::qt::QtHost host;

 private:
  host::FormRef form_;
};

template <class Widget>
std::function<void(QWidget&)> one(const char* name, const QRect& place = {10, 20, 120, 40}) {
  return [=](QWidget& window) {
    auto* widget = new Widget(&window);
    widget->setObjectName(name);
    widget->setGeometry(place);
  };
}

TEST(Adoption, NamesEachControlByTheTableOrItsClassInTheWindowsTabOrder) {
  Adopted adopted([](QWidget& window) {
    one<QSpinBox>("spin")(window);
    one<QPushButton>("push")(window);
    one<QCommandLinkButton>("link")(window);
    one<QPlainTextEdit>("plain")(window);
    one<QLabel>("label")(window);
    QWidget::setTabOrder(window.findChild<QWidget*>("push"), window.findChild<QWidget*>("spin"));
  });
  // A class derived from one in the table is not taken for it; the spin box's own line edit is
  // not a control.
  EXPECT_EQ(adopted.typeAndNameInOrder(),
            (std::vector<std::string>{"CommandButton push", "QSpinBox spin",
                                      "QCommandLinkButton link", "TextBox plain", "Label label"}));
}

// One member of one kind of widget, set by name, and what the widget then shows.
struct MemberCase {
  const char* what;
  std::function<void(QWidget&)> build;
  const char16_t* member;
  Value value;
  std::function<bool(QWidget&)> took;
};

TEST(Adoption, SetsEachMemberOnEveryKindOfWidgetThatHasIt) {
  const Value abc = Value::text(u"abc");
  const MemberCase cases[] = {
      {"line edit text", one<QLineEdit>("t"), u"Text", abc,
       [](QWidget& w) { return static_cast<QLineEdit&>(w).text() == "abc"; }},
      {"rich editor text", one<QTextEdit>("t"), u"Text", abc,
       [](QWidget& w) { return static_cast<QTextEdit&>(w).toPlainText() == "abc"; }},
      {"plain editor text", one<QPlainTextEdit>("t"), u"Text", abc,
       [](QWidget& w) { return static_cast<QPlainTextEdit&>(w).toPlainText() == "abc"; }},
      {"line edit border", one<QLineEdit>("t"), u"BorderStyle", Value::int16(0),
       [](QWidget& w) { return !static_cast<QLineEdit&>(w).hasFrame(); }},
      {"rich editor border", one<QTextEdit>("t"), u"BorderStyle", Value::int16(0),
       [](QWidget& w) { return static_cast<QTextEdit&>(w).frameShape() == QFrame::NoFrame; }},
      {"check box value", one<QCheckBox>("c"), u"Value", Value::int16(1),
       [](QWidget& w) { return static_cast<QCheckBox&>(w).isChecked(); }},
      {"option value", one<QRadioButton>("o"), u"Value", Value::boolean(true),
       [](QWidget& w) { return static_cast<QRadioButton&>(w).isChecked(); }},
      {"button caption", one<QPushButton>("b"), u"Caption", abc,
       [](QWidget& w) { return static_cast<QPushButton&>(w).text() == "abc"; }},
      {"label left", one<QLabel>("l"), u"Left", Value::number(600),
       [](QWidget& w) { return w.x() == 40 && w.y() == 20; }},
  };
  for (const MemberCase& c : cases) {
    Adopted adopted(c.build);
    adopted.host.setProperty(adopted.first(), c.member, c.value);
    EXPECT_TRUE(c.took(adopted.widget())) << c.what;
    EXPECT_EQ(adopted.host.getProperty(adopted.first(), c.member), c.value) << c.what;
  }
}

// Its place in twips off its widget, and the system colours a control of its type reports until
// the program sets its own.
TEST(Adoption, ReadsEachControlsPlaceAndColoursAsADefinedControlsAre) {
  Adopted label(one<QLabel>("l", {10, 20, 120, 40}));
  EXPECT_EQ(label.host.getProperty(label.first(), u"Left"), Value::number(150));
  EXPECT_EQ(label.host.getProperty(label.first(), u"Height"), Value::number(600));
  EXPECT_EQ(label.host.getProperty(label.first(), u"BackColor"),
            Value::int32(host::systemColor(15)));
  Adopted text(one<QTextEdit>("t"));
  EXPECT_EQ(text.host.getProperty(text.first(), u"BackColor"), Value::int32(host::systemColor(5)));
}

// A colour set by name, and where it must show: most of the widget, or some of its text.
struct ColourCase {
  const char* what;
  std::function<void(QWidget&)> build;
  std::vector<std::pair<const char16_t*, Value>> settings;
  bool face;  // the colour fills most of the widget; else it draws some text
};

TEST(Adoption, ShowsEachColourOnScreen) {
  const QColor red(255, 0, 0);
  const Value redValue = Value::int32(0x0000FF);
  auto text = [](const char* label) {
    return [=](QWidget& window) {
      auto* button = new QPushButton(label, &window);
      button->setGeometry(10, 20, 140, 40);
    };
  };
  const ColourCase cases[] = {
      {"standard button text", text("Mmmm"), {{u"ForeColor", redValue}}, false},
      {"label ground", one<QLabel>("l"), {{u"BackColor", redValue}}, true},
      {"editor ground", one<QPlainTextEdit>("t"), {{u"BackColor", redValue}}, true},
      {"check box ground", one<QCheckBox>("c"), {{u"BackColor", redValue}}, true},
  };
  for (const ColourCase& c : cases) {
    Adopted adopted(c.build);
    for (const auto& [member, value] : c.settings) {
      adopted.host.setProperty(adopted.first(), member, value);
    }
    const QImage pixels = qtbench::shown(adopted.widget());
    if (c.face) {
      EXPECT_EQ(qtbench::describe(qtbench::dominantColor(pixels, qtbench::inner(pixels, 4))),
                qtbench::describe(red))
          << c.what;
    } else {
      EXPECT_GE(qtbench::countNear(pixels, red, 12), 8) << c.what;
    }
  }
}

// The README's table of type names is the host's: a row per class, in the table's order.
TEST(Adoption, ReadmeListsTheTableOfTypeNames) {
  std::ifstream readme(SKINBENCH_README);
  std::string line, rows;
  while (std::getline(readme, line)) {
    if (line.rfind("| `Q", 0) == 0) rows += line + "\n";
  }
  std::string expected;
  for (const host::qt::AdoptedKind& kind : host::qt::adoptedKinds()) {
    expected +=
        std::string("| `") + kind.className + "` | \"" + host::toUtf8(kind.typeName) + "\" |\n";
  }
  EXPECT_EQ(rows, expected);
}

}  // namespace
