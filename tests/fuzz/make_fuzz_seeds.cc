// Writes the seed corpora of the fuzz harnesses: small dictionaries laid out
// by the writer (with tables, odd layouts and user dictionary texts) and the
// list and data files of each English-German dictionary folder given (the
// sample dictionaries; a dictionary lexmake compiled from part of FreeDict).
#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "datafile/format.h"
#include "datafile/data_file_writer.h"
#include "translator/list_file_writer.h"

namespace {

std::string part(const std::string& bytes) {
  std::string out;
  out.push_back(static_cast<char>(bytes.size() & 0xFF));
  out.push_back(static_cast<char>(bytes.size() >> 8));
  return out + bytes;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeSeed(const std::string& folder, const std::string& name, const std::string& bytes) {
  mkdir(folder.c_str(), 0755);
  std::ofstream(folder + "/" + name, std::ios::binary | std::ios::trunc) << bytes;
}

std::string dataFile(const std::vector<std::string>& words, size_t perBlock, bool tables) {
  lexcore::DataFileLayout layout;
  std::string error;
  lexcore::buildDataFile(words, lexcore::byteCodeTable(), lexcore::planBlocks(words, perBlock), &layout, &error);
  layout.languageName = "Test";
  if (tables) {
    lexcore::OptionalRecord record;
    lexcore::makeTableRecord(lexcore::kRecordEndings, {{"", "s"}, {"y", "ies"}, {"e", "ed", "ing"}}, &record);
    layout.records.push_back(record);
    lexcore::makeTableRecord(lexcore::kRecordVariants, {{"ss", "\xdf"}, {"ae", "\xe4"}, {"c", "k", ""}}, &record);
    layout.records.push_back(record);
  }
  return lexcore::writeDataFile(layout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds OUTPUT_FOLDER [DICTIONARY_FOLDER...]\n");
    return 2;
  }
  const std::string out = argv[1];
  mkdir(out.c_str(), 0755);
  const std::vector<std::string> primary = {"Bill", "bill", "cat", "city", "house", "kiss", "street", "the cat"};
  const std::vector<std::string> secondary = {"Haus", "Katze", "Kuss", "Rechnung", "Stadt", "Stra\xdf" "e"};
  const std::string a = dataFile(primary, 3, true);
  const std::string b = dataFile(secondary, 2, false);
  lexcore::ListFileLayout list;
  list.primaryFile = "a.tdd";
  list.secondaryFile = "b.tdd";
  list.translations = {{3}, {3}, {1}, {4}, {0}, {2}, {5}, {}};
  const std::string tdl = lexcore::writeListFile(list);
  const std::string words = std::string("cats\0CITIES\0Strasse\0the dog", 27);

  writeSeed(out + "/data_file_fuzz", "generated", part(a) + part(words));
  writeSeed(out + "/data_file_fuzz", "generated_single_block", part(dataFile(primary, 100, false)) + part("bill"));
  writeSeed(out + "/translate_fuzz", "generated", part(tdl) + part(a) + part(b) + part(words));
  writeSeed(out + "/user_dictionary_fuzz", "lines",
            part("cat:Katze\r\n  house : Haus \nno colon here\r\n:empty\nlast:line") + part(std::string("dog\0Hund", 8)));

  // Each English-German dictionary folder given gives seeds named after it.
  for (int i = 2; i < argc; ++i) {
    const std::string dictionaries = argv[i];
    const std::string name = dictionaries.substr(dictionaries.find_last_of('/') + 1);
    const std::string en = readFile(dictionaries + "/ende_en.tdd");
    const std::string de = readFile(dictionaries + "/ende_de.tdd");
    const std::string enDe = readFile(dictionaries + "/en_de.tdl");
    if (en.empty() || de.empty() || enDe.empty() || en.size() > 0xFFFF || de.size() > 0xFFFF || enDe.size() > 0xFFFF) {
      std::fprintf(stderr, "make_fuzz_seeds: %s holds no English-German dictionary small enough\n",
                   dictionaries.c_str());
      return 1;
    }
    const std::string lookups = std::string("houses\0Cat\0gehen\0Haeuser", 24);
    writeSeed(out + "/data_file_fuzz", name + "_en", part(en) + part(lookups));
    writeSeed(out + "/data_file_fuzz", name + "_de", part(de) + part(lookups));
    writeSeed(out + "/translate_fuzz", name + "_en_de", part(enDe) + part(en) + part(de) + part(lookups));
  }
  return 0;
}
