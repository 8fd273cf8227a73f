#include "run.h"

#include <exception>

#include "host/memory/memory_host.h"
#include "testbench/form1.h"
#include "testbench/form1_acceso.h"
#include "testbench/form1_definicion.h"
#include "testbench/metodos.h"
#include "tests/support/form1_fixture.h"

namespace sweep {

namespace {

using host::memory::Call;
using host::memory::MemoryHost;
using host::memory::Operation;

void refuseAsPlanned(MemoryHost& host, const Refusals& refused) {
  host.refuse([refused](const Call& call) { return refused(call.ordinal); });
}

std::size_t countRefused(const std::vector<Call>& calls) {
  std::size_t count = 0;
  for (const Call& call : calls) count += call.error == host::ErrorCode::Refused;
  return count;
}

// Walks the expected statements over the trace; a divergence becomes a problem.
bool replay(const std::vector<Call>& calls, const Refusals& refused,
            const std::function<void(support::Oracle&)>& expected,
            std::vector<std::string>& problems) {
  Replay walk(calls, refused);
  support::Oracle oracle(walk, testbench::DefinicionForm1());
  try {
    expected(oracle);
    walk.finish();
    return true;
  } catch (const Diverged& diverged) {
    problems.push_back(diverged.what());
    return false;
  }
}

// "Prueba <n>: <description>", with the description that DescripcionMetodo gives for n.
void checkCaption(const std::string& caption, std::vector<std::string>& problems) {
  const std::string prefix = "Prueba ";
  const std::size_t colon = caption.find(": ");
  int n = 0;
  try {
    if (caption.rfind(prefix, 0) != 0 || colon == std::string::npos) throw std::exception();
    n = std::stoi(caption.substr(prefix.size(), colon - prefix.size()));
  } catch (const std::exception&) {
    problems.push_back("a caption that names no method: " + caption);
    return;
  }
  const std::string description = caption.substr(colon + 2);
  if (n < 1 || n > kPresses ||
      description != host::toUtf8(testbench::DescripcionMetodo(static_cast<std::int16_t>(n)))) {
    problems.push_back("number and description disagree: " + caption);
  }
}

void checkCaptions(const std::vector<Call>& calls, std::vector<std::string>& problems) {
  for (const Call& call : calls) {
    if (call.operation == Operation::SetCaption && !call.error) {
      checkCaption(host::toUtf8(call.arguments.at(0).asText()), problems);
    }
  }
}

// Only a failed caption set may leave the click handler, and nothing the load handler.
void checkReported(const std::vector<host::memory::ReportedError>& reported, int failedCaptions,
                   std::vector<std::string>& problems) {
  if (static_cast<int>(reported.size()) != failedCaptions) {
    problems.push_back("errors reached the host: " + std::to_string(reported.size()) +
                       ", failed caption sets: " + std::to_string(failedCaptions));
  }
  for (const auto& error : reported) {
    if (error.event != host::Event::Click || error.source != u"cmdProbar" ||
        error.code != host::ErrorCode::Refused) {
      problems.push_back("an error from a step of no handler's own reached the host: " +
                         error.message);
    }
  }
}

}  // namespace

std::vector<std::string> checkPresses(const Presses& run, const Refusals& refused) {
  std::vector<std::string> problems = run.escaped;
  for (std::size_t press = 0; press < run.numbers.size(); ++press) {
    if (run.numbers[press] < 0 || run.numbers[press] > kPresses) {
      problems.push_back("MetodoActual out of range after press " + std::to_string(press + 1) +
                         ": " + std::to_string(run.numbers[press]));
    }
  }

  int failedCaptions = 0;
  const bool walked = replay(
      run.calls, refused,
      [&](support::Oracle& oracle) {
        oracle.load();
        for (std::size_t press = 0; press < run.numbers.size(); ++press) {
          oracle.press();
          if (oracle.metodoActual() != run.numbers[press]) {
            throw Diverged("MetodoActual after press " + std::to_string(press + 1) + " is " +
                           std::to_string(run.numbers[press]) + ", expected " +
                           std::to_string(oracle.metodoActual()));
          }
        }
        failedCaptions = oracle.failedCaptions();
      },
      problems);
  if (walked) checkReported(run.reported, failedCaptions, problems);
  checkCaptions(run.calls, problems);
  return problems;
}

Presses runPresses(MemoryHost& host, const Refusals& refused) {
  refuseAsPlanned(host, refused);
  Presses run{host.calls(), host.reportedErrors(), {}, {}};
  try {
    const host::FormRef form = host.start(testbench::ProyectoForm1());
    auto& code = dynamic_cast<testbench::Form1&>(*host.code(form));
    const host::ControlRef probar = host.control(form, u"cmdProbar");
    for (int press = 0; press < kPresses; ++press) {
      host.click(probar);
      run.numbers.push_back(testbench::Form1Acceso::MetodoActual(code));
    }
  } catch (const std::exception& escaped) {
    run.escaped.push_back(std::string("an error escaped to the run: ") + escaped.what());
  }
  return run;
}

RunResult pressRun(const Refusals& refused) {
  MemoryHost host;
  const Presses run = runPresses(host, refused);
  return {run.calls.size(), countRefused(run.calls), checkPresses(run, refused)};
}

RunResult routineRun(const Routine& routine, const std::function<void(support::Oracle&)>& expected,
                     const Refusals& refused) {
  RunResult result;
  MemoryHost host;
  refuseAsPlanned(host, refused);
  const host::FormRef form = host.addForm(testbench::DefinicionForm1());
  try {
    routine(host, form);
  } catch (const std::exception& escaped) {
    result.problems.push_back(std::string("an error escaped the routine: ") + escaped.what());
  }
  replay(host.calls(), refused, expected, result.problems);
  result.calls = host.calls().size();
  result.refused = countRefused(host.calls());
  return result;
}

}  // namespace sweep
