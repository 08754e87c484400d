#include "pair_files.h"

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>
#include <thread>

#include "translator/list_file.h"
#include "translator/list_file_writer.h"

namespace lexmake {
namespace {

namespace fs = std::filesystem;

// A rename or read that fails is tried this often, this far apart: another
// program may hold the file open for a lookup.
constexpr int kRetries = 20;
constexpr std::chrono::milliseconds kRetryWait(50);

std::function<bool(const std::string&)>& stepFailure() {
  static std::function<bool(const std::string&)> fails;
  return fails;
}

std::string listBytes(const CompiledPair& pair, const Language& from, const Language& to, int spare) {
  lexcore::ListFileLayout layout;
  layout.primaryFile = dataFileName(pair, from, spare);
  layout.secondaryFile = dataFileName(pair, to, spare);
  layout.translations = from.code == pair.a.code ? pair.aToB : pair.bToA;
  return lexcore::writeListFile(layout);
}

// The files of the pair with its data files under spare name `spare`.
std::vector<PairFile> spareFiles(const CompiledPair& pair, const std::vector<PairFile>& files, int spare) {
  return {
      {dataFileName(pair, pair.a, spare), files[0].bytes},
      {dataFileName(pair, pair.b, spare), files[1].bytes},
      {listFileName(pair.a, pair.b), listBytes(pair, pair.a, pair.b, spare)},
      {listFileName(pair.b, pair.a), listBytes(pair, pair.b, pair.a, spare)},
  };
}

// File names compare without letter case: some systems ignore it.
std::string folded(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

bool hasListExtension(const fs::path& path) { return folded(path.extension().u8string()) == ".tdl"; }

// The data file names that the list files in `output` name, folded.  False
// with a reason when a list file cannot be read: its data files are unknown.
// A file too short for a header names nothing, as the engine refuses it.
bool namedDataFiles(const std::string& output, std::set<std::string>* names, std::string* error) {
  std::error_code ec;
  fs::directory_iterator it(fs::u8path(output), ec);
  if (ec == std::errc::no_such_file_or_directory) return true;
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    if (!hasListExtension(it->path()) || !it->is_regular_file(typeError)) continue;
    char header[lexcore::kListHeaderSize] = {};
    std::streamsize got = -1;
    for (int attempt = 1; got < 0 && attempt <= kRetries; ++attempt) {
      if (attempt > 1) std::this_thread::sleep_for(kRetryWait);
      std::ifstream in(it->path(), std::ios::binary);
      if (!in.is_open()) continue;
      in.read(header, sizeof header);
      if (!in.bad()) got = in.gcount();
    }
    if (got < 0) {
      *error = "cannot read " + it->path().u8string() + " to learn which data files it names";
      return false;
    }
    if (got < static_cast<std::streamsize>(sizeof header)) continue;
    for (const size_t offset : {lexcore::kPrimaryNameOffset, lexcore::kSecondaryNameOffset}) {
      const std::string field(header + offset, lexcore::kFileNameSize - 1);
      names->insert(folded(field.substr(0, field.find('\0'))));
    }
  }
  if (ec) *error = "cannot list the folder " + output + ": " + ec.message();
  return !ec;
}

bool isNamed(const std::set<std::string>& names, const std::string& name) { return names.count(folded(name)) > 0; }

// Moves the set in `from` into `output`: the data files, then the list
// files.  Returns how many files moved, with a reason in `error` when not
// all did.
size_t moveSet(const std::vector<PairFile>& files, const std::string& from, const std::string& output,
               std::string* error) {
  size_t moved = 0;
  while (moved < files.size() &&
         replaceFile(joinPath(from, files[moved].name), joinPath(output, files[moved].name), error))
    ++moved;
  return moved;
}

// Publishes a set by moveSet; a failure between the list files names them.
bool publishSet(const std::vector<PairFile>& files, const std::string& from, const std::string& output,
                std::string* error) {
  const size_t moved = moveSet(files, from, output, error);
  if (moved == 3) *error += "; " + files[2].name + " is new, " + files[3].name + " is the earlier one";
  return moved == files.size();
}

}  // namespace

std::string listFileName(const Language& from, const Language& to) { return from.code + "_" + to.code + ".tdl"; }

std::string dataFileName(const CompiledPair& pair, const Language& of, int spare) {
  return pair.a.code + pair.b.code + "_" + of.code + (spare == 0 ? "" : "-" + std::to_string(spare)) + ".tdd";
}

std::vector<PairFile> pairFiles(const CompiledPair& pair) {
  return {
      {dataFileName(pair, pair.a), lexcore::writeDataFile(pair.fileA)},
      {dataFileName(pair, pair.b), lexcore::writeDataFile(pair.fileB)},
      {listFileName(pair.a, pair.b), listBytes(pair, pair.a, pair.b, 0)},
      {listFileName(pair.b, pair.a), listBytes(pair, pair.b, pair.a, 0)},
  };
}

std::string stagingFolder(const CompiledPair& pair, const std::string& output) {
  return joinPath(output, ".lexmake-" + pair.a.code + "_" + pair.b.code);
}

std::string joinPath(const std::string& folder, const std::string& name) {
  return (fs::u8path(folder) / fs::u8path(name)).u8string();
}

bool writePairFiles(const std::vector<PairFile>& files, const std::string& folder, std::string* error) {
  std::error_code ec;
  if (stepFails("create " + fs::u8path(folder).filename().u8string())) {
    ec = std::make_error_code(std::errc::io_error);
  } else {
    fs::create_directories(fs::u8path(folder), ec);
  }
  if (ec) {
    *error = "cannot create the folder " + folder + ": " + ec.message();
    return false;
  }
  for (const PairFile& file : files) {
    const std::string path = joinPath(folder, file.name);
    std::ofstream out(fs::u8path(path), std::ios::binary | std::ios::trunc);
    out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    out.close();
    if (!out || stepFails("write " + file.name)) {
      *error = "cannot write " + path;
      return false;
    }
  }
  return true;
}

bool publishPairFiles(const CompiledPair& pair, const std::vector<PairFile>& files, const std::string& staging,
                      const std::string& output, std::string* error) {
  std::set<std::string> named;
  if (!namedDataFiles(output, &named, error)) return false;
  if (isNamed(named, files[0].name) || isNamed(named, files[1].name)) {
    // The usual data files are in use: publish under spare names first.
    int spare = 1;
    while (spare <= kSpareNames &&
           (isNamed(named, dataFileName(pair, pair.a, spare)) || isNamed(named, dataFileName(pair, pair.b, spare))))
      ++spare;
    if (spare > kSpareNames) {
      *error = "list files in " + output + " name every spare name of the data files " + files[0].name + " and " +
               files[1].name;
      return false;
    }
    const std::string detour = joinPath(staging, "spare");
    const std::vector<PairFile> spares = spareFiles(pair, files, spare);
    if (!writePairFiles(spares, detour, error) || !publishSet(spares, detour, output, error)) return false;
    named.clear();
    // Another list file may name the usual data files: they stay, and the
    // set stays under its spare names.
    const bool usualNamed = namedDataFiles(output, &named, error) &&
                            (isNamed(named, files[0].name) || isNamed(named, files[1].name));
    if (usualNamed) return true;
    if (error->empty() && moveSet(files, staging, output, error) == files.size()) return true;
    // Whichever list files moved, each names new data files.
    *error += "; the new set is published, with the data files " + spares[0].name + " and " + spares[1].name;
    return false;
  }
  return publishSet(files, staging, output, error);
}

void removeLeftovers(const CompiledPair& pair, const std::string& output) {
  const std::string staging = stagingFolder(pair, output);
  std::error_code ec;
  if (fs::exists(fs::u8path(staging), ec) && !stepFails("remove " + fs::u8path(staging).filename().u8string()))
    removeFolder(staging);
  std::set<std::string> named;
  std::string error;
  // Which data files are in use is unknown: all stay.
  if (!namedDataFiles(output, &named, &error)) return;
  for (int spare = 0; spare <= kSpareNames; ++spare) {
    for (const Language* language : {&pair.a, &pair.b}) {
      const std::string name = dataFileName(pair, *language, spare);
      const fs::path path = fs::u8path(joinPath(output, name));
      if (isNamed(named, name) || !fs::exists(path, ec) || stepFails("remove " + name)) continue;
      fs::remove(path, ec);
    }
  }
}

void removeFolder(const std::string& folder) {
  std::error_code ignored;
  fs::remove_all(fs::u8path(folder), ignored);
}

bool replaceFile(const std::string& from, const std::string& to, std::string* error) {
  const fs::path target = fs::u8path(to);
  std::error_code ec;
  if (stepFails("move " + target.filename().u8string())) {
    ec = std::make_error_code(std::errc::io_error);
  } else {
    for (int attempt = 1;; ++attempt) {
      fs::rename(fs::u8path(from), target, ec);
      if (!ec || ec == std::errc::no_such_file_or_directory || attempt == kRetries) break;
      std::this_thread::sleep_for(kRetryWait);
    }
  }
  if (ec) *error = "cannot move " + target.filename().u8string() + " into " + target.parent_path().u8string() +
                   ": " + ec.message();
  return !ec;
}

void setStepFailure(std::function<bool(const std::string& step)> fails) { stepFailure() = std::move(fails); }

bool stepFails(const std::string& step) { return stepFailure() && stepFailure()(step); }

}  // namespace lexmake
