#pragma once

#include <cstdint>

#include "host/forms_host.h"

namespace testbench {

// Gives `formulario` and its standard controls the fixed colour scheme, chosen by each control's
// type name; with Quitar3D set, text boxes and command buttons also get the flat look.
// SkinPreview is accepted and never consulted. Never reports a failure.
void CargarSkin(host::FormsHost& host, host::FormRef formulario,
                const host::Boolean& Quitar3D = host::kTrue, std::int16_t SkinPreview = -1);

}  // namespace testbench
