#pragma once

#include <filesystem>
#include <ostream>
#include <streambuf>
#include <string>

#include "host/win32/windows_api.h"

namespace tour::win32 {

// The tour is a console program, so that a console it is started from waits for it, shows its
// lines and gets its exit status. Started by a double click, the console is its own and closes
// with it: then the files go to the user's Documents folder rather than wherever the program
// happens to lie, and the console stays open until Enter is pressed, so the last lines can be
// read.
class Console {
 public:
  Console();
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  // Standard output and standard error, written straight to the process's handles: the standard
  // library's own console streams would bring its wide streams along, which make the executable
  // larger than it may be.
  std::ostream& out() { return out_; }
  std::ostream& err() { return err_; }
  // Where the output goes when no --out is given: the current folder from a console, the
  // user's Documents folder ("skinbench-tour" in it) when the console is the tour's own.
  std::filesystem::path defaultFolder() const;
  // With a console of its own, asks for Enter before the console closes.
  void holdOpen();

 private:
  // Text for one of the process's standard handles, kept until a line ends or the stream is
  // flushed.
  class HandleBuffer final : public std::streambuf {
   public:
    explicit HandleBuffer(DWORD which) : which_(which) {}
    ~HandleBuffer() override { sync(); }
    HandleBuffer(const HandleBuffer&) = delete;
    HandleBuffer& operator=(const HandleBuffer&) = delete;

   protected:
    int_type overflow(int_type character) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

   private:
    DWORD which_;
    std::string pending_;
  };

  bool ownConsole_ = false;
  HandleBuffer outBuffer_{STD_OUTPUT_HANDLE};
  HandleBuffer errBuffer_{STD_ERROR_HANDLE};
  std::ostream out_{&outBuffer_};
  std::ostream err_{&errBuffer_};
};

}  // namespace tour::win32
