#include "tour/win32/adopted_dialog.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "host/text.h"
#include "host/win32/adoption.h"
#include "host/win32/convert.h"
#include "host/win32/dpi.h"
#include "host/win32/gdi.h"
#include "host/win32/win32_host.h"
#include "tour/win32/shown_window.h"

namespace tour::win32 {
namespace {

using host::win32::ControlLook;
using host::win32::Win32Host;

// Where a control draws its text, as the platform's controls draw it: across its width and down
// its height, from its left edge after `inset` pixels (at 96 dots per inch: a check box's box, a
// group box's frame), with the platform's own text layout.
enum class Across { Left, Centre, Right };
struct TextLayout {
  Across across;
  bool centredDown;
  int inset;
  UINT format;
};

// Text the reading takes in around the measured text: the glyphs' edges, and the little the
// platform's own layout differs from this one.
constexpr int kTextSlack = 2;
constexpr int kCheckBoxInset = 14;
constexpr int kFrameInset = 7;

struct TypeLayout {
  const char16_t* typeName;
  TextLayout layout;
};
const TypeLayout kTypeLayouts[] = {
    {u"CommandButton", {Across::Centre, true, 0, DT_SINGLELINE}},
    {u"CheckBox", {Across::Left, true, kCheckBoxInset, DT_SINGLELINE}},
    {u"OptionButton", {Across::Left, true, kCheckBoxInset, DT_SINGLELINE}},
    {u"Frame", {Across::Left, false, kFrameInset, DT_SINGLELINE}},
};

// A label's text by its static style; the other statics (icons, pictures, lines) show none.
struct LabelLayout {
  LONG_PTR staticType;
  Across across;
  UINT format;
};
const LabelLayout kLabelLayouts[] = {
    {SS_LEFT, Across::Left, DT_WORDBREAK},
    {SS_CENTER, Across::Centre, DT_WORDBREAK},
    {SS_RIGHT, Across::Right, DT_WORDBREAK},
    {SS_SIMPLE, Across::Left, DT_SINGLELINE},
    {SS_LEFTNOWORDWRAP, Across::Left, DT_EXPANDTABS},
};

std::optional<TextLayout> labelLayout(LONG_PTR style) {
  for (const LabelLayout& row : kLabelLayouts) {
    if ((style & SS_TYPEMASK) != row.staticType) continue;
    const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    return TextLayout{row.across, (style & SS_CENTERIMAGE) != 0, 0, row.format | prefix};
  }
  return std::nullopt;
}

std::optional<TextLayout> textBoxLayout(LONG_PTR style) {
  const Across across = (style & ES_CENTER)  ? Across::Centre
                        : (style & ES_RIGHT) ? Across::Right
                                             : Across::Left;
  return TextLayout{
      across, false, 1,
      ((style & ES_MULTILINE) ? UINT{DT_WORDBREAK} : UINT{DT_SINGLELINE}) | DT_NOPREFIX};
}

std::optional<TextLayout> layoutOf(const host::Text& typeName, LONG_PTR style) {
  if (typeName == u"Label") return labelLayout(style);
  if (typeName == u"TextBox") return textBoxLayout(style);
  for (const TypeLayout& row : kTypeLayouts) {
    if (typeName == row.typeName) return row.layout;
  }
  return std::nullopt;
}

std::wstring textOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      std::max(0, GetWindowTextW(window, text.data(), static_cast<int>(text.size())))));
  return text;
}

// The text's size in the control's own font, laid out within `width` pixels.
SIZE measured(HWND window, const std::wstring& text, UINT format, int width) {
  const host::win32::WindowDc dc(window);
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
  const host::win32::Selection selected(dc.get(), font ? font : GetStockObject(SYSTEM_FONT));
  RECT box{0, 0, width, 0};
  DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &box, format | DT_CALCRECT);
  return {box.right - box.left, box.bottom - box.top};
}

Area toArea(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

class AdoptedDialog final : public AdoptedForm {
 public:
  explicit AdoptedDialog(ControlLook look) : host_(look), screen_(host_) {}

  // Adopts the dialog; an empty string, or why it cannot be shown.
  std::string adopt(std::span<const std::byte> dialogTemplate, HINSTANCE resources,
                    const std::string& name) {
    try {
      form_ = host_.adoptDialog(dialogTemplate, resources, host::fromUtf8(name));
    } catch (const std::runtime_error& error) {
      return error.what();
    }
    dialog_ = host_.window(form_);
    shown_ = host_.shownWindow(form_);
    return unshowableBecause();
  }

  void show() { screen_.show(shown_, dialog_); }

  host::FormsHost& host() override { return host_; }
  host::FormRef form() override { return form_; }

  // The controls on show: one that is hidden, or lies outside the dialog (a message box's
  // buttons before its code places them), shows nothing that could be read.
  std::vector<AdoptedControl> controls() override {
    RECT client{};
    GetClientRect(dialog_, &client);
    std::vector<AdoptedControl> controls;
    for (const host::ControlRef control : host_.controlsOf(form_)) {
      const HWND window = host_.window(control);
      const Area area = areaOf(control);
      RECT place{area.left, area.top, area.right, area.bottom};
      RECT shown{};
      if (!IsWindowVisible(window) || !IntersectRect(&shown, &place, &client)) continue;
      controls.push_back({control, host::toUtf8(host::win32::windowClassName(window))});
    }
    return controls;
  }

  Area areaOf(host::ControlRef control) override {
    RECT place{};
    GetWindowRect(host_.window(control), &place);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&place), 2);
    return toArea(place);
  }

  std::optional<Area> textAreaOf(host::ControlRef control) override {
    const HWND window = host_.window(control);
    const std::optional<TextLayout> layout =
        layoutOf(host_.typeName(control), GetWindowLongPtrW(window, GWL_STYLE));
    const std::wstring text = textOf(window);
    if (!layout || text.empty()) return std::nullopt;
    const Area area = areaOf(control);
    const int inset = MulDiv(layout->inset, static_cast<int>(host::win32::dpiOf(window)),
                             host::win32::kStandardDpi);
    const int room = std::max(0, area.right - area.left - inset);
    const SIZE size = measured(window, text, layout->format, room);
    const int left = layout->across == Across::Left     ? inset
                     : layout->across == Across::Centre ? inset + (room - size.cx) / 2
                                                        : inset + room - size.cx;
    const int top = layout->centredDown ? (area.bottom - area.top - size.cy) / 2 : 0;
    const Area placed{area.left + left, area.top + top, area.left + left + size.cx,
                      area.top + top + size.cy};
    return placed.grown(kTextSlack).intersected(area);
  }

  void settle() override { screen_.settle(); }
  bool waitFor(const std::function<bool()>& done) override { return screen_.waitFor(done); }
  Picture render() override { return screen_.render(); }
  Picture readBack() override { return screen_.readBack(); }
  void beginWatch() override { screen_.beginWatch(); }
  std::optional<std::string> disturbance() override { return screen_.disturbance(); }

 private:
  // A dialog with no area shows nothing to read; one larger than the screen cannot be seen
  // whole. Else the dialog is moved onto the screen where its template put it partly off.
  std::string unshowableBecause() {
    RECT client{};
    GetClientRect(dialog_, &client);
    if (client.right <= 0 || client.bottom <= 0) return "it has no area to show";
    RECT outer{};
    GetWindowRect(shown_, &outer);
    const RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                      GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                      GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const SIZE size{outer.right - outer.left, outer.bottom - outer.top};
    if (size.cx > screen.right - screen.left || size.cy > screen.bottom - screen.top) {
      return "it is larger than the screen (" + std::to_string(size.cx) + "x" +
             std::to_string(size.cy) + " pixels)";
    }
    RECT inside{};
    if (!IntersectRect(&inside, &outer, &screen) || !EqualRect(&inside, &outer)) {
      SetWindowPos(shown_, nullptr, screen.left + (screen.right - screen.left - size.cx) / 2,
                   screen.top + (screen.bottom - screen.top - size.cy) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return {};
  }

  Win32Host host_;
  ShownOnScreen screen_;
  host::FormRef form_;
  HWND dialog_ = nullptr;
  HWND shown_ = nullptr;
};

}  // namespace

Opening openDialog(std::span<const std::byte> dialogTemplate, HINSTANCE resources,
                   const std::string& name, ControlLook look) {
  if (dialogTemplate.empty()) return {nullptr, "its template cannot be read from the file"};
  auto dialog = std::make_unique<AdoptedDialog>(look);
  const std::string reason = dialog->adopt(dialogTemplate, resources, name);
  if (!reason.empty()) return {nullptr, reason};
  dialog->show();
  return {std::move(dialog), {}};
}

}  // namespace tour::win32
