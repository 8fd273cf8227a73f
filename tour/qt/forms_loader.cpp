#include "tour/qt/forms_loader.h"

namespace tour::qt {

std::unique_ptr<FormsLoader> makeFormsLoader() {
  return nullptr;
}

}  // namespace tour::qt
