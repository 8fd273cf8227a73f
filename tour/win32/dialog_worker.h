#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "host/win32/windows_api.h"
#include "tour/core/form_result.h"

namespace tour::win32 {

// The option that starts the tour as the worker process of one file's dialogs: the tour gives it
// to itself, so --help does not name it. Its only argument is the file; it writes nothing but
// the results, to the pipe it was started with.
inline constexpr char kDialogWorkerOption[] = "--dialog-worker";

// The worker: loads the file at `path`, then skins one of its dialogs in one style per request
// read from standard input ("INDEX\tSTYLE\tPLATFORM\n") and writes each result to standard output
// as its length (4 bytes, least significant first) and serializeFormResult()'s bytes. Ends when
// its input ends. A fault ends the process at once with the exception's code as its status, for
// the tour to report.
int runDialogWorker(const std::string& path);

// The whole path of this process's program.
std::wstring runningProgram();

// The tour's side of one file's worker: a dialog that faults, or hangs, takes only the worker
// down; its result says so, and the next dialog starts a new worker.
class DialogWorker {
 public:
  // How long one dialog in one style may take in the worker before it is ended as hung.
  static constexpr int kPatienceSeconds = 120;

  // The worker of the file at `path` (UTF-8) is `program` (this program, runningProgram(), but
  // for tests) started with kDialogWorkerOption.
  DialogWorker(std::string path, std::wstring program);
  ~DialogWorker();
  DialogWorker(const DialogWorker&) = delete;
  DialogWorker& operator=(const DialogWorker&) = delete;

  // The dialog at `index` in the file's order, named `name`, skinned in `style` in the worker.
  // Throws std::runtime_error where no worker can be started.
  FormResult skin(std::size_t index, const std::string& name, const std::string& style,
                  const std::string& platform);

 private:
  struct HandleClose {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
  };
  using Handle = std::unique_ptr<void, HandleClose>;

  void start();
  void stop();
  bool send(const std::string& request);
  std::optional<std::string> receive();
  bool readExactly(char* into, std::size_t size, ULONGLONG deadline);
  std::string whyItEnded();

  std::string path_;
  std::wstring program_;
  Handle process_;
  Handle requests_;  // the worker's standard input
  Handle results_;   // its standard output
  bool timedOut_ = false;
};

}  // namespace tour::win32
