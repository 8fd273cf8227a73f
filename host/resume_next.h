#pragma once

#include <concepts>
#include <new>
#include <optional>
#include <type_traits>
#include <utility>

#include "host/error.h"
#include "host/forms_host.h"

namespace host {

// Skip-the-failing-statement mode. A routine creates one as its first step; from then on it runs
// each statement through it, one call per statement:
//
//   ResumeNext resume;
//   resume.statement([&] { color = host.rgb(70, 130, 180); });
//   if (resume.test([&] { return host.textEquals(type, u"TextBox"); })) { ... }
//   resume.forEachControl(host, form, [&](ControlRef control) { ... });
//
// A statement that fails is abandoned where it failed: its remaining parts do not run, what it
// obtained is released as the stack unwinds, nothing is reported, and the routine goes on with
// the next statement. Assign to the routine's variables only as a statement's last part, so that
// a failed statement leaves them as they were.
class ResumeNext {
 public:
  ResumeNext() = default;
  ResumeNext(const ResumeNext&) = delete;
  ResumeNext& operator=(const ResumeNext&) = delete;

  // Runs one statement. Returns whether it ran to its end.
  template <std::invocable F>
  requires std::is_void_v<std::invoke_result_t<F>>
  bool statement(F&& body) {
    try {
      std::forward<F>(body)();
      return true;
    } catch (const HostError&) {
    } catch (const std::bad_alloc&) {
    }
    return false;
  }

  // The test of a conditional or of one case of a selection. A test that fails counts as met,
  // so the statements it guards run.
  template <std::invocable F>
  requires std::same_as < std::invoke_result_t<F>,
  bool > bool test(F&& condition) {
    bool met = true;
    statement([&] { met = std::forward<F>(condition)(); });
    return met;
  }

  // A loop over every control of `form`, calling body(control) for each. Obtaining the
  // collection and starting the enumeration are one statement: if it fails, the body runs once
  // with an empty reference and the loop ends. Advancing is a statement of its own: if it fails,
  // the loop ends and the controls not yet visited are left alone.
  template <std::invocable<ControlRef> Body>
  void forEachControl(FormsHost& host, FormRef form, Body&& body) {
    std::optional<Enumerator> enumeration;
    const bool started = statement([&] {
      const ControlCollection collection = host.controls(form);
      enumeration = host.startEnumeration(collection);
    });
    if (!started) {
      body(ControlRef{});
      return;
    }
    while (!enumeration->atEnd()) {
      body(enumeration->current);
      if (!statement([&] { host.advance(*enumeration); })) return;
    }
  }
};

}  // namespace host
