#pragma once

#include <exception>
#include <functional>

#include "host/core/form_entry.h"
#include "host/error.h"
#include "host/forms_host.h"
#include "host/project.h"

namespace host {

// What every host does the same way whatever it keeps: the guard that every operation of the
// forms host goes through, which tells each refusal to an observer before it reaches the
// program; attaching the program's code to a form and delivering its events; and the value
// operations that need no form.
class HostBase : public FormsHost {
 public:
  // Called with every error that leaves an event handler. The event loop goes on either way.
  using ErrorReporter = std::function<void(Event, TextView source, const HostError&)>;
  void setErrorReporter(ErrorReporter reporter);
  // Called with every refusal of an operation the program asks of the host, before the error
  // goes to the caller: tools count them.
  void setRefusalObserver(std::function<void(const HostError&)> observer);

  ColorValue rgb(int red, int green, int blue) override;
  bool textEquals(TextView left, TextView right) override;
  bool flagSet(Boolean flag) override;

 protected:
  explicit HostBase(ErrorReporter reporter);

  // Runs one operation; a refusal is told to the observer and goes on to the caller.
  template <class Operation>
  auto guarded(Operation&& operation) -> decltype(operation()) {
    try {
      return operation();
    } catch (const HostError& error) {
      tellRefusal(error);
      throw;
    }
  }

  // Makes the program's code for the form, takes its handlers and delivers the load event.
  void attachCode(FormEntry& form, const Project& project);
  // Runs each of the form's handlers for the event of `source`. An error that leaves one goes to
  // the error reporter.
  void deliver(FormEntry& form, Event event, TextView source);

  // What becomes of an error other than a HostError that leaves a handler: by default it is
  // reported as an invalid value, since nothing may leave the event loop.
  virtual void escaped(Event event, TextView source, const std::exception& error);

 private:
  void tellRefusal(const HostError& error) const;

  ErrorReporter reportError_;
  std::function<void(const HostError&)> observeRefusal_;
};

}  // namespace host
