// What lexdict needs from the operating system, and nothing else: its
// arguments as UTF-8, the folder of its executable, environment variables,
// standard streams that pass bytes through unchanged, what separates folders
// in a path, and the list files of a folder.
// host_posix.cc and host_windows.cc implement it; no other file of lexdict
// touches platform calls.
#ifndef LEXDICT_HOST_H
#define LEXDICT_HOST_H

#include <cstddef>
#include <string>
#include <vector>

namespace lexdict {

// The program's arguments after the program name, as UTF-8.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Sets the standard streams to pass bytes unchanged (no line end or
// end-of-file translation) and a console to show UTF-8.
void prepareStandardStreams();

// The folder that holds the running executable, without a trailing
// separator; empty when it cannot be found.
std::string executableFolder();

// The value of the environment variable `name` as UTF-8; empty when it is not
// set.
std::string environmentVariable(const char* name);

// The separator put between a folder and a file name.
extern const char kFolderSeparator;

// The length of the folder part of `path`: everything up to and including its
// last folder separator; 0 for a bare file name.
size_t folderPartLength(const std::string& path);

// The names (UTF-8, without folder) of the dictionary list files in `folder`:
// those that match "*.tdl", letter case aside, in no particular order.  False
// when the folder cannot be read.
bool findListFiles(const std::string& folder, std::vector<std::string>* names);

}  // namespace lexdict

#endif  // LEXDICT_HOST_H
