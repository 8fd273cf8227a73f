#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/error.h"
#include "tests/support/refusals.h"
#include "tests/win32/form1_window.h"

namespace winbench {
namespace {

using host::ErrorCode;
using host::HostError;
using host::Value;

template <class Operation>
ErrorCode refusalOf(Operation operation) {
  try {
    operation();
  } catch (const HostError& error) {
    return error.code();
  }
  ADD_FAILURE() << "not refused";
  return ErrorCode::Refused;
}

// The Win32 host refuses what every host of ours refuses, and a refused assignment changes
// nothing. Each refusal is told to the observer (the tour counts them).
TEST(Win32Refusals, RefuseUnknownReadOnlyMismatchedAndUnknownSystemColours) {
  Form1Window form1;
  auto& host = form1.host();
  int observed = 0;
  host.setRefusalObserver([&](const HostError&) { ++observed; });
  const host::ControlRef aceptar = form1.control(u"Command1", 0);
  EXPECT_EQ(refusalOf([&] { host.getProperty(aceptar, u"Colour"); }), ErrorCode::UnknownMember);
  EXPECT_EQ(refusalOf([&] { host.callMethod(aceptar, u"Flash", {}); }), ErrorCode::UnknownMember);
  EXPECT_EQ(refusalOf([&] { host.getProperty(form1.control(u"Text1", 0), u"Style"); }),
            ErrorCode::UnknownMember);
  EXPECT_EQ(refusalOf([&] { host.setProperty(aceptar, u"Name", Value::text(u"X")); }),
            ErrorCode::ReadOnly);
  EXPECT_EQ(refusalOf([&] { host.setProperty(aceptar, u"BackColor", Value::text(u"red")); }),
            ErrorCode::TypeMismatch);
  EXPECT_EQ(refusalOf([&] { host.setProperty(aceptar, u"Style", Value::int16(2)); }),
            ErrorCode::InvalidValue);
  for (const std::uint32_t unknown : {0x80000019u, 0x8000001Fu, 0x80000100u}) {
    for (const char16_t* colour : {u"BackColor", u"ForeColor"}) {
      EXPECT_EQ(refusalOf([&] {
                  host.setProperty(aceptar, colour,
                                   Value::int32(static_cast<host::ColorValue>(unknown)));
                }),
                ErrorCode::InvalidValue)
          << host::toUtf8(colour) << " " << std::hex << unknown;
    }
    EXPECT_EQ(
        refusalOf([&] { host.setBackColor(form1.form(), static_cast<host::ColorValue>(unknown)); }),
        ErrorCode::InvalidValue);
  }
  EXPECT_EQ(observed, 6 + 3 * 3);  // every refusal above, each told once
  EXPECT_EQ(host.getProperty(aceptar, u"BackColor"), Value::int32(RGB(70, 130, 180)));
  EXPECT_EQ(host.getProperty(aceptar, u"ForeColor"), Value::int32(RGB(255, 255, 255)));
  EXPECT_EQ(host.getProperty(aceptar, u"Style"), Value::int16(1));
  host.setProperty(aceptar, u"BackColor", Value::int32(host::systemColor(30)));
  EXPECT_EQ(host.getProperty(aceptar, u"BackColor"), Value::int32(host::systemColor(30)));
}

TEST(Win32Refusals, TellTheObserverOfEachRefusal) {
  Form1Window form1;
  support::expectEachRefusalObserved(form1.host(), form1.control(u"Command1", 0));
}

// A click handler that fails on its first run.
class FailingCode final : public host::FormCode {
 public:
  explicit FailingCode(int& runs) : runs_(runs) {}
  std::vector<host::HandlerBinding> handlers() override {
    return {{u"cmdProbar", host::Event::Click, [this] {
               if (++runs_ == 1) throw HostError(ErrorCode::NoObject, "no object: on purpose");
             }}};
  }

 private:
  int& runs_;
};

std::string readAll(HANDLE pipe) {
  std::string text;
  char buffer[512];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  return text;
}

// What the process writes to the debugger's output: the platform raises each line as an
// exception that a vectored handler sees first, and then goes on as without it.
std::string debugOutput;

LONG CALLBACK catchDebugOutput(EXCEPTION_POINTERS* exception) {
  constexpr DWORD kNarrow = 0x40010006, kWide = 0x4001000A;
  const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
  if (record.ExceptionCode == kNarrow && record.NumberParameters >= 2) {
    debugOutput += reinterpret_cast<const char*>(record.ExceptionInformation[1]);
  } else if (record.ExceptionCode == kWide && record.NumberParameters >= 2) {
    for (const wchar_t* c = reinterpret_cast<const wchar_t*>(record.ExceptionInformation[1]); *c;
         ++c) {
      debugOutput.push_back(static_cast<char>(*c));
    }
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

// An error that leaves a handler is reported on standard error and to the debugger, and the
// window goes on working.
TEST(Win32Errors, ReportAnErrorThatReachesTheHostAndKeepTheWindowUsable) {
  int runs = 0;
  host::Project project = testbench::ProyectoForm1();
  project.createCode = [&runs](host::FormsHost&, host::FormRef) {
    return std::make_unique<FailingCode>(runs);
  };
  Form1Window form1(project);
  HANDLE reading = nullptr, writing = nullptr;
  ASSERT_TRUE(CreatePipe(&reading, &writing, nullptr, 1 << 16));
  const HANDLE standardError = GetStdHandle(STD_ERROR_HANDLE);
  SetStdHandle(STD_ERROR_HANDLE, writing);
  void* watcher = AddVectoredExceptionHandler(1, catchDebugOutput);
  form1.click(form1.child(u"cmdProbar"));
  const bool ran = form1.waitFor([&] { return runs == 1; });
  RemoveVectoredExceptionHandler(watcher);
  SetStdHandle(STD_ERROR_HANDLE, standardError);
  CloseHandle(writing);
  const std::string report = readAll(reading);
  CloseHandle(reading);
  ASSERT_TRUE(ran);
  const std::string line =
      "skinbench: the click of cmdProbar failed: error 5 (no object): no object: on purpose";
  EXPECT_NE(report.find(line), std::string::npos) << report;
  EXPECT_NE(debugOutput.find(line), std::string::npos) << debugOutput;
  form1.click(form1.child(u"cmdProbar"));
  EXPECT_TRUE(form1.waitFor([&] { return runs == 2; }));
  EXPECT_TRUE(IsWindowVisible(form1.window()));
}

}  // namespace
}  // namespace winbench
