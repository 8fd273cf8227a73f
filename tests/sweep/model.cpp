#include "model.h"

#include "testbench/form1_definicion.h"

namespace sweep {

namespace {

std::string number(double value) {
  return host::describe(host::Value::number(value));
}
std::string quoted(const std::string& text) {
  return "\"" + text + "\"";
}
std::string targetOf(const Control* control) {
  return control ? control->target : "-";
}

// --- the skin --------------------------------------------------------------------------------

enum Paint { Fondo, Boton, TextoBoton, FondoTexto, Texto, kPaints };

struct Rgb {
  int red, green, blue;
  std::string line() const {
    return "rgb " + std::to_string(red) + " " + std::to_string(green) + " " + std::to_string(blue);
  }
  std::int32_t value() const { return red + 256 * green + 65536 * blue; }
};

const std::array<Rgb, kPaints> kPalette = {{
    {235, 236, 238},  // Fondo
    {70, 130, 180},   // Boton
    {255, 255, 255},  // TextoBoton
    {255, 255, 255},  // FondoTexto
    {38, 42, 46},     // Texto
}};

// A palette colour or, with paint < 0, a 16-bit number.
struct Setting {
  std::string member;
  int paint;
  int number = 0;
};

struct SkinRule {
  std::vector<std::string> types;
  std::vector<Setting> always;
  std::vector<Setting> flat;  // only with Quitar3D
};

const std::vector<SkinRule> kSkinRules = {
    {{"TextBox"},
     {{"BackColor", FondoTexto}, {"ForeColor", Texto}},
     {{"BorderStyle", -1, 1}, {"Appearance", -1, 0}}},
    {{"CheckBox", "OptionButton"}, {{"BackColor", Fondo}, {"ForeColor", Texto}}, {}},
    {{"CommandButton"},
     {{"ForeColor", TextoBoton}},
     {{"Style", -1, 1}, {"Appearance", -1, 0}, {"BackColor", Boton}}},
};

// --- the test methods ------------------------------------------------------------------------

enum class Action { Set, Refresh, Yield, Move };
enum ButtonColour { kNoColour = -1, kColorBoton, kColorTextoBoton };

struct Step {
  Action action;
  std::string member;
  std::string value;       // as the trace writes it, unless `colour` names one of the two
  int colour = kNoColour;  // ColorBoton or ColorTextoBoton, composed at the start of the call
  int offset = 0;          // twips to the right, for a move
};

const Step kStyle1{Action::Set, "Style", "1"};
const Step kAppearance0{Action::Set, "Appearance", "0"};
const Step kBack{Action::Set, "BackColor", "", kColorBoton};
const Step kFore{Action::Set, "ForeColor", "", kColorTextoBoton};
const Step kRefresh{Action::Refresh, "", ""};
const Step kYield{Action::Yield, "", ""};

struct Method {
  std::string description;
  std::vector<Step> steps;
};

const std::vector<Method> kMethods = {
    {"Style+Appearance+Color (igual a CargarSkin)", {kStyle1, kAppearance0, kBack, kFore}},
    {"Igual a 1 + Ctl.Refresh", {kStyle1, kAppearance0, kBack, kFore, kRefresh}},
    {"Igual a 1 + Form.Refresh", {kStyle1, kAppearance0, kBack, kFore}},
    {"Orden invertido (color antes de Style)", {kBack, kFore, kStyle1, kAppearance0}},
    {"Solo BackColor, sin Style/Appearance", {kBack, kFore}},
    {"Solo Style/Appearance, sin color", {kStyle1, kAppearance0}},
    {"Igual a 1 + toggle Enabled",
     {kStyle1,
      kAppearance0,
      kBack,
      kFore,
      {Action::Set, "Enabled", "False"},
      {Action::Set, "Enabled", "True"}}},
    {"Mover 1 twip para forzar repintado",
     {kStyle1,
      kAppearance0,
      kBack,
      kFore,
      {Action::Move, "", "", kNoColour, +1},
      {Action::Move, "", "", kNoColour, -1}}},
    {"DoEvents entre cada asignacion",
     {kStyle1, kYield, kAppearance0, kYield, kBack, kYield, kFore, kYield}},
    {"Reset a estandar (para comparar)",
     {{Action::Set, "Style", "0"},
      {Action::Set, "Appearance", "1"},
      {Action::Set, "BackColor", "-2147483633"},
      {Action::Set, "ForeColor", "-2147483630"}}},
};

const Method* methodOf(int n) {
  return n >= 1 && n <= static_cast<int>(kMethods.size()) ? &kMethods[n - 1] : nullptr;
}

void runStep(Replay& replay, const Step& s, Control* control,
             const std::array<std::int32_t, 2>& colours) {
  const std::string target = targetOf(control);
  switch (s.action) {
    case Action::Set: {
      const std::string value = s.colour == kNoColour ? s.value : std::to_string(colours[s.colour]);
      replay.statement({"set " + target + "." + s.member + " " + value});
      return;
    }
    case Action::Refresh:
      replay.statement({"call " + target + ".Refresh"});
      return;
    case Action::Yield:
      replay.statement({"yield"});
      return;
    case Action::Move: {
      // Left is read afresh: a move after a refused one starts where the control is.
      const double left = control ? control->left + s.offset : 0;
      const double top = control ? control->top : 0;
      const bool moved =
          replay.statement({"get " + target + ".Left", "get " + target + ".Top",
                            "call " + target + ".Move " + number(left) + " " + number(top)});
      if (moved && control) control->left = left;
      return;
    }
  }
}

}  // namespace

std::string captionOf(int n) {
  return "Prueba " + std::to_string(n) + ": " + kMethods.at(n - 1).description;
}

Model::Model(Replay& replay) : replay_(replay) {
  for (const host::ControlDefinition& c : testbench::DefinicionForm1().controls) {
    std::string target = host::toUtf8(c.name);
    if (c.index) target.append("(").append(std::to_string(*c.index)).append(")");
    controls_.push_back({target, host::toUtf8(c.typeName), host::toUtf8(c.name), c.left, c.top});
  }
}

void Model::forEachControl(const std::function<void(Control*)>& body) {
  replay_.where(phase_ + ", starting the enumeration");
  if (!replay_.statement({"controls Form1", "start Form1"})) {
    replay_.where(phase_ + ", no control");
    body(nullptr);
    return;
  }
  for (Control& control : controls_) {
    replay_.where(phase_ + ", " + control.target);
    body(&control);
    if (!replay_.statement({"advance Form1"})) return;
  }
}

bool Model::test(std::initializer_list<std::string> lines, bool value) {
  return !replay_.statement(lines) || value;
}

void Model::load() {
  phase_ = "load";
  replay_.where(phase_);
  metodoActual_ = 0;
  skin();
}

void Model::skin(bool quitar3D) {
  std::array<std::int32_t, kPaints> palette{};
  for (int paint = 0; paint < kPaints; ++paint) {
    if (replay_.statement({kPalette[paint].line()})) palette[paint] = kPalette[paint].value();
  }
  replay_.statement({"backcolor Form1 " + std::to_string(palette[Fondo])});

  auto assign = [&](const std::string& target, const std::vector<Setting>& settings) {
    for (const Setting& s : settings) {
      const auto value = s.paint >= 0 ? palette[s.paint] : s.number;
      replay_.statement({"set " + target + "." + s.member + " " + std::to_string(value)});
    }
  };
  auto findRule = [&](const std::string& type) -> const SkinRule* {
    for (const SkinRule& rule : kSkinRules) {
      for (const std::string& name : rule.types) {
        if (test({"equals " + quoted(type) + " " + quoted(name)}, type == name)) return &rule;
      }
    }
    return nullptr;
  };

  std::string type;  // kept from one control to the next
  forEachControl([&](Control* control) {
    const std::string target = targetOf(control);
    if (replay_.statement({"type " + target})) type = control ? control->type : "";
    const SkinRule* rule = findRule(type);
    if (!rule) return;
    assign(target, rule->always);
    if (rule->flat.empty()) return;
    if (test({quitar3D ? "flag True" : "flag False"}, quitar3D)) assign(target, rule->flat);
  });
}

void Model::method(int n) {
  std::array<std::int32_t, 2> colours{};
  if (replay_.statement({"rgb 70 130 180"})) colours[kColorBoton] = 0x00B48246;
  if (replay_.statement({"rgb 255 255 255"})) colours[kColorTextoBoton] = 0x00FFFFFF;

  const Method* chosen = methodOf(n);
  forEachControl([&](Control* control) {
    const std::string target = targetOf(control);
    const std::string type = control ? control->type : "";
    const std::string name = control ? control->name : "";
    const bool selected =
        test({"type " + target, "equals " + quoted(type) + " \"CommandButton\"",
              "get " + target + ".Name", "equals " + quoted(name) + " \"Command1\""},
             type == "CommandButton" && name == "Command1");
    if (!selected || !chosen) return;
    for (const Step& s : chosen->steps) runStep(replay_, s, control, colours);
  });
  replay_.where(phase_ + ", after the loop");
  if (n == 3) replay_.statement({"refresh Form1"});
}

void Model::press() {
  const int next = metodoActual_ + 1;
  metodoActual_ = next > static_cast<int>(kMethods.size()) ? 1 : next;
  phase_ = "press " + std::to_string(++presses_) + ", method " + std::to_string(metodoActual_);
  replay_.where(phase_);
  method(metodoActual_);
  replay_.where(phase_ + ", caption");
  if (!replay_.statement({"caption Form1 " + quoted(captionOf(metodoActual_))})) {
    ++failedCaptions_;
  }
}

}  // namespace sweep
