#include "tests/support/oracle.h"

#include <string_view>
#include <utility>

#include "host/text.h"
#include "host/value.h"
#include "tests/support/captions.h"

namespace support {
namespace {

// One step of a skin rule or of a test method, on the current control.
struct Step {
  enum Action { kSet, kRefresh, kYield, kMove } action;
  std::string member;
  std::string value;  // as the trace writes it, unless `paint` names a colour
  int paint = -1;     // a palette colour, as composed at the start of the call
  int offset = 0;     // twips to the right, for a move
};

Step set(const char* member, const char* value) {
  return {Step::kSet, member, value};
}
Step set(const char* member, Paint paint) {
  return {Step::kSet, member, "", paint};
}

// --- the skin --------------------------------------------------------------------------------

struct SkinRule {
  std::vector<std::string> types;
  std::vector<Step> always;
  std::vector<Step> flat;  // only when Quitar3D holds
};

// Tried in this order, and within a rule its type names in order.
const std::vector<SkinRule> kSkinRules = {
    {{"TextBox"},
     {set("BackColor", kFondoTexto), set("ForeColor", kTexto)},
     {set("BorderStyle", "1"), set("Appearance", "0")}},
    {{"CheckBox", "OptionButton"}, {set("BackColor", kFondo), set("ForeColor", kTexto)}, {}},
    {{"CommandButton"},
     {set("ForeColor", kTextoBoton)},
     {set("Style", "1"), set("Appearance", "0"), set("BackColor", kBoton)}},
};

// --- the test methods ------------------------------------------------------------------------

const Step kStyle1 = set("Style", "1");
const Step kAppearance0 = set("Appearance", "0");
const Step kBack = set("BackColor", kBoton);
const Step kFore = set("ForeColor", kTextoBoton);
const Step kRefresh{Step::kRefresh, "", ""};
const Step kYield{Step::kYield, "", ""};
const Step kMoveRight{Step::kMove, "", "", -1, +1};
const Step kMoveLeft{Step::kMove, "", "", -1, -1};

struct Method {
  std::vector<Step> steps;     // on each selected control, in order
  bool refreshesForm = false;  // once, after the last control
};

// Method n is kMethods[n - 1]; its caption is kCaptions[n - 1].
const std::vector<Method> kMethods = {
    {{kStyle1, kAppearance0, kBack, kFore}},
    {{kStyle1, kAppearance0, kBack, kFore, kRefresh}},
    {{kStyle1, kAppearance0, kBack, kFore}, true},
    {{kBack, kFore, kStyle1, kAppearance0}},
    {{kBack, kFore}},
    {{kStyle1, kAppearance0}},
    {{kStyle1, kAppearance0, kBack, kFore, set("Enabled", "False"), set("Enabled", "True")}},
    {{kStyle1, kAppearance0, kBack, kFore, kMoveRight, kMoveLeft}},
    {{kStyle1, kYield, kAppearance0, kYield, kBack, kYield, kFore, kYield}},
    {{set("Style", "0"), set("Appearance", "1"), set("BackColor", "-2147483633"),
      set("ForeColor", "-2147483630")}},
};

// --- the trace's lines -------------------------------------------------------------------------

std::string number(double value) {
  return host::describe(host::Value::number(value));
}
std::string quoted(const std::string& text) {
  return "\"" + text + "\"";
}
std::string targetOf(const Control* control) {
  return control ? control->target : "-";
}

void runStep(Script& script, const Step& step, Control* control,
             const std::array<std::int32_t, kPaints>& colours) {
  const std::string target = targetOf(control);
  switch (step.action) {
    case Step::kSet: {
      const std::string value = step.paint < 0 ? step.value : std::to_string(colours[step.paint]);
      script.statement({"set " + target + "." + step.member + " " + value});
      return;
    }
    case Step::kRefresh:
      script.statement({"call " + target + ".Refresh"});
      return;
    case Step::kYield:
      script.statement({"yield"});
      return;
    case Step::kMove: {
      // Left is read afresh: a move after a refused one starts where the control is.
      const double left = control ? control->left + step.offset : 0;
      const double top = control ? control->top : 0;
      const bool moved =
          script.statement({"get " + target + ".Left", "get " + target + ".Top",
                            "call " + target + ".Move " + number(left) + " " + number(top)});
      if (moved && control) control->left = left;
      return;
    }
  }
}

// The in-memory host fails every call on an empty reference ("-") but reading its type name.
bool onNoObject(const std::string& line) {
  const std::size_t space = line.find(' ');
  if (space == std::string::npos || line.starts_with("type ")) return false;
  const std::string_view target = std::string_view(line).substr(space + 1);
  return target == "-" || target.starts_with("- ") || target.starts_with("-.");
}

// Writes the lines of the statements as the in-memory host records them.
class TraceWriter final : public Script {
 public:
  explicit TraceWriter(LineRule refusals) : refusals_(std::move(refusals)) {}

  bool statement(std::initializer_list<std::string> lines) override {
    for (const std::string& line : lines) {
      if (refusals_ && refusals_(line)) return failed(refused(line));
      if (onNoObject(line)) return failed(line + " !no object");
      trace.push_back(line);
    }
    return true;
  }

  Lines trace;

 private:
  bool failed(std::string line) {
    trace.push_back(std::move(line));
    return false;
  }

  LineRule refusals_;
};

}  // namespace

std::vector<Control> controlsOf(const host::FormDefinition& form) {
  std::vector<Control> controls;
  for (const host::ControlDefinition& c : form.controls) {
    std::string target = host::toUtf8(c.name);
    if (c.index) target.append("(").append(std::to_string(*c.index)).append(")");
    controls.push_back(
        {target, host::toUtf8(c.typeName), host::toUtf8(c.name), c.index, c.left, c.top});
  }
  return controls;
}

Oracle::Oracle(Script& script, const host::FormDefinition& form)
    : script_(script), form_(host::toUtf8(form.name)), controls_(controlsOf(form)) {}

void Oracle::compose(Paint paint, Colours& colours) {
  const host::RgbChannels& rgb = kPalette[paint];
  const std::string line = "rgb " + std::to_string(rgb.red) + " " + std::to_string(rgb.green) +
                           " " + std::to_string(rgb.blue);
  if (script_.statement({line})) colours[paint] = valueOf(rgb);
}

void Oracle::forEachControl(const std::function<void(Control*)>& body) {
  script_.where(phase_ + ", starting the enumeration");
  if (!script_.statement({"controls " + form_, "start " + form_})) {
    script_.where(phase_ + ", no control");
    body(nullptr);
    return;
  }
  for (Control& control : controls_) {
    script_.where(phase_ + ", " + control.target);
    body(&control);
    if (!script_.statement({"advance " + form_})) return;
  }
}

bool Oracle::test(std::initializer_list<std::string> lines, bool value) {
  return !script_.statement(lines) || value;
}

void Oracle::load() {
  phase_ = "load";
  script_.where(phase_);
  metodoActual_ = 0;
  skin();
}

void Oracle::skin(bool quitar3D) {
  Colours palette{};
  for (int paint = 0; paint < kPaints; ++paint) compose(static_cast<Paint>(paint), palette);
  script_.statement({"backcolor " + form_ + " " + std::to_string(palette[kFondo])});

  auto findRule = [&](const std::string& type) -> const SkinRule* {
    for (const SkinRule& rule : kSkinRules) {
      for (const std::string& name : rule.types) {
        if (test({"equals " + quoted(type) + " " + quoted(name)}, type == name)) return &rule;
      }
    }
    return nullptr;
  };
  auto assign = [&](const std::vector<Step>& steps, Control* control) {
    for (const Step& step : steps) runStep(script_, step, control, palette);
  };

  std::string type;  // kept from one control to the next
  forEachControl([&](Control* control) {
    if (script_.statement({"type " + targetOf(control)})) type = control ? control->type : "";
    const SkinRule* rule = findRule(type);
    if (!rule) return;
    assign(rule->always, control);
    if (rule->flat.empty()) return;
    if (test({quitar3D ? "flag True" : "flag False"}, quitar3D)) assign(rule->flat, control);
  });
}

void Oracle::method(int n) {
  Colours colours{};
  compose(kBoton, colours);
  compose(kTextoBoton, colours);

  const Method* chosen =
      n >= 1 && n <= static_cast<int>(kMethods.size()) ? &kMethods[n - 1] : nullptr;
  forEachControl([&](Control* control) {
    const std::string target = targetOf(control);
    static const Control kNone;  // no type name and no "Name"
    const Control& c = control ? *control : kNone;
    const bool selected =
        test({"type " + target, "equals " + quoted(c.type) + " \"CommandButton\"",
              "get " + target + ".Name", "equals " + quoted(c.name) + " \"Command1\""},
             c.selected());
    if (!selected || !chosen) return;
    for (const Step& step : chosen->steps) runStep(script_, step, control, colours);
  });
  script_.where(phase_ + ", after the loop");
  if (chosen && chosen->refreshesForm) script_.statement({"refresh " + form_});
}

void Oracle::press() {
  const int next = metodoActual_ + 1;
  metodoActual_ = next > static_cast<int>(kMethods.size()) ? 1 : next;
  phase_ = "press " + std::to_string(++presses_) + ", method " + std::to_string(metodoActual_);
  script_.where(phase_);
  method(metodoActual_);
  script_.where(phase_ + ", caption");
  const std::string& caption = kCaptions[static_cast<std::size_t>(metodoActual_ - 1)];
  if (!script_.statement({"caption " + form_ + " " + quoted(caption)})) ++failedCaptions_;
}

LineRule lineIs(std::string line) {
  return [line = std::move(line)](const std::string& call) { return call == line; };
}

LineRule startsWith(std::string prefix) {
  return [prefix = std::move(prefix)](const std::string& call) { return call.starts_with(prefix); };
}

LineRule nth(LineRule rule, int n) {
  return [rule = std::move(rule), n, seen = 0](const std::string& call) mutable {
    return rule(call) && ++seen == n;
  };
}

LineRule anyOf(std::vector<LineRule> rules) {
  return [rules = std::move(rules)](const std::string& call) {
    for (const LineRule& rule : rules) {
      if (rule(call)) return true;
    }
    return false;
  };
}

Lines expectedTrace(const host::FormDefinition& form, const std::function<void(Oracle&)>& run,
                    const LineRule& refusals) {
  TraceWriter writer(refusals);
  Oracle oracle(writer, form);
  run(oracle);
  return writer.trace;
}

Lines skinTrace(const host::FormDefinition& form, bool quitar3D, const LineRule& refusals) {
  return expectedTrace(
      form, [quitar3D](Oracle& oracle) { oracle.skin(quitar3D); }, refusals);
}

std::string joined(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::string refused(const std::string& line) {
  return line + " !refused";
}

}  // namespace support
