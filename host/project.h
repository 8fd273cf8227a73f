#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/definition.h"
#include "host/forms_host.h"

namespace host {

enum class Event { Load, Click };

// Binds one event of one source (the form itself, or a control by its name) to a handler.
// A handler either returns (success) or raises an error, which then goes to the host.
struct HandlerBinding {
  Text source;
  Event event;
  std::function<void()> handler;
};

// The program's code for one form: its state and its event handlers. The host creates it right
// after the form and its controls, keeps it for as long as the form lives, and calls the handlers.
class FormCode {
 public:
  virtual ~FormCode() = default;
  virtual std::vector<HandlerBinding> handlers() = 0;
};

// Everything the program hands to the host's Start: the start-up form's definition and how to
// make the code that goes with it.
struct Project {
  const FormDefinition* startupForm = nullptr;
  std::function<std::unique_ptr<FormCode>(FormsHost& host, FormRef form)> createCode;
  std::string applicationName = "skinbench";
  std::string version = "1.0.0.0";
  // Path of the program's icon among its built-in resources (":/skinbench.ico"); empty for none.
  std::string iconPath;
};

}  // namespace host
