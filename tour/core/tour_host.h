#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/forms_host.h"
#include "host/handles.h"
#include "tour/core/picture.h"

namespace tour {

// The window's pixels cannot be read back as the window system shows them. Verdicts read off
// such pixels would be wrong, so the tour stops instead.
class ReadBackError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A window on screen as the active window, kept from the user's pointer and keys, whose pixels
// the tour reads back and checks against its own painting. Pictures and areas are in the
// window's device pixels, the client area's top left corner at (0, 0).
class ShownWindow {
 public:
  virtual ~ShownWindow() = default;

  // Runs every event that is waiting, painting included, until none is left.
  virtual void settle() = 0;
  // Runs events until `done` holds or the host's patience runs out; says whether it held.
  virtual bool waitFor(const std::function<bool()>& done) = 0;

  // The window as it paints itself now, rendered afresh and not read from the screen.
  virtual Picture render() = 0;
  // What the window system shows for the window. Throws ReadBackError where it cannot be read.
  virtual Picture readBack() = 0;

  // From now on, notes what could spoil a read-back without showing in it: the window system
  // asking for part of the window again, the window losing the activation.
  virtual void beginWatch() = 0;
  // What happened since beginWatch(), in a few words; nothing when the window stayed sound.
  virtual std::optional<std::string> disturbance() = 0;
};

// One Form1 loaded on a host and shown. The host layer implements it; the tour's runs drive it.
class FormWindow : public ShownWindow {
 public:
  // The host Form1 runs on, to read its controls' properties back.
  virtual host::FormsHost& host() = 0;
  // The form's controls in the host's order.
  virtual std::vector<host::ControlRef> controls() = 0;

  // Presses PROBAR through the button's own click, once: pressNext() runs the method that
  // follows the last one, as a person's press does; pressFor() runs `method` (1 to 10).
  virtual void pressNext() = 0;
  virtual void pressFor(int method) = 0;
  // pressFor(), reading the window back the moment PROBAR's click handler has returned.
  virtual Picture pressForReadingAtReturn(int method) = 0;
  // How long waitFor() waits at most, for messages.
  virtual int patienceSeconds() const = 0;

  virtual std::string title() = 0;

  // Where a control is, and where a button draws its caption, in the window's device pixels.
  virtual Area areaOf(host::ControlRef control) = 0;
  virtual Area captionOf(host::ControlRef control) = 0;

  // Host calls refused since the last resetRefused().
  virtual int refused() const = 0;
  virtual void resetRefused() = 0;
};

// A host the tour runs on: it loads Form1 in a style and says what the pixels are read on.
class TourHost {
 public:
  virtual ~TourHost() = default;

  // The style in use, by the name the reports give it.
  virtual std::string styleName() = 0;
  // Draws from now on in `style`, one of the host's own style names.
  virtual void useStyle(const std::string& style) = 0;
  // What the pixels are read on, for the reports: "offscreen", or a system and its theme.
  virtual std::string platformName() = 0;
  // The heading of the table of `style`'s verdicts: the style and what the pixels are read on,
  // in the host's own words.
  virtual std::string verdictsHeading(const std::string& style) = 0;
  // Loads a fresh Form1 and shows it as the active window; throws ReadBackError where it does not
  // come on screen so. Form1's code runs on a host that calls `afterYield` after each yield.
  virtual std::unique_ptr<FormWindow> loadForm1(std::function<void()> afterYield = {}) = 0;
};

// What the contact sheets need drawn that the core cannot draw: text, and smooth scaling.
class SheetPainter {
 public:
  virtual ~SheetPainter() = default;

  // A band of `width` x `height` pixels filled with `background`, `text` centred on it in `ink`,
  // elided at the right where it does not fit.
  virtual Picture label(const std::string& text, int width, int height, RgbHex background,
                        RgbHex ink) = 0;
  // `picture` scaled smoothly to `width` x `height`.
  virtual Picture scaled(const Picture& picture, int width, int height) = 0;
};

}  // namespace tour
