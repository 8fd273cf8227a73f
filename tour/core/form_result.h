#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tour/core/picture.h"

namespace tour {

// A control's colours as read off the window's pixels: its face, and the text it shows (none
// where it shows no text).
struct Reading {
  RgbHex face = 0;
  std::optional<RgbHex> text;

  // The text's contrast on the face as the reports give it; none without text.
  std::optional<double> contrast() const;
  // Nothing it shows is unreadable: no text, or text at 4.5:1 or more.
  bool readable() const;
  bool operator==(const Reading&) const = default;
};

// One control of a skinned form, before and after the skin.
struct ControlResult {
  std::string name;       // "okButton"; "ID1001" for a dialog's control
  std::string typeName;   // as the host names its kind: "CommandButton", "Label", "QSlider"
  std::string className;  // as the platform reports it: "QPushButton", "BUTTON"
  Reading before;
  Reading after;
  std::vector<std::string> calls;    // what the skin set or called on it that the host took
  std::vector<std::string> refused;  // the calls on it that the host refused
  // The skin asked nothing of it, yet its face now differs from the form's background.
  bool patch = false;

  bool skinned() const { return !calls.empty(); }
  bool changed() const { return before != after; }
  bool operator==(const ControlResult&) const = default;
};

enum class FormOutcome {
  Skinned,    // skinned and read: the controls and pictures hold
  NotMade,    // the form could not be made: `reason` says why
  Faulted,    // making or skinning it faulted: `reason` says how
  Untrusted,  // its pixels could not be trusted: `reason` says why; ends the run with status 1
};

// Everything one form in one style gave: plain data, so that a platform can compute it in
// another process and hand it back as bytes.
struct FormResult {
  std::string form;     // "login.ui", "comdlg32.dll#1540"
  std::string style;    // the host's style name: "Fusion", "classic"
  std::string heading;  // the style and what the pixels were read on, as the reports head it
  FormOutcome outcome = FormOutcome::Skinned;
  std::string reason;  // one line, for every outcome but Skinned
  // The form's own colour, read off its pixels: none where controls cover all of it.
  std::optional<RgbHex> backgroundBefore;
  std::optional<RgbHex> backgroundAfter;
  std::vector<std::string> formCalls;  // the skin's calls on the form itself that the host took
  std::vector<std::string> formRefused;
  std::vector<ControlResult> controls;  // in the host's order
  Picture before;                       // the form's client area before the skin, and after
  Picture after;

  bool operator==(const FormResult&) const = default;
};

// A result as bytes and back. Reading gives nothing for bytes that are cut short, garbled or
// of another format, never a half result.
std::string serializeFormResult(const FormResult& result);
std::optional<FormResult> deserializeFormResult(std::string_view bytes);

}  // namespace tour
