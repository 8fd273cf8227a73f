// The worker process of a file's dialogs: a dialog whose making faults ends only its worker, and
// the next dialog of the same file is skinned in a new one.
#include <gtest/gtest.h>

#include <string>

#include "host/text.h"
#include "host/win32/convert.h"
#include "tour/win32/dialog_file.h"
#include "tour/win32/dialog_worker.h"

namespace tour::win32 {
namespace {

std::size_t indexOf(const DialogFile& file, const std::string& shown) {
  for (std::size_t at = 0; at < file.dialogs().size(); ++at) {
    if (file.dialogs()[at].shown() == shown) return at;
  }
  ADD_FAILURE() << "no dialog " << shown;
  return 0;
}

TEST(DialogWorker, AFaultEndsOnlyItsWorker) {
  const DialogFile file(SKINBENCH_TEST_DIALOGS);
  const host::Text tour = host::fromUtf8(SKINBENCH_TOUR);
  DialogWorker worker(SKINBENCH_TEST_DIALOGS, host::win32::wide(tour));
  const struct {
    const char* dialog;
    FormOutcome outcome;
    const char* says;
  } steps[] = {
      {"999", FormOutcome::Faulted, "the process that made it ended with exception 0xC0000005"},
      {"102", FormOutcome::Skinned, ""},
  };
  for (const auto& [dialog, outcome, says] : steps) {
    const FormResult result = worker.skin(indexOf(file, dialog), dialog, "classic", "Wine");
    EXPECT_EQ(result.outcome, outcome) << dialog << ": " << result.reason;
    EXPECT_EQ(result.reason.substr(0, std::string(says).size()), says) << dialog;
  }
}

}  // namespace
}  // namespace tour::win32
