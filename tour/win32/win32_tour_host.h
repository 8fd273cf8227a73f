#pragma once

#include <string>
#include <vector>

#include "host/win32/control_look.h"
#include "tour/core/tour_host.h"

namespace tour::win32 {

// The tour's styles on Windows: the controls as skinbench.exe has them, and the same controls
// with the platform's visual styles.
inline const std::vector<std::string> kStyles = {"classic", "themed"};

// The Win32 host as the tour runs on it: each Form1 on a host of its own, in the look of the
// current style.
class Win32TourHost final : public TourHost {
 public:
  std::string styleName() override;
  // `style` is one of kStyles.
  void useStyle(const std::string& style) override;
  // The Windows version, or Wine's version where it runs under Wine, and the active theme.
  std::string platformName() override;
  // "Classic controls, read on Wine 8.0 (theme: Light, Blue)".
  std::string verdictsHeading(const std::string& style) override;
  std::unique_ptr<FormWindow> loadForm1(std::function<void()> afterYield) override;

 private:
  host::win32::ControlLook look_ = host::win32::ControlLook::Classic;
  std::string platform_;  // looked up once
};

// What the pixels are read on: "Windows 10.0, build 19045" or, under Wine, "Wine 8.0", with the
// active theme and its colours, "(theme: Light, Blue)", or "(no theme)".
std::string systemName();

}  // namespace tour::win32
