// Turns a term as a real dictionary writes it into clean words for the data
// files.  Dictionaries mark their terms up; what the marks say is not part
// of the word a user types, so it is dropped:
//
//   {m} {pl} {vt}         grammar marks in braces
//   [Br.] [techn.]        usage and subject labels in brackets
//   <n> <v, trans>        part-of-speech marks in angle brackets
//   (on a menu) (sich)    explanations and optional parts in parentheses
//   sb. sth. jdn. etw.    placeholders for an object ("etw. ändern" becomes
//                         "ändern"), also joined by a slash ("jdn./etw."),
//                         to an article and a noun ("jdm./einer Sache"), and
//                         "einer Sache" after a preposition
//   an, mit, über, ...    a German preposition between a placeholder's
//                         object and the verb ("sich an etw. gewöhnen"
//                         becomes "gewöhnen")
//   and, or, und, oder    a conjunction left at the end by the objects it
//                         joined ("compare sth. and sth." becomes "compare")
//   sich                  a reflexive pronoun that starts a phrase
//                         ("sich freuen" becomes "freuen")
//   ´ :-) $               symbols at either end of a term
//   to                    the infinitive mark of an English verb, where the
//                         caller says the term is a verb ("to go" becomes "go")
//
// The hyphens U+2010 and U+2011 become ASCII hyphens.  A single word with
// slashes stands for its alternatives: "colour/color"
// gives "colour" and "color".  Whole terms are dropped, and counted, when
// they cannot become one clean word or phrase:
//   - a phrase with a slash ("er/sie geht"): its alternatives are unclear;
//   - an incomplete phrase, with "…" or "..." in it;
//   - nothing left after the marks are dropped;
//   - a character that Windows-1252, the dictionaries' character set, lacks.
#ifndef LEXMAKE_TERM_CLEANING_H
#define LEXMAKE_TERM_CLEANING_H

#include <cstddef>
#include <string>
#include <vector>

namespace lexmake {

enum class TermDrop { SlashInPhrase, Incomplete, Empty, OutsideCharacterSet, kCount };

// How many terms were dropped, by reason.
struct TermDrops {
  size_t count[static_cast<size_t>(TermDrop::kCount)] = {};
  void add(TermDrop why) { ++count[static_cast<size_t>(why)]; }
  size_t operator[](TermDrop why) const { return count[static_cast<size_t>(why)]; }
  size_t total() const;
  void merge(const TermDrops& other);
};

// The words of running text (UTF-8), split at blanks and punctuation; an
// apostrophe or a hyphen inside a word stays.
std::vector<std::string> wordsOfText(const std::string& text);

// Splits UTF-8 text at every `separator` that stands outside (), [], {} and
// <>.
std::vector<std::string> splitOutsideBrackets(const std::string& text, char separator);

// Removes every span in (), [], {} and <> from UTF-8 text (nested spans
// too; an unclosed one runs to the end), leaving a blank in its place.
std::string removeBracketedSpans(const std::string& text);

// Whether UTF-8 text holds an object placeholder ("to sb.", "[jdm.]"): a
// note or label of grammar, not of a subject.
bool namesAnObject(const std::string& text);

// Appends the clean words of the UTF-8 term `raw` to `terms`, as dictionary
// text (Windows-1252); counts a dropped term in `drops`.  With `isVerb`, a
// leading "to " is dropped too.
void cleanTerm(const std::string& raw, bool isVerb, std::vector<std::string>* terms, TermDrops* drops);

}  // namespace lexmake

#endif  // LEXMAKE_TERM_CLEANING_H
