#pragma once

#include <unistd.h>

#include <cstdio>
#include <string>

// Sends everything written to standard error (file descriptor 2) into a scratch file until
// finish(), which puts standard error back and returns what was written.
class StderrCapture {
 public:
  StderrCapture() : file_(std::tmpfile()), saved_(dup(STDERR_FILENO)) {
    std::fflush(stderr);
    if (file_) dup2(fileno(file_), STDERR_FILENO);
  }
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;
  ~StderrCapture() { finish(); }

  std::string finish() {
    if (!file_) return {};
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    std::string written;
    std::rewind(file_);
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file_)) > 0;) {
      written.append(buffer, n);
    }
    std::fclose(file_);
    file_ = nullptr;
    return written;
  }

 private:
  std::FILE* file_;
  int saved_;
};
