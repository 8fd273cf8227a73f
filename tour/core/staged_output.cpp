#include "tour/core/staged_output.h"

#include <fstream>
#include <random>
#include <system_error>

namespace tour {
namespace {

namespace fs = std::filesystem;

// The folders from the first missing one down to `folder` itself.
std::vector<fs::path> missingFolders(const fs::path& folder) {
  std::vector<fs::path> missing;
  std::error_code failure;
  fs::path path = fs::absolute(folder, failure).lexically_normal();
  if (failure) return missing;
  if (!path.has_filename()) path = path.parent_path();  // "out/" names the folder "out"
  while (!fs::exists(path, failure) && !path.empty()) {
    missing.insert(missing.begin(), path);
    const fs::path parent = path.parent_path();
    if (parent == path) break;
    path = parent;
  }
  return missing;
}

// A hidden folder of a name no other run picks, made inside `folder`; empty when none could be.
fs::path makeStagingFolder(const fs::path& folder) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = ".skinbench-tour-";
    for (int at = 0; at < 6; ++at) name += kLetters[letter(random)];
    std::error_code failure;
    if (fs::create_directory(folder / name, failure)) return folder / name;
    if (failure) return {};
  }
  return {};
}

}  // namespace

fs::path pathFromUtf8(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

StagedOutput::StagedOutput(const std::string& folder)
    : folderText_(folder), folder_(pathFromUtf8(folder)) {
  created_ = missingFolders(folder_);
  std::error_code failure;
  fs::create_directories(folder_, failure);
  if (failure || !fs::is_directory(folder_, failure)) {
    created_.clear();
    fail("cannot create the folder");
    return;
  }
  staging_ = makeStagingFolder(folder_);
  if (staging_.empty()) fail("cannot write into it");
}

StagedOutput::~StagedOutput() {
  std::error_code ignored;
  if (!staging_.empty()) fs::remove_all(staging_, ignored);
  if (committed_) return;
  for (auto folder = created_.crbegin(); folder != created_.crend(); ++folder) {
    fs::remove(*folder, ignored);  // only while empty: a folder somebody filled meanwhile stays
  }
}

bool StagedOutput::fail(const std::string& reason) {
  error_ = folderText_ + ": " + reason;
  return false;
}

bool StagedOutput::writeBytes(const std::string& name, const std::string& bytes) {
  if (!ready()) return false;
  std::ofstream file(staging_ / pathFromUtf8(name), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) return fail("cannot write " + name);
  staged_.push_back(name);
  return true;
}

bool StagedOutput::writePng(const std::string& name, const Picture& picture) {
  if (!ready()) return false;
  const std::string bytes = encodePng(picture);
  if (bytes.empty()) return fail("cannot write " + name);
  return writeBytes(name, bytes);
}

bool StagedOutput::writeText(const std::string& name, const std::string& bytes) {
  return writeBytes(name, bytes);
}

bool StagedOutput::commit() {
  if (!ready()) return false;
  for (const std::string& name : staged_) {
    std::error_code failure;
    fs::rename(staging_ / pathFromUtf8(name), folder_ / pathFromUtf8(name), failure);
    if (failure) return fail("cannot move " + name + " into place");
  }
  committed_ = true;
  return true;
}

}  // namespace tour
