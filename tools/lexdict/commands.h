// The lexdict commands.  Each takes the arguments after its name (UTF-8)
// and returns the exit status.
#ifndef LEXDICT_COMMANDS_H
#define LEXDICT_COMMANDS_H

#include <string>
#include <vector>

namespace lexdict {

int runTranslate(const std::vector<std::string>& args);
int runAdd(const std::vector<std::string>& args);
int runInfo(const std::vector<std::string>& args);
int runList(const std::vector<std::string>& args);

}  // namespace lexdict

#endif  // LEXDICT_COMMANDS_H
