#include "testbench/skin/cargar_skin.h"

#include <array>
#include <span>
#include <variant>

#include "host/resume_next.h"

namespace testbench {
namespace {

using host::ColorValue;
using host::ControlRef;
using host::FormsHost;
using host::ResumeNext;
using host::Value;

// The palette, composed afresh at every call in this order.
enum Color { ColorFondo, ColorBoton, ColorTextoBoton, ColorFondoTexto, ColorTexto, kColores };
using Paleta = std::array<ColorValue, kColores>;

struct Componentes {
  int rojo, verde, azul;
};

constexpr std::array<Componentes, kColores> kComponentes{{
    {235, 236, 238},  // ColorFondo
    {70, 130, 180},   // ColorBoton
    {255, 255, 255},  // ColorTextoBoton
    {255, 255, 255},  // ColorFondoTexto
    {38, 42, 46},     // ColorTexto
}};

// One assignment of a rule: a palette colour, passed as a 32-bit integer, or a 16-bit number.
struct Asignacion {
  host::TextView propiedad;
  std::variant<Color, std::int16_t> valor;
};

// The settings for the controls of some type names: always, and then only with Quitar3D set.
struct Regla {
  std::span<const host::TextView> tipos;
  std::span<const Asignacion> siempre;
  std::span<const Asignacion> sinRelieve;
};

constexpr host::TextView kTiposTexto[] = {u"TextBox"};
constexpr host::TextView kTiposCasilla[] = {u"CheckBox", u"OptionButton"};
constexpr host::TextView kTiposBoton[] = {u"CommandButton"};

constexpr Asignacion kTextoSiempre[] = {{u"BackColor", ColorFondoTexto},
                                        {u"ForeColor", ColorTexto}};
constexpr Asignacion kTextoSinRelieve[] = {{u"BorderStyle", std::int16_t{1}},
                                           {u"Appearance", std::int16_t{0}}};
constexpr Asignacion kCasillaSiempre[] = {{u"BackColor", ColorFondo}, {u"ForeColor", ColorTexto}};
constexpr Asignacion kBotonSiempre[] = {{u"ForeColor", ColorTextoBoton}};
// A button's background goes only with the graphical, flat style, and after it.
constexpr Asignacion kBotonSinRelieve[] = {
    {u"Style", std::int16_t{1}}, {u"Appearance", std::int16_t{0}}, {u"BackColor", ColorBoton}};

// Tried in this order; within a rule, its type names in order.
constexpr Regla kReglas[] = {
    {kTiposTexto, kTextoSiempre, kTextoSinRelieve},
    {kTiposCasilla, kCasillaSiempre, {}},
    {kTiposBoton, kBotonSiempre, kBotonSinRelieve},
};

Value ValorDe(const Asignacion& asignacion, const Paleta& paleta) {
  if (const Color* color = std::get_if<Color>(&asignacion.valor)) {
    return Value::int32(paleta[*color]);
  }
  return Value::int16(std::get<std::int16_t>(asignacion.valor));
}

// The first rule one of whose type names equals `tipo`; a comparison that fails counts as a
// match.
const Regla* BuscarRegla(ResumeNext& resume, FormsHost& host, const host::Text& tipo) {
  for (const Regla& regla : kReglas) {
    for (const host::TextView nombre : regla.tipos) {
      if (resume.test([&] { return host.textEquals(tipo, nombre); })) return &regla;
    }
  }
  return nullptr;
}

void Asignar(ResumeNext& resume, FormsHost& host, ControlRef control,
             std::span<const Asignacion> asignaciones, const Paleta& paleta) {
  for (const Asignacion& asignacion : asignaciones) {
    resume.statement(
        [&] { host.setProperty(control, asignacion.propiedad, ValorDe(asignacion, paleta)); });
  }
}

void AplicarRegla(ResumeNext& resume, FormsHost& host, ControlRef control, const Regla& regla,
                  const Paleta& paleta, const host::Boolean& Quitar3D) {
  Asignar(resume, host, control, regla.siempre, paleta);
  if (regla.sinRelieve.empty()) return;
  if (resume.test([&] { return host.flagSet(Quitar3D); })) {
    Asignar(resume, host, control, regla.sinRelieve, paleta);
  }
}

}  // namespace

void CargarSkin(FormsHost& host, host::FormRef formulario, const host::Boolean& Quitar3D,
                std::int16_t /*SkinPreview: accepted, never consulted*/) {
  ResumeNext resume;

  Paleta paleta{};
  for (int color = 0; color < kColores; ++color) {
    const Componentes& c = kComponentes[color];
    resume.statement([&] { paleta[color] = host.rgb(c.rojo, c.verde, c.azul); });
  }

  resume.statement([&] { host.setBackColor(formulario, paleta[ColorFondo]); });

  // Kept from one control to the next: a control whose type name cannot be read is treated by
  // the type of the control before it.
  host::Text tipo;
  resume.forEachControl(host, formulario, [&](ControlRef control) {
    resume.statement([&] { tipo = host.typeName(control); });
    if (const Regla* regla = BuscarRegla(resume, host, tipo)) {
      AplicarRegla(resume, host, control, *regla, paleta, Quitar3D);
    }
  });
}

}  // namespace testbench
