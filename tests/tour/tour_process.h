#pragma once

#include <QColor>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace tour_test {

// ColorBoton as the tour's pictures show it.
inline const QColor kColorBoton(70, 130, 180);

// What one run of skinbench-tour left: its exit status and what it wrote to its two streams.
struct Run {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs skinbench-tour with `arguments`; its streams go to files in a folder of their own, so that
// they never land in the folder under test.
Run runTour(const std::vector<std::string>& arguments);

// A fresh empty folder under the system's temporary folder, removed again by the destructor.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The names of the entries of a folder, hidden ones included.
std::set<std::string> entriesOf(const std::filesystem::path& folder);

std::string readFile(const std::filesystem::path& file);

}  // namespace tour_test
