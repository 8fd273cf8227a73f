#pragma once

#include <cstdint>
#include <vector>

#include "host/forms_host.h"
#include "host/project.h"

namespace testbench {

// The program's one window: its state (MetodoActual) and its two event handlers. The host makes
// the window and its controls from DefinicionForm1() and creates this object alongside.
class Form1 final : public host::FormCode {
 public:
  Form1(host::FormsHost& host, host::FormRef form);

  std::vector<host::HandlerBinding> handlers() override;

  // The form's one public operation: skins any form, this one or another.
  void CargarSkin(host::FormRef formulario, const host::Boolean& Quitar3D = host::kTrue,
                  std::int16_t SkinPreview = -1);

  // Form1 where a generic form is expected.
  host::FormRef formulario() const { return form_; }

 private:
  friend struct Form1Acceso;  // the one way in for tools and tests (form1_acceso.h)

  void CargarFormulario();  // the load handler
  void EjecutarPrueba();    // the click of cmdProbar: one test cycle

  host::FormsHost& host_;
  host::FormRef form_;
  // The number of the last test method run: 0 until the first press, then 1 to 10.
  std::int16_t MetodoActual = 0;
};

// The project description the entry hands to the host's Start.
host::Project ProyectoForm1();

}  // namespace testbench
