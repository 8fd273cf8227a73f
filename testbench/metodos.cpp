#include "testbench/metodos.h"

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

// The two button colours, composed afresh at every call.
enum Color { ColorBoton, ColorTextoBoton, kColores };
using Colores = std::array<ColorValue, kColores>;

// What one step of a method does to the current control.
enum class Accion { Asignar, Refrescar, Ceder, Mover };

// The value of an assignment, with the kind it is passed to the host as: one of the two button
// colours or a fixed colour (32-bit), a 16-bit number, or a boolean.
using Valor = std::variant<Color, ColorValue, std::int16_t, host::Boolean>;

struct Paso {
  Accion accion;
  const char16_t* propiedad = nullptr;
  Valor valor{};
  int desplazamiento = 0;  // twips to the right, for Accion::Mover
};

constexpr Paso Asignar(const char16_t* propiedad, Valor valor) {
  return {Accion::Asignar, propiedad, valor};
}
constexpr Paso Style(std::int16_t valor) {
  return Asignar(u"Style", valor);
}
constexpr Paso Appearance(std::int16_t valor) {
  return Asignar(u"Appearance", valor);
}
constexpr Paso BackColor(Valor valor) {
  return Asignar(u"BackColor", valor);
}
constexpr Paso ForeColor(Valor valor) {
  return Asignar(u"ForeColor", valor);
}
constexpr Paso Enabled(bool valor) {
  return Asignar(u"Enabled", host::Boolean::of(valor));
}

constexpr Paso kRefrescar{Accion::Refrescar};
constexpr Paso kCeder{Accion::Ceder};
constexpr Paso kMoverDerecha{Accion::Mover, nullptr, {}, +1};
constexpr Paso kMoverIzquierda{Accion::Mover, nullptr, {}, -1};

constexpr ColorValue kCaraEstandar = host::systemColor(15);
constexpr ColorValue kTextoEstandar = host::systemColor(18);

constexpr Paso kPasos1[] = {Style(1), Appearance(0), BackColor(ColorBoton),
                            ForeColor(ColorTextoBoton)};
constexpr Paso kPasos2[] = {Style(1), Appearance(0), BackColor(ColorBoton),
                            ForeColor(ColorTextoBoton), kRefrescar};
constexpr Paso kPasos4[] = {BackColor(ColorBoton), ForeColor(ColorTextoBoton), Style(1),
                            Appearance(0)};
constexpr Paso kPasos5[] = {BackColor(ColorBoton), ForeColor(ColorTextoBoton)};
constexpr Paso kPasos6[] = {Style(1), Appearance(0)};
constexpr Paso kPasos7[] = {
    Style(1),       Appearance(0), BackColor(ColorBoton), ForeColor(ColorTextoBoton),
    Enabled(false), Enabled(true)};
constexpr Paso kPasos8[] = {
    Style(1),      Appearance(0),  BackColor(ColorBoton), ForeColor(ColorTextoBoton),
    kMoverDerecha, kMoverIzquierda};
constexpr Paso kPasos9[] = {Style(1),
                            kCeder,
                            Appearance(0),
                            kCeder,
                            BackColor(ColorBoton),
                            kCeder,
                            ForeColor(ColorTextoBoton),
                            kCeder};
constexpr Paso kPasos10[] = {Style(0), Appearance(1), BackColor(kCaraEstandar),
                             ForeColor(kTextoEstandar)};

struct Metodo {
  const char16_t* descripcion;
  std::span<const Paso> pasos;      // on each selected control, in order
  bool refrescaFormulario = false;  // once, after the last control
};

// Method N is kMetodos[N - 1].
constexpr std::array<Metodo, kUltimoMetodo> kMetodos{{
    {u"Style+Appearance+Color (igual a CargarSkin)", kPasos1},
    {u"Igual a 1 + Ctl.Refresh", kPasos2},
    {u"Igual a 1 + Form.Refresh", kPasos1, true},
    {u"Orden invertido (color antes de Style)", kPasos4},
    {u"Solo BackColor, sin Style/Appearance", kPasos5},
    {u"Solo Style/Appearance, sin color", kPasos6},
    {u"Igual a 1 + toggle Enabled", kPasos7},
    {u"Mover 1 twip para forzar repintado", kPasos8},
    {u"DoEvents entre cada asignacion", kPasos9},
    {u"Reset a estandar (para comparar)", kPasos10},
}};

const Metodo* BuscarMetodo(std::int16_t N) {
  if (N < 1 || N > kUltimoMetodo) return nullptr;
  return &kMetodos[static_cast<std::size_t>(N - 1)];
}

Value ValorDe(const Valor& valor, const Colores& colores) {
  struct Visitante {
    const Colores& colores;
    Value operator()(Color color) const { return Value::int32(colores[color]); }
    Value operator()(ColorValue color) const { return Value::int32(color); }
    Value operator()(std::int16_t numero) const { return Value::int16(numero); }
    Value operator()(host::Boolean logico) const { return Value::boolean(logico); }
  };
  return std::visit(Visitante{colores}, valor);
}

// Reads the position afresh, so a move that follows a refused one starts where the control is.
void Mover(FormsHost& host, ControlRef control, int desplazamiento) {
  const double left = host.getProperty(control, u"Left").asNumber() + desplazamiento;
  const Value top = host.getProperty(control, u"Top");
  const Value argumentos[] = {Value::number(left), top};
  host.callMethod(control, u"Move", argumentos);
}

void Ejecutar(FormsHost& host, ControlRef control, const Paso& paso, const Colores& colores) {
  switch (paso.accion) {
    case Accion::Asignar:
      host.setProperty(control, paso.propiedad, ValorDe(paso.valor, colores));
      return;
    case Accion::Refrescar:
      host.callMethod(control, u"Refresh", {});
      return;
    case Accion::Ceder:
      host.yield();
      return;
    case Accion::Mover:
      Mover(host, control, paso.desplazamiento);
      return;
  }
}

// Both parts are asked of every control, type first, so the "Name" of a text box is read too. A
// test that fails counts as met: the control is then treated as selected.
bool EsSeleccionado(ResumeNext& resume, FormsHost& host, ControlRef control) {
  return resume.test([&] {
    const bool esBoton = host.textEquals(host.typeName(control), u"CommandButton");
    const bool esCommand1 =
        host.textEquals(host.getProperty(control, u"Name").asText(), u"Command1");
    return esBoton && esCommand1;
  });
}

}  // namespace

void AplicarMetodo(FormsHost& host, host::FormRef formulario, std::int16_t N) {
  ResumeNext resume;
  Colores colores{};
  resume.statement([&] { colores[ColorBoton] = host.rgb(70, 130, 180); });
  resume.statement([&] { colores[ColorTextoBoton] = host.rgb(255, 255, 255); });

  const Metodo* metodo = BuscarMetodo(N);
  resume.forEachControl(host, formulario, [&](ControlRef control) {
    if (!EsSeleccionado(resume, host, control) || !metodo) return;
    for (const Paso& paso : metodo->pasos) {
      resume.statement([&] { Ejecutar(host, control, paso, colores); });
    }
  });

  if (metodo && metodo->refrescaFormulario) resume.statement([&] { host.refresh(formulario); });
}

host::Text DescripcionMetodo(std::int16_t N) {
  const Metodo* metodo = BuscarMetodo(N);
  return metodo ? host::Text(metodo->descripcion) : host::Text();
}

}  // namespace testbench
