#include "tour/win32/forms_loader.h"

namespace tour::win32 {

std::unique_ptr<FormsLoader> makeFormsLoader() {
  return nullptr;
}

}  // namespace tour::win32
