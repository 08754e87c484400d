// lexcore: the Vocaro dictionary engine.
//
// Twelve functions translate words through dictionary list files (*.tdl) and
// their two dictionary data files, and keep a plain-text user dictionary
// (*.udr) beside the list file.  Paths are wide (UTF-16) text; words,
// translations and suggestions are zero-terminated 8-bit text in the
// dictionaries' character set (Windows-1252).
//
// Every function returns a result code (TD_OK or a negative TD_ERR_ value),
// except TD_TransAddUdr (1 added or already present, 0 failed) and
// TD_TransExtensionSupported (nonzero when supported).  No function throws,
// and the engine keeps no pointer to a caller's buffer after a call returns.
// A translator handle must not be used by two threads at once.
#ifndef LEXCORE_H
#define LEXCORE_H

#include <stdint.h>

#if defined(_WIN32)
typedef wchar_t TD_WCHAR;
#else
typedef char16_t TD_WCHAR;
#endif

#if defined(_WIN32)
#if defined(LEXCORE_BUILDING)
#define TD_API __declspec(dllexport)
#elif defined(LEXCORE_STATIC)
#define TD_API
#else
#define TD_API __declspec(dllimport)
#endif
#else
#define TD_API __attribute__((visibility("default")))
#endif

// Result codes.
enum {
  TD_OK = 0,
  TD_ERR_READ = -1,           // list file cannot be opened or read in full
  TD_ERR_FILE = -2,           // a file is not of the expected format, or a read failed
  TD_ERR_NOT_OPEN = -3,       // the translator has no valid list file
  TD_ERR_NO_PRIMARY = -4,     // no primary data file is open
  TD_ERR_NO_SECONDARY = -5,   // no secondary data file is open
  TD_ERR_HANDLE = -6,         // the translator handle is null
  TD_ERR_MEMORY = -8          // memory ran out
};

// Outcome of a translation, in TRANSLATE::status.
enum {
  TD_FOUND = 0,       // translations stand in transList
  TD_NOT_FOUND = 1,   // nothing was found
  TD_LIST_FULL = 2,   // a translation did not fit; transList holds those that did
  TD_FAILED = 4,      // the lookup could not run; the result code says why
  TD_SUGGESTED = 5    // suggestList holds other forms or spellings that were found
};

// Option flags for TD_TransOptions.  Other bits are stored and ignored.
enum {
  TD_OPT_CASE_INSENSITIVE = 1,
  TD_OPT_USER_DICTIONARY = 2,
  TD_OPT_SMART_SEARCH = 4,
  TD_OPT_SPELLING = 8
};

// `which` for TD_TransGetFile: the reason for the translator's latest
// failure instead of a data file name.
enum {
  TD_FILE_REASON = 256
};

// Extension codes for TD_TransExtensionSupported.
enum {
  TD_EXT_ENDINGS = 200,
  TD_EXT_VARIANTS = 201
};

// One translation request.  The caller fills word, the two sizes and the two
// areas; the engine fills the counts and status.  Both lists are packed
// zero-terminated strings, back to back from the start of their area.  The
// engine never writes past transSize or suggestSize bytes.
typedef struct tagTRANSLATE {
  const char* word;
  int16_t transSize;
  int16_t suggestSize;
  int32_t reserved;
  char* transList;
  char* suggestList;
  int16_t transCount;
  int16_t transUsed;
  int16_t suggestCount;
  int16_t suggestUsed;
  int16_t status;
} TRANSLATE;

typedef struct tagLANGSTRUCT {
  uint32_t languageId;
  char languageName[50];
} LANGSTRUCT;

struct Translator;
typedef struct Translator* TD_HANDLE;

// Opens a translator on a dictionary list file.  On success *handle holds the
// new translator; on failure it is null.  Returns TD_OK, TD_ERR_READ (file
// missing or shorter than its header), TD_ERR_FILE (not a list file, or one
// cut short: its count table or translation indexes run past its end) or
// TD_ERR_MEMORY (no memory for the translator).
TD_API int32_t TD_TransOpen(TD_HANDLE* handle, const TD_WCHAR* listPath, int32_t reserved);

// Saves the user dictionary, frees the translator and sets *handle to null.
TD_API int32_t TD_TransClose(TD_HANDLE* handle);

// Load the data file in which words are looked up (primary) or from which
// translations are decoded (secondary).  A failed load (TD_ERR_FILE: missing,
// unreadable or damaged, a record cut short included) leaves the role empty;
// TD_TransGetFile(..., TD_FILE_REASON) then says why.
TD_API int32_t TD_TransOpenPrim(TD_HANDLE handle, const TD_WCHAR* path);
TD_API int32_t TD_TransOpenSec(TD_HANDLE handle, const TD_WCHAR* path);

TD_API int32_t TD_TransOptions(TD_HANDLE handle, int32_t options);

// Translates request->word; see TRANSLATE.  A dictionary file that can no
// longer be read (gone, cut short, or changed by another program since it was
// opened) gives TD_ERR_FILE with status TD_FAILED, never "not found";
// TD_TransGetFile(..., TD_FILE_REASON) then says which file and why.
TD_API int32_t TD_Translate(TD_HANDLE handle, TRANSLATE* request);

// Adds a word pair to the user dictionary: 1 when added or already present,
// 0 when it could not be added, TD_ERR_HANDLE for a null handle.
TD_API int32_t TD_TransAddUdr(TD_HANDLE handle, const char* word, const char* translation);

// which: 0 asks the primary data file, any other value the secondary one.
TD_API int32_t TD_TransGetLanguage(TD_HANDLE handle, LANGSTRUCT* language, int16_t which);

// The output-buffer functions below take `size` as the capacity of each
// output buffer in wide characters, terminator included.  Longer text is cut
// to size - 1 characters and always terminated; a size below 1 writes
// nothing.  File names hold at most 19 characters and language names at most
// 49, so buffers of 20 and 50 characters receive them whole.
//
// TD_TransGetFile: which 0 gives the primary data file name from the list
// file, any other value but TD_FILE_REASON the secondary one.  With
// TD_FILE_REASON it gives the reason for the translator's latest failure,
// UTF-16, cut to the buffer like every output here (a reason takes up to
// about 110 characters besides the file's path): the path, then what is
// wrong and where, for instance "/d/en.tdd: the ending table record at byte
// 4,100 ends at byte 4,180 but the file has 4,120 bytes".  Empty when the
// latest data file open or translation worked.
TD_API int32_t TD_TransGetFile(TD_HANDLE handle, TD_WCHAR* name, int16_t size, int16_t which);

TD_API int32_t TD_TransExtensionSupported(TD_HANDLE handle, int16_t code);

TD_API int32_t TD_TransGetTDDFiles(const TD_WCHAR* listPath, TD_WCHAR* primaryName,
                                   TD_WCHAR* secondaryName, int16_t size);
TD_API int32_t TD_TransGetTDDLanguage(const TD_WCHAR* dataPath, TD_WCHAR* languageName,
                                      int16_t size);

#endif  // LEXCORE_H
