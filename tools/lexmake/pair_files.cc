#include "pair_files.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "writer/list_file_writer.h"

namespace lexmake {
namespace {

std::string listBytes(const CompiledPair& pair, const Language& from, const Language& to,
                      const std::vector<std::vector<uint16_t>>& translations) {
  lexcore::ListFileLayout layout;
  layout.primaryFile = dataFileName(pair, from);
  layout.secondaryFile = dataFileName(pair, to);
  layout.translations = translations;
  return lexcore::writeListFile(layout);
}

}  // namespace

std::string listFileName(const Language& from, const Language& to) { return from.code + "_" + to.code + ".tdl"; }

std::string dataFileName(const CompiledPair& pair, const Language& of) {
  return pair.a.code + pair.b.code + "_" + of.code + ".tdd";
}

std::vector<PairFile> pairFiles(const CompiledPair& pair) {
  return {
      {dataFileName(pair, pair.a), lexcore::writeDataFile(pair.fileA)},
      {dataFileName(pair, pair.b), lexcore::writeDataFile(pair.fileB)},
      {listFileName(pair.a, pair.b), listBytes(pair, pair.a, pair.b, pair.aToB)},
      {listFileName(pair.b, pair.a), listBytes(pair, pair.b, pair.a, pair.bToA)},
  };
}

std::string stagingFolder(const CompiledPair& pair, const std::string& output) {
  return joinPath(output, ".lexmake-" + pair.a.code + pair.b.code);
}

std::string joinPath(const std::string& folder, const std::string& name) {
  return (std::filesystem::u8path(folder) / std::filesystem::u8path(name)).u8string();
}

bool writePairFiles(const std::vector<PairFile>& files, const std::string& folder, std::string* error) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::u8path(folder), ec);
  if (ec) {
    *error = "cannot create the folder " + folder + ": " + ec.message();
    return false;
  }
  for (const PairFile& file : files) {
    const std::string path = joinPath(folder, file.name);
    std::ofstream out(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
    out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    out.close();
    if (!out) {
      *error = "cannot write " + path;
      return false;
    }
  }
  return true;
}

bool publishPairFiles(const std::vector<PairFile>& files, const std::string& staging, const std::string& output,
                      std::string* error) {
  for (const PairFile& file : files) {
    std::error_code ec;
    std::filesystem::rename(std::filesystem::u8path(joinPath(staging, file.name)),
                            std::filesystem::u8path(joinPath(output, file.name)), ec);
    if (ec) {
      *error = "cannot move " + file.name + " into " + output + ": " + ec.message();
      return false;
    }
  }
  removeFolder(staging);
  return true;
}

void removeFolder(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::u8path(folder), ignored);
}

}  // namespace lexmake
