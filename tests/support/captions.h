#pragma once

#include <array>
#include <string>

namespace support {

// The caption that a press running method n writes (n from 1 to 10), written out here rather
// than built from the program's own descriptions, so that a wrong description fails the tests.
inline const std::array<std::string, 10> kCaptions = {
    "Prueba 1: Style+Appearance+Color (igual a CargarSkin)",
    "Prueba 2: Igual a 1 + Ctl.Refresh",
    "Prueba 3: Igual a 1 + Form.Refresh",
    "Prueba 4: Orden invertido (color antes de Style)",
    "Prueba 5: Solo BackColor, sin Style/Appearance",
    "Prueba 6: Solo Style/Appearance, sin color",
    "Prueba 7: Igual a 1 + toggle Enabled",
    "Prueba 8: Mover 1 twip para forzar repintado",
    "Prueba 9: DoEvents entre cada asignacion",
    "Prueba 10: Reset a estandar (para comparar)",
};

}  // namespace support
