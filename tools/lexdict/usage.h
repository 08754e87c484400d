// The help texts of lexdict and its commands.
#ifndef LEXDICT_USAGE_H
#define LEXDICT_USAGE_H

#include <string>

namespace lexdict {

extern const char kMainUsage[];
extern const char kTranslateUsage[];
extern const char kAddUsage[];
extern const char kInfoUsage[];
extern const char kListUsage[];

// "lexdict <version>" and a line end.
std::string versionText();

}  // namespace lexdict

#endif  // LEXDICT_USAGE_H
