#include "usage.h"

namespace lexdict {

#define LEXDICT_EXIT_STATUS                                                        \
  "Exit status: 0 when everything worked (a word that is not found still\n"       \
  "counts as translated); 1 when a word could not be translated, a file could\n" \
  "not be opened or read, or a pair could not be added; 2 for a usage error.\n"

const char kMainUsage[] =
    "Usage: lexdict COMMAND [OPTIONS] ARGUMENTS...\n"
    "  or:  lexdict help [COMMAND]\n"
    "  or:  lexdict -h | --help | --version\n"
    "\n"
    "The Vocaro command-line translator.\n"
    "\n"
    "Commands:\n"
    "  translate  translate words through a dictionary list file or a language pair\n"
    "  add        add a word pair to the user dictionary of a list file\n"
    "  info       describe a dictionary data file or list file\n"
    "  list       print every entry of a dictionary data file\n"
    "\n"
    "  help       show this help, or with a COMMAND the help of that command\n"
    "\n"
    "Run 'lexdict COMMAND --help' for the options of a command.\n"
    "Options of every command: -h or --help, --version.\n"
    "\n" LEXDICT_EXIT_STATUS;

const char kTranslateUsage[] =
    "Usage: lexdict translate [OPTIONS] LISTFILE [WORD...]\n"
    "       lexdict translate [OPTIONS] --from LANGUAGE --to LANGUAGE [--dir FOLDER] [WORD...]\n"
    "\n"
    "Translates every WORD, or every line of standard input when no WORD is given.\n"
    "\n"
    "LISTFILE is a dictionary list file (*.tdl); the two data files it names are\n"
    "opened from its folder.  With --from and --to, the list file is the first\n"
    "one in FOLDER (by file name) whose data files have those languages; language\n"
    "names match regardless of letter case.  FOLDER defaults to the folder in\n"
    "the environment variable VOCARO_DICTIONARIES when it is set; else to the\n"
    "folder 'dictionaries' beside the lexdict program when there is one; else to\n"
    "'../share/vocaro/dictionaries' from the program's folder (an installed\n"
    "lexdict).\n"
    "\n"
    "Words are UTF-8 and are looked up exactly as given; a line of standard input\n"
    "loses only its line end (LF or CR LF).  A word that the dictionaries'\n"
    "character set (Windows-1252) cannot represent, or that is longer than 255\n"
    "bytes in it, is reported on standard error and the other words are still\n"
    "translated.  Put words that begin with '-' after '--'.\n"
    "\n"
    "Options:\n"
    "  --from LANGUAGE     the language of the words\n"
    "  --to LANGUAGE       the language of the translations\n"
    "  --dir FOLDER        the dictionaries folder for --from and --to\n"
    "  --options N         search options, the sum of: 1 case insensitive,\n"
    "                      2 user dictionary, 4 smart search (other word forms),\n"
    "                      8 spell checker (other spellings); 0 to 0xFFFFFFFF,\n"
    "                      default 15.  With 2, a user dictionary file is\n"
    "                      created empty beside the list file when there is\n"
    "                      none yet.\n"
    "  --trans-size N      bytes for the translations of a word, 1 to 32767,\n"
    "                      default 256\n"
    "  --suggest-size N    bytes for the suggestions of a word, 1 to 32767,\n"
    "                      default 256\n"
    "  --json              print one JSON object per word, one per line:\n"
    "                      {\"word\": \"...\", \"result\": R, \"status\": S,\n"
    "                       \"translations\": [...], \"suggestions\": [...]}\n"
    "                      R is the engine's result code (0 success) and S its\n"
    "                      status (0 found, 1 not found, 2 more translations than\n"
    "                      fit, 4 failed, 5 other forms or spellings suggested).\n"
    "                      When the dictionary cannot be opened, R is the result\n"
    "                      of the open that failed and S is 4.  When the engine\n"
    "                      was not asked (a word that cannot be converted, or no\n"
    "                      dictionary set for the pair), R is null and S is 4.\n"
    "  -h, --help          show this help\n"
    "  --version           show the version\n"
    "\n"
    "The status of a word reads as in the application: \"Word found\", \"Word not\n"
    "found\", \"Word not found. Possible spellings returned.\", \"Error\" or\n"
    "\"Dictionary is not open.\".\n"
    "\n" LEXDICT_EXIT_STATUS;

const char kAddUsage[] =
    "Usage: lexdict add [--json] LISTFILE WORD TRANSLATION\n"
    "\n"
    "Adds the pair WORD = TRANSLATION (UTF-8) to the user dictionary of the list\n"
    "file LISTFILE, a plain text file beside it (name.udr, or the file of the\n"
    "opposite direction when only that one exists).  Blanks around the word and\n"
    "the translation are dropped, as the application does.  A word may not hold a\n"
    "colon, and neither may hold a line break.\n"
    "\n"
    "Options:\n"
    "  --json       print {\"result\": N}: N is the engine's answer, 1 when the pair\n"
    "               was added or was there already and 0 when it could not be\n"
    "               added; the result of the open that failed when LISTFILE\n"
    "               cannot be opened; null when the engine was not asked\n"
    "  -h, --help   show this help\n"
    "  --version    show the version\n"
    "\n" LEXDICT_EXIT_STATUS;

const char kInfoUsage[] =
    "Usage: lexdict info FILE\n"
    "\n"
    "Describes a dictionary list file (*.tdl: the data files it names, their\n"
    "languages, the entries it covers) or a dictionary data file (its language,\n"
    "entries, blocks, ending table and variant table).\n"
    "\n"
    "Options:\n"
    "  -h, --help   show this help\n"
    "  --version    show the version\n"
    "\n" LEXDICT_EXIT_STATUS;

const char kListUsage[] =
    "Usage: lexdict list FILE\n"
    "\n"
    "Prints every entry of the dictionary data file FILE in UTF-8, one per line,\n"
    "in the file's order.\n"
    "\n"
    "Options:\n"
    "  -h, --help   show this help\n"
    "  --version    show the version\n"
    "\n" LEXDICT_EXIT_STATUS;

std::string versionText() { return std::string("lexdict ") + LEXDICT_VERSION + "\n"; }

}  // namespace lexdict
