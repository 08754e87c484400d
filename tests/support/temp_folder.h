// A fresh folder for the files of one test, removed with everything in it
// when the test ends.  Native and Windows: paths are given as UTF-8 and, for
// the TD_ functions and the Windows file APIs, as wide text.
#ifndef VOCARO_TESTS_SUPPORT_TEMP_FOLDER_H
#define VOCARO_TESTS_SUPPORT_TEMP_FOLDER_H

#include <string>
#include <vector>

#include "lexcore.h"

namespace vocaro_test {

// The wide path type of the TD_ functions (UTF-16; wchar_t on Windows).
using WidePath = std::basic_string<TD_WCHAR>;

// The wide form of a UTF-8 path.  Throws on text that is not UTF-8.
WidePath widen(const std::string& path);

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& root() const { return root_; }
  std::string path(const std::string& name) const { return root_ + "/" + name; }
  WidePath widePath(const std::string& name) const { return widen(path(name)); }

  // Writes the file `name` and returns its path.
  std::string write(const std::string& name, const std::string& bytes) const;
  // The whole file; empty when it cannot be read.
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;
  // The names of the entries of the folder, sorted.
  std::vector<std::string> names() const;

 private:
  std::string root_;
};

}  // namespace vocaro_test

#endif  // VOCARO_TESTS_SUPPORT_TEMP_FOLDER_H
