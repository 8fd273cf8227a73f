#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "tests/tour/tour_process.h"

namespace {

using tour_test::entriesOf;
using tour_test::runTour;
using tour_test::TempFolder;

// The tour's message is one line that names the program and says what was wrong; Qt may have
// warned of its own before.
void expectOneLineMessage(const tour_test::Run& run, const std::string& about) {
  EXPECT_EQ(run.status, 2);
  std::vector<std::string> messages;
  std::istringstream err(run.err);
  for (std::string line; std::getline(err, line);) {
    if (line.rfind("skinbench-tour: ", 0) == 0) messages.push_back(line);
  }
  ASSERT_EQ(messages.size(), 1u) << run.err;
  EXPECT_NE(messages[0].find(about), std::string::npos) << run.err;
  EXPECT_TRUE(run.out.empty()) << run.out;
}

TEST(TourRefusal, UnknownStyleLeavesAnExistingFolderEmpty) {
  const TempFolder folder;
  const auto run = runTour({"--out", folder.path().string(), "--style", "NoSuchStyle"});
  expectOneLineMessage(run, "unknown style \"NoSuchStyle\"");
  EXPECT_TRUE(entriesOf(folder.path()).empty());
}

TEST(TourRefusal, UnknownStyleCreatesNoFolder) {
  const TempFolder folder;
  const auto run = runTour({"--style=NoSuchStyle", "--out", (folder.path() / "out").string()});
  expectOneLineMessage(run, "unknown style");
  EXPECT_TRUE(entriesOf(folder.path()).empty());
}

TEST(TourRefusal, FolderBelowAFileCannotBeWritten) {
  const TempFolder folder;
  std::ofstream(folder.path() / "file") << "x";
  const auto target = folder.path() / "file" / "out";
  const auto run = runTour({"--out", target.string(), "--style", "Fusion"});
  expectOneLineMessage(run, target.string());
  EXPECT_EQ(entriesOf(folder.path()), std::set<std::string>{"file"});
  EXPECT_EQ(tour_test::readFile(folder.path() / "file"), "x");
}

TEST(TourRefusal, ReadOnlyFolderCannotBeWritten) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const TempFolder folder;
  const auto target = folder.path() / "locked";
  std::filesystem::create_directory(target);
  std::filesystem::permissions(
      target, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const auto run = runTour({"--out", target.string(), "--style", "Fusion"});
  expectOneLineMessage(run, "cannot write");
  EXPECT_TRUE(entriesOf(target).empty());
}

TEST(TourRefusal, UnknownOptionAndMissingValue) {
  const TempFolder folder;
  expectOneLineMessage(runTour({"--colour", "red"}), "unknown option \"--colour\"");
  expectOneLineMessage(runTour({"--out", folder.path().string(), "--style"}),
                       "--style needs a value");
  EXPECT_TRUE(entriesOf(folder.path()).empty());
}

TEST(TourRefusal, HelpPrintsUsageAndWritesNothing) {
  const TempFolder folder;
  const auto run = runTour({"--out", folder.path().string(), "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("Usage: skinbench-tour", 0), 0u) << run.out;
  EXPECT_TRUE(entriesOf(folder.path()).empty());
}

}  // namespace
