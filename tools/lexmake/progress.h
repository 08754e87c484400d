// A progress bar for the long steps of a large compile, drawn on one line
// of standard error and cleared when the step ends.  It draws only when
// enabled (standard error is a terminal), so that logs and pipes get the
// summary alone.
#ifndef LEXMAKE_PROGRESS_H
#define LEXMAKE_PROGRESS_H

#include <cstdint>
#include <ostream>
#include <string>

namespace lexmake {

class Progress {
 public:
  Progress(std::ostream& out, bool enabled) : out_(out), enabled_(enabled) {}
  ~Progress() { finish(); }
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // Starts a step of `total` units (at least 1) named `what`.
  void start(const std::string& what, uint64_t total);
  // `done` of the step's units are done; redraws when the percentage changed.
  void update(uint64_t done);
  // Clears the bar.
  void finish();

 private:
  void draw(int percent);

  std::ostream& out_;
  bool enabled_;
  bool shown_ = false;
  std::string what_;
  uint64_t total_ = 1;
  int percent_ = -1;
};

}  // namespace lexmake

#endif  // LEXMAKE_PROGRESS_H
