// The engine's answers in words: the application's status texts for a
// translation, and what a failed open or translation means.  People never
// see a bare result code.
#ifndef LEXDICT_MESSAGES_H
#define LEXDICT_MESSAGES_H

#include <cstdint>
#include <string>

namespace lexdict {

// The application's status text for a translation: "Dictionary is not
// open." without a translator, "Error" for a result other than TD_OK, then by
// status "Word found", "Word not found. Possible spellings returned." or
// "Word not found".  A full translation list (TD_LIST_FULL) means the word
// was found, so it reads "Word found" too.
const char* statusText(bool dictionaryOpen, int32_t result, int16_t status);

// What is wrong with the list file at `path` when TD_TransOpen answered
// `result`.
std::string listOpenProblem(int32_t result, const std::string& path);

// What is wrong with the file at `path` that begins as a dictionary list
// file but is damaged (cut short, or a wrong header size), with the engine's
// reason; empty for a sound list file or any other file.  Defined beside the
// file inspection, which reads files with the engine's own loader.
std::string damagedListFileProblem(const std::string& path);

// What is wrong with the data file at `path` when TD_TransOpenPrim or
// TD_TransOpenSec answered `result`.
std::string dataOpenProblem(int32_t result, const std::string& path);

// What a result code of TD_Translate other than TD_OK means.
std::string translateProblem(int32_t result);

enum class PathKind { Missing, Folder, Other };
// What `path` names, as far as the file system tells.
PathKind pathKind(const std::string& path);

// "no such file" or "is a folder, not a file" when `path` names no file;
// empty when it does.
std::string missingFileProblem(const std::string& path);

}  // namespace lexdict

#endif  // LEXDICT_MESSAGES_H
