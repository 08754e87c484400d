// How a translated word is printed: a block for people, or one JSON object
// on one line for scripts.
#ifndef LEXDICT_OUTCOME_OUTPUT_H
#define LEXDICT_OUTCOME_OUTPUT_H

#include <ostream>

#include "word_lookup.h"

namespace lexdict {

// The word, then one line per translation and per suggestion, then the
// status in the application's words:
//   Haus
//     translation: house
//     status: Word found
void printForPeople(std::ostream& out, const WordOutcome& outcome, int transSize);

// {"word": "...", "result": 0, "status": 0, "translations": [...], "suggestions": [...]}
// with null as the result when the engine was not asked.
void printJson(std::ostream& out, const WordOutcome& outcome);

}  // namespace lexdict

#endif  // LEXDICT_OUTCOME_OUTPUT_H
