#include "tour/win32/dialog_worker.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "host/text.h"
#include "host/win32/convert.h"
#include "host/win32/error_report.h"
#include "tour/core/tour_program.h"
#include "tour/win32/forms_loader.h"

namespace tour::win32 {
namespace {

constexpr DWORD kPollMs = 5;
constexpr DWORD kEndingMs = 5000;
constexpr std::size_t kLengthBytes = 4;
constexpr DWORD kFirstException = 0xC0000000;

// The names of the faults a dialog is likeliest to meet.
struct FaultName {
  DWORD code;
  const char* name;
};
constexpr FaultName kFaultNames[] = {
    {EXCEPTION_ACCESS_VIOLATION, "access violation"},
    {EXCEPTION_STACK_OVERFLOW, "stack overflow"},
    {EXCEPTION_ILLEGAL_INSTRUCTION, "illegal instruction"},
    {EXCEPTION_INT_DIVIDE_BY_ZERO, "division by zero"},
};

std::string statusWords(DWORD status) {
  if (status < kFirstException) return "status " + std::to_string(status);
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(status));
  std::string words = std::string("exception ") + code;
  for (const FaultName& fault : kFaultNames) {
    if (fault.code == status) words += std::string(" (") + fault.name + ")";
  }
  return words;
}

// A fault ends the worker at once, its code the process's status: no debugger, no dialog.
LONG WINAPI endOnFault(EXCEPTION_POINTERS* fault) {
  TerminateProcess(GetCurrentProcess(), fault->ExceptionRecord->ExceptionCode);
  return EXCEPTION_EXECUTE_HANDLER;
}

bool readLine(HANDLE input, std::string& line) {
  line.clear();
  char c = 0;
  DWORD read = 0;
  while (ReadFile(input, &c, 1, &read, nullptr) && read == 1) {
    if (c == '\n') return true;
    line += c;
  }
  return false;
}

bool writeAll(HANDLE output, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    DWORD now = 0;
    const auto left = static_cast<DWORD>(bytes.size() - written);
    if (!WriteFile(output, bytes.data() + written, left, &now, nullptr) || now == 0) return false;
    written += now;
  }
  return true;
}

std::string lengthPrefixed(const std::string& bytes) {
  std::string framed(kLengthBytes, '\0');
  for (std::size_t at = 0; at < kLengthBytes; ++at) {
    framed[at] = static_cast<char>((bytes.size() >> (8 * at)) & 0xFF);
  }
  return framed + bytes;
}

struct Request {
  std::size_t index = 0;
  std::string style;
  std::string platform;
};

std::optional<Request> parsed(const std::string& line) {
  const std::size_t first = line.find('\t');
  const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
  if (second == std::string::npos || first == 0) return std::nullopt;
  constexpr std::size_t kMostDigits = 9;
  const std::string index = line.substr(0, first);
  if (index.size() > kMostDigits || index.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  return Request{std::stoul(index), line.substr(first + 1, second - first - 1),
                 line.substr(second + 1)};
}

std::wstring wideOf(const std::string& utf8) {
  const host::Text text = host::fromUtf8(utf8);
  return std::wstring(host::win32::wide(text), text.size());
}

}  // namespace

int runDialogWorker(const std::string& path) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  SetUnhandledExceptionFilter(endOnFault);
  LoadedFile file = loadDialogsHere(path);
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  std::string line;
  while (readLine(input, line)) {
    const std::optional<Request> request = parsed(line);
    if (!request || request->index >= file.forms.size()) return kUnusable;
    FormEntry& entry = *file.forms[request->index];
    const FormResult result = entry.skin(request->style, request->platform);
    if (!writeAll(output, lengthPrefixed(serializeFormResult(result)))) return kFailed;
  }
  return 0;
}

std::wstring runningProgram() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

DialogWorker::DialogWorker(std::string path, std::wstring program)
    : path_(std::move(path)), program_(std::move(program)) {}

DialogWorker::~DialogWorker() {
  stop();
}

FormResult DialogWorker::skin(std::size_t index, const std::string& name, const std::string& style,
                              const std::string& platform) {
  if (!process_) start();
  const std::string request = std::to_string(index) + '\t' + style + '\t' + platform + '\n';
  const std::optional<std::string> bytes = send(request) ? receive() : std::nullopt;
  if (bytes) {
    if (std::optional<FormResult> result = deserializeFormResult(*bytes)) return *result;
  }
  FormResult faulted;
  faulted.form = name;
  faulted.style = style;
  faulted.outcome = FormOutcome::Faulted;
  faulted.reason = bytes ? "what the process that made it gave back cannot be read" : whyItEnded();
  stop();
  return faulted;
}

// Two pipes, the worker's ends inherited by it alone: the tour keeps its own ends to itself.
void DialogWorker::start() {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE requestsIn = nullptr, requestsOut = nullptr, resultsIn = nullptr, resultsOut = nullptr;
  if (!CreatePipe(&requestsIn, &requestsOut, &inherited, 0)) {
    throw std::runtime_error("no pipe to a worker process: " +
                             host::win32::systemErrorText(GetLastError()));
  }
  const Handle workerInput(requestsIn);
  requests_.reset(requestsOut);
  if (!CreatePipe(&resultsIn, &resultsOut, &inherited, 0)) {
    throw std::runtime_error("no pipe from a worker process: " +
                             host::win32::systemErrorText(GetLastError()));
  }
  const Handle workerOutput(resultsOut);
  results_.reset(resultsIn);
  SetHandleInformation(requestsOut, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(resultsIn, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = requestsIn;
  startup.hStdOutput = resultsOut;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  std::wstring commandLine =
      L"\"" + program_ + L"\" " + wideOf(kDialogWorkerOption) + L" \"" + wideOf(path_) + L"\"";
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program_.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                      nullptr, &startup, &started)) {
    throw std::runtime_error("the worker process could not be started: " +
                             host::win32::systemErrorText(GetLastError()));
  }
  CloseHandle(started.hThread);
  process_.reset(started.hProcess);
  timedOut_ = false;
  // Its windows come to the foreground as the tour's would.
  AllowSetForegroundWindow(started.dwProcessId);
}

void DialogWorker::stop() {
  requests_.reset();  // the worker ends at the end of its input
  if (process_ && WaitForSingleObject(process_.get(), kEndingMs) != WAIT_OBJECT_0) {
    TerminateProcess(process_.get(), ERROR_TIMEOUT);
    WaitForSingleObject(process_.get(), kEndingMs);
  }
  results_.reset();
  process_.reset();
}

bool DialogWorker::send(const std::string& request) {
  DWORD written = 0;
  return WriteFile(requests_.get(), request.data(), static_cast<DWORD>(request.size()), &written,
                   nullptr) &&
         written == request.size();
}

std::optional<std::string> DialogWorker::receive() {
  const ULONGLONG deadline = GetTickCount64() + ULONGLONG{1000} * kPatienceSeconds;
  char length[kLengthBytes];
  if (!readExactly(length, kLengthBytes, deadline)) return std::nullopt;
  std::size_t size = 0;
  for (std::size_t at = 0; at < kLengthBytes; ++at) {
    size |= std::size_t{static_cast<unsigned char>(length[at])} << (8 * at);
  }
  std::string bytes(size, '\0');
  if (!readExactly(bytes.data(), size, deadline)) return std::nullopt;
  return bytes;
}

// Polled rather than waited on: the worker may end, or hang, without closing its end of the
// pipe (a process it started may hold it), and the tour must go on either way.
bool DialogWorker::readExactly(char* into, std::size_t size, ULONGLONG deadline) {
  std::size_t got = 0;
  while (got < size) {
    DWORD waiting = 0;
    if (!PeekNamedPipe(results_.get(), nullptr, 0, nullptr, &waiting, nullptr)) return false;
    if (waiting > 0) {
      DWORD now = 0;
      const auto wanted = static_cast<DWORD>(std::min<std::size_t>(waiting, size - got));
      if (!ReadFile(results_.get(), into + got, wanted, &now, nullptr) || now == 0) return false;
      got += now;
    } else if (WaitForSingleObject(process_.get(), kPollMs) == WAIT_OBJECT_0) {
      // Whatever it wrote before it ended is still in the pipe.
      if (!PeekNamedPipe(results_.get(), nullptr, 0, nullptr, &waiting, nullptr) || !waiting) {
        return false;
      }
    } else if (GetTickCount64() >= deadline) {
      timedOut_ = true;
      TerminateProcess(process_.get(), ERROR_TIMEOUT);
      return false;
    }
  }
  return true;
}

std::string DialogWorker::whyItEnded() {
  if (timedOut_) {
    return "it did not finish within " + std::to_string(kPatienceSeconds) + " s";
  }
  DWORD status = STILL_ACTIVE;
  if (process_) {
    WaitForSingleObject(process_.get(), kEndingMs);
    GetExitCodeProcess(process_.get(), &status);
  }
  return "the process that made it ended with " + statusWords(status);
}

}  // namespace tour::win32
