#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>

#include "tour/core/staged_output.h"

namespace tour {
namespace {

namespace fs = std::filesystem;

std::set<std::string> entriesOf(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::u8string name = entry.path().filename().u8string();
    names.insert(std::string(name.begin(), name.end()));
  }
  return names;
}

class StagedOutputTest : public testing::Test {
 protected:
  StagedOutputTest() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = fs::temp_directory_path() / ("staged-output-" + std::to_string(now));
    fs::create_directory(root_);
  }
  ~StagedOutputTest() override { fs::remove_all(root_); }

  // A folder two levels below the root, neither there yet, named outside ASCII as a user's may be.
  std::string target() const {
    const std::u8string root = root_.u8string();
    return std::string(root.begin(), root.end()) + "/salida-ñ/dentro";
  }

  fs::path root_;
};

TEST_F(StagedOutputTest, FilesAppearAllAtOnceInTheFolderNamed) {
  {
    StagedOutput output(target());
    ASSERT_TRUE(output.ready()) << output.error();
    ASSERT_TRUE(output.writeText("a.md", "texto\n"));
    ASSERT_TRUE(output.writePng("b.png", Picture(2, 1, 0x4682b4)));
    EXPECT_EQ(entriesOf(pathFromUtf8(target())).size(), 1u);  // the hidden staging folder alone
    ASSERT_TRUE(output.commit()) << output.error();
  }
  EXPECT_EQ(entriesOf(root_), std::set<std::string>{"salida-ñ"});
  EXPECT_EQ(entriesOf(pathFromUtf8(target())), (std::set<std::string>{"a.md", "b.png"}));
}

TEST_F(StagedOutputTest, WithoutCommitNothingIsLeftNotEvenTheFoldersItMade) {
  {
    StagedOutput output(target());
    ASSERT_TRUE(output.writeText("a.md", "texto\n"));
  }
  EXPECT_TRUE(entriesOf(root_).empty());
}

}  // namespace
}  // namespace tour
