// A fresh folder for the files of one test, removed with everything in it
// when the test ends.
#ifndef VOCARO_TESTS_SUPPORT_TEMP_FOLDER_H
#define VOCARO_TESTS_SUPPORT_TEMP_FOLDER_H

#include <string>
#include <vector>

namespace vocaro_test {

// The UTF-16 form of an ASCII or UTF-8 path, as the TD_ functions take it.
std::u16string widen(const std::string& path);

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& root() const { return root_; }
  std::string path(const std::string& name) const { return root_ + "/" + name; }
  std::u16string widePath(const std::string& name) const { return widen(path(name)); }

  void write(const std::string& name, const std::string& bytes) const;
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
