#pragma once

#include <memory>

#include "tour/core/adopted_form.h"

namespace tour::qt {

// The reader of the files --form names on this platform: Designer forms (.ui files), loaded with
// Qt's own loader. Empty where this build has none; the tour then refuses --form.
std::unique_ptr<FormsLoader> makeFormsLoader();

}  // namespace tour::qt
