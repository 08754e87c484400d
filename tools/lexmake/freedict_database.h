// The dictd databases of FreeDict (Debian's dict-freedict-* packages): an
// index NAME.index of "headword<TAB>offset<TAB>length" lines (numbers in
// base 64) and the entries themselves in NAME.dict.dz (dictzip) or
// NAME.dict.  An entry reads:
//
//    gehen /ɡˈeːən/ <v, intr>            headword, pronunciation, grammar
//   1. go <v>, walk <v>                  translations, numbered by sense
//    [geogr.] reach a place <v>          a label, then translations
//         Note: ...                      notes, examples and synonyms are
//         "Lass uns gehen!"  - Let's go!   indented: left out (the words of
//                                          examples count towards how
//                                          common a word is; selection.h)
//    see: {gehend}, {gegangen}           references: left out
//
// Each translation line holds translations separated by commas outside
// brackets (unless the headword is a sentence, of more than one word and
// ending with '.', '!' or '?': then the line is one sentence); each is cleaned as term_cleaning.h
// describes.  A pronunciation
// given after a translation ("ampere <n>A,  /ˈɑː/") belongs to an
// abbreviation that FreeDict glues to the translation: the abbreviation is
// dropped, as is any text glued to a closing '>'.  Symbols standing alone at
// the edge of a term ("Akut-Zeichen ´") are dropped.  The headword is its
// line up to the pronunciation (the first " /" outside brackets) or else its
// grammar, cleaned the same way.  The
// headword pairs with every translation of its entry; entries are read in
// the order they stand in the data.  Each pair carries the score of its
// sense (translation_ranking.h): the entry's examples (and sentences among
// its references), its other references, its notes, the labels of the
// translation and of its line, its place in its line and the line's place
// among the entry's senses (the order of a headword's entries tells
// nothing), and how much the entry's word class is used (word_classes.h).  Forms that a one-word headword's line names
// ("go /ɡˈəʊ/ (went /wˈɛnt/ <>, gone /ɡˈɒn/ <>)") and that the index lists as
// keys of the entry become forms of the headword (PairList::forms), as do
// the forms a verb's references name with a person ("{er/sie/es ist}").
// The database's own entries (00databaseinfo and the like) are skipped.
#ifndef LEXMAKE_FREEDICT_DATABASE_H
#define LEXMAKE_FREEDICT_DATABASE_H

#include <string>
#include <utility>
#include <vector>

#include "diagnostics.h"
#include "pair_list.h"
#include "progress.h"
#include "term_cleaning.h"
#include "translation_ranking.h"
#include "word_classes.h"

namespace lexmake {

// The index and data file of the database that `path` names: NAME.index,
// NAME.dict.dz or NAME.dict, or NAME itself.  False when `path` names none of
// those or no data file is beside the index.
bool findDatabaseFiles(const std::string& path, std::string* indexPath, std::string* dataPath);

// The headwords and translations of one entry's text (UTF-8), cleaned, and
// its examples (UTF-8 sentence and translation).
struct DatabaseEntry {
  std::vector<std::string> heads;
  std::vector<std::string> translations;
  std::vector<SenseEvidence> evidence;  // of each translation; `sense` counts within this entry
  std::vector<std::pair<std::string, std::string>> examples;
  std::vector<std::string> forms;  // forms of a one-word headword that its line names
  // Forms of a one-word verb that its references name with a person ("sein
  // <v>": "see: {ich bin}, {er/sie/es ist}, {ich/er/sie/es war}"); in an
  // entry with synonyms, whose forms it names too, only those that start as
  // the headword does.
  std::vector<std::string> conjugatedForms;
  // The class its headword line's grammar names, else its first translation's.
  WordClass wordClass = WordClass::Unknown;
  bool plural = false;  // its headword line's grammar names a plural ("Folgen <pl>")
};
DatabaseEntry parseDatabaseEntry(const std::string& text, TermDrops* drops);

// Adds the pairs of the database (input file `file` of `pairs`) whose
// headwords are language `headSide`, with the word class counts of both
// languages.  A bad index line, an entry outside the
// data, or damaged compressed data is an error naming the file (and line).
void readFreedictDatabase(const std::string& indexPath, const std::string& dataPath, uint16_t file, Side headSide,
                          const WordClassTables& classes, PairList* pairs, TermDrops* drops, Diagnostics* diagnostics, Progress* progress);

}  // namespace lexmake

#endif  // LEXMAKE_FREEDICT_DATABASE_H
