#include "testbench/form1.h"

#include <memory>

#include "testbench/form1_definicion.h"
#include "testbench/skin/cargar_skin.h"

namespace testbench {

Form1::Form1(host::FormsHost& host, host::FormRef form) : host_(host), form_(form) {}

std::vector<host::HandlerBinding> Form1::handlers() {
  return {
      {u"Form1", host::Event::Load, [this] { CargarFormulario(); }},
      {u"cmdProbar", host::Event::Click, [this] { EjecutarPrueba(); }},
  };
}

void Form1::CargarSkin(host::FormRef formulario, const host::Boolean& Quitar3D,
                       std::int16_t SkinPreview) {
  testbench::CargarSkin(host_, formulario, Quitar3D, SkinPreview);
}

void Form1::CargarFormulario() {
  MetodoActual = 0;
  CargarSkin(formulario(), host::kTrue, -1);
}

host::Project ProyectoForm1() {
  host::Project proyecto;
  proyecto.startupForm = &DefinicionForm1();
  proyecto.createCode = [](host::FormsHost& host, host::FormRef form) {
    return std::make_unique<Form1>(host, form);
  };
  return proyecto;
}

}  // namespace testbench
