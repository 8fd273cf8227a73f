#pragma once

#include <filesystem>
#include <optional>

namespace tour::win32 {

// The tour is a console program, so that a console it is started from waits for it, shows its
// lines and gets its exit status. Started by a double click, the console is its own and closes
// with it: then the files go to the user's Documents folder rather than wherever the program
// happens to lie, and the console stays open until Enter is pressed, so the last lines can be
// read.
class Console {
 public:
  Console();
  // Where the output goes when no --out is given: the current folder from a console, the
  // user's Documents folder ("skinbench-tour" in it) when the console is the tour's own.
  std::filesystem::path defaultFolder() const;
  // With a console of its own, asks for Enter before the console closes.
  void holdOpen() const;

 private:
  bool ownConsole_ = false;
};

}  // namespace tour::win32
