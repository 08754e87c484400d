#include "test_dictionaries.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "datafile/data_file_writer.h"
#include "translator/list_file_writer.h"

namespace {
const std::vector<std::string> kWords = {"apple", "house", "tree", "water"};
}  // namespace

void writeBytes(const std::wstring& path, const std::string& bytes) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  ASSERT_NE(file, nullptr) << "cannot create a test file";
  const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  ASSERT_EQ(written, bytes.size());
}

void writeDataFile(const std::wstring& folder, const std::wstring& dataFile, const std::string& language,
                   std::vector<std::string> words) {
  std::sort(words.begin(), words.end());
  lexcore::DataFileLayout layout;
  std::string error;
  ASSERT_TRUE(lexcore::buildDataFile(words, lexcore::byteCodeTable(), lexcore::planBlocks(words, 8), &layout, &error))
      << error;
  layout.languageName = language;
  writeBytes(folder + L"\\" + dataFile, lexcore::writeDataFile(layout));
}

void writeListFile(const std::wstring& folder, const std::wstring& listFile, const std::string& primaryFile,
                   const std::string& secondaryFile, size_t primaryEntries) {
  lexcore::ListFileLayout layout;
  layout.primaryFile = primaryFile;
  layout.secondaryFile = secondaryFile;
  layout.translations.assign(primaryEntries, std::vector<uint16_t>{0});
  writeBytes(folder + L"\\" + listFile, lexcore::writeListFile(layout));
}

std::wstring dataFileOf(const std::string& language) {
  std::wstring name(language.begin(), language.begin() + std::min<size_t>(language.size(), 15));
  for (wchar_t& c : name) {
    if (!iswalnum(c)) c = L'_';
  }
  return name + L".tdd";
}

void writeDirection(const std::wstring& folder, const std::wstring& listFile, const std::string& from,
                    const std::string& to) {
  for (const std::string& language : {from, to}) {
    const std::wstring path = folder + L"\\" + dataFileOf(language);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) writeDataFile(folder, dataFileOf(language), language, kWords);
  }
  const std::wstring fromFile = dataFileOf(from);
  const std::wstring toFile = dataFileOf(to);
  writeListFile(folder, listFile, std::string(fromFile.begin(), fromFile.end()), std::string(toFile.begin(), toFile.end()),
                kWords.size());
}
