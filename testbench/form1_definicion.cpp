#include "testbench/form1_definicion.h"

#include <optional>

namespace testbench {
namespace {

using host::ControlDefinition;
using host::FormDefinition;
using host::StoredSetting;
using host::Value;

constexpr auto kBoton = u"CommandButton";
constexpr auto kTexto = u"TextBox";
constexpr auto kCasilla = u"CheckBox";
constexpr auto kOpcion = u"OptionButton";

// Every command button is stored flat and graphical.
std::vector<StoredSetting> AjustesBoton() {
  return {{u"Appearance", Value::int16(0)}, {u"Style", Value::int16(1)}};
}

ControlDefinition Control(const char16_t* nombre, std::optional<std::int16_t> indice,
                          const char16_t* tipo, const char16_t* titulo, double left, double top,
                          double width, double height, std::int16_t tab) {
  ControlDefinition control{nombre, indice, tipo, titulo, left, top, width, height, tab, {}};
  if (control.typeName == kBoton) control.settings = AjustesBoton();
  return control;
}

FormDefinition Construir() {
  constexpr std::nullopt_t kSinIndice = std::nullopt;
  FormDefinition form;
  form.name = u"Form1";
  form.caption = u"Form1";
  form.clientLeft = 120;
  form.clientTop = 465;
  form.clientWidth = 7680;
  form.clientHeight = 5085;
  form.controls = {
      //      name          index        type      caption       left  top   width height tab
      Control(u"cmdProbar", kSinIndice, kBoton, u"PROBAR", 5400, 3240, 2055, 615, 12),
      Control(u"Check1", 1, kCasilla, u"Check1", 2280, 3120, 1455, 495, 11),
      Control(u"Check1", 0, kCasilla, u"Check1", 240, 3000, 1455, 495, 10),
      Control(u"Option1", 1, kOpcion, u"Option1", 2040, 2400, 1575, 255, 9),
      Control(u"Option1", 0, kOpcion, u"Option1", 120, 2400, 1575, 255, 8),
      Control(u"Text1", 1, kTexto, u"Text1", 2040, 1680, 1575, 375, 7),
      Control(u"Text1", 0, kTexto, u"Text1", 240, 1680, 1575, 375, 6),
      Control(u"Command1", 3, kBoton, u"Ejecutar", 2400, 0, 2175, 615, 5),
      Control(u"Command1", 2, kBoton, u"buscar", 0, 0, 2175, 615, 4),
      Control(u"Command1", 1, kBoton, u"consultar", 4680, 0, 2175, 615, 3),
      Control(u"Command1", 4, kBoton, u"cancelar", 0, 720, 2175, 615, 2),
      Control(u"Command1", 22, kBoton, u"Guardar", 2400, 720, 2175, 615, 1),
      Control(u"Command1", 0, kBoton, u"Aceptar", 4680, 720, 2175, 615, 0),
  };
  return form;
}

}  // namespace

const FormDefinition& DefinicionForm1() {
  static const FormDefinition definicion = Construir();
  return definicion;
}

}  // namespace testbench
