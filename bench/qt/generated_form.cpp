#include "bench/qt/generated_form.h"

#include <cmath>

#include "testbench/form1_definicion.h"

namespace bench {
namespace {

// Cells of 64 x 24 pixels, in twips.
constexpr double kCellWidth = 960;
constexpr double kCellHeight = 360;
constexpr double kMargin = 30;

// The k-th copy of a control array's member gets an index past every earlier copy's; the k-th
// copy of a single control gets a name of its own, so that only Command1 stays selected.
void makeUnique(host::ControlDefinition& control, std::size_t copy, std::int16_t stride) {
  if (copy == 0) return;
  if (control.index) {
    control.index = static_cast<std::int16_t>(*control.index + stride * copy);
  } else {
    control.name += host::decimal(static_cast<std::int64_t>(copy));
  }
}

}  // namespace

host::FormDefinition generatedForm(std::size_t count) {
  const auto& pattern = testbench::DefinicionForm1().controls;
  constexpr std::int16_t kStride = 23;  // above every index in the pattern
  const auto columns = static_cast<std::size_t>(std::ceil(std::sqrt(count * 3.0)));
  const std::size_t rows = (count + columns - 1) / columns;

  host::FormDefinition form;
  form.name = u"Generado";
  form.caption = u"Generado";
  form.clientWidth = static_cast<double>(columns) * kCellWidth;
  form.clientHeight = static_cast<double>(rows) * kCellHeight;
  form.controls.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    host::ControlDefinition control = pattern[i % pattern.size()];
    makeUnique(control, i / pattern.size(), kStride);
    control.left = static_cast<double>(i % columns) * kCellWidth;
    control.top = static_cast<double>(i / columns) * kCellHeight;
    control.width = kCellWidth - kMargin;
    control.height = kCellHeight - kMargin;
    control.tabIndex = static_cast<std::int16_t>(i % 32768);
    form.controls.push_back(std::move(control));
  }
  return form;
}

}  // namespace bench
