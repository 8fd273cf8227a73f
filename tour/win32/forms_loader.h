#pragma once

#include <memory>

#include "tour/core/adopted_form.h"

namespace tour::win32 {

// The reader of the files --form names on this platform: the dialog templates in a program's
// resources (.exe or .dll). Empty where this build has none; the tour then refuses --form.
std::unique_ptr<FormsLoader> makeFormsLoader();

}  // namespace tour::win32
