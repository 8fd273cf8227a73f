#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tour/core/picture.h"

namespace tour {

// The tour's output folder as the user named it (UTF-8), as a path on either system.
std::filesystem::path pathFromUtf8(const std::string& utf8);

// Output that appears all at once or not at all: files are written into a hidden staging folder
// inside the target folder and renamed into place by commit(). Until then, and on any failure,
// nothing is left behind: the staging folder goes, and so do the folders this object created.
class StagedOutput {
 public:
  // Creates `folder` (UTF-8) if it is missing and the staging folder inside it; ready() says
  // whether that worked, error() why not.
  explicit StagedOutput(const std::string& folder);
  ~StagedOutput();
  StagedOutput(const StagedOutput&) = delete;
  StagedOutput& operator=(const StagedOutput&) = delete;

  bool ready() const { return error_.empty(); }
  const std::string& error() const { return error_; }

  bool writePng(const std::string& name, const Picture& picture);
  bool writeText(const std::string& name, const std::string& bytes);
  // Moves every staged file into the target folder, replacing files of the same name.
  bool commit();

 private:
  bool fail(const std::string& reason);
  bool writeBytes(const std::string& name, const std::string& bytes);

  std::string folderText_;
  std::filesystem::path folder_;
  std::vector<std::filesystem::path> created_;  // folders made here, outermost first
  std::filesystem::path staging_;
  std::vector<std::string> staged_;
  bool committed_ = false;
  std::string error_;
};

// `picture` as a PNG file's bytes, 8-bit RGB.
std::string encodePng(const Picture& picture);

}  // namespace tour
