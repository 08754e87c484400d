// Dictionary files for the application tests, written with the engine's
// file writer: a data file per language and a list file per direction.
#ifndef LEXPAD_TESTS_TEST_DICTIONARIES_H
#define LEXPAD_TESTS_TEST_DICTIONARIES_H

#include <string>
#include <vector>

// Writes data file `folder\dataFile` of `language` holding `words`.
void writeDataFile(const std::wstring& folder, const std::wstring& dataFile, const std::string& language,
                   std::vector<std::string> words);

// Writes list file `folder\listFile` from `primaryFile` to `secondaryFile`,
// which translates every primary entry by secondary entry 0.
void writeListFile(const std::wstring& folder, const std::wstring& listFile, const std::string& primaryFile,
                   const std::string& secondaryFile, size_t primaryEntries);

// A language's data file "<name>.tdd" with a few words.
std::wstring dataFileOf(const std::string& language);

// Writes the data files of both languages (when missing) and list file
// `listFile` for the direction from -> to.
void writeDirection(const std::wstring& folder, const std::wstring& listFile, const std::string& from,
                    const std::string& to);

// Writes bytes to a file; fails the test when it cannot.
void writeBytes(const std::wstring& path, const std::string& bytes);

#endif  // LEXPAD_TESTS_TEST_DICTIONARIES_H
