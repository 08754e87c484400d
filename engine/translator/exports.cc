// The twelve exported functions.  Each one stops exceptions at the library
// boundary: running out of memory inside the engine becomes TD_ERR_MEMORY
// (or 0 from TD_TransAddUdr).
#include <algorithm>
#include <cstring>
#include <new>

#include "platform/charset.h"
#include "platform/coding.h"
#include "translator/lexcore.h"
#include "translator/translator.h"

using lexcore::DictionaryFile;
using lexcore::File;
using lexcore::OpenMode;

namespace {

template <typename Body>
int32_t guarded(int32_t onMemoryFailure, Body body) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return onMemoryFailure;
  }
}

// Loads a data file into one role of the translator.  A failed load leaves
// the role empty.
int32_t openDataFile(TD_HANDLE t, const TD_WCHAR* path, std::unique_ptr<DictionaryFile> Translator::*role) {
  if (t == nullptr) return TD_ERR_HANDLE;
  if (!t->isOpen) return TD_ERR_NOT_OPEN;
  return guarded(TD_ERR_MEMORY, [&] {
    (t->*role).reset();
    std::unique_ptr<DictionaryFile> file(new DictionaryFile(path));
    t->lastResult = file->isOpen() ? TD_OK : file->errorCode();
    t->reason = file->isOpen() ? std::string() : lexcore::pathText(file->path()) + ": " + file->reason();
    if (file->isOpen()) t->*role = std::move(file);
    return t->lastResult;
  });
}

}  // namespace

int32_t TD_TransOpen(TD_HANDLE* handle, const TD_WCHAR* listPath, int32_t /*reserved*/) {
  if (handle == nullptr) return TD_ERR_HANDLE;
  *handle = nullptr;
  return guarded(TD_ERR_MEMORY, [&] {
    std::unique_ptr<Translator> t(new Translator);
    if (listPath != nullptr) t->listPath = listPath;
    File file = File::open(listPath, OpenMode::Read);
    std::string reason;
    const int32_t result = lexcore::loadListFile(file, t->header, &t->listSize, &reason);
    if (result != TD_OK) return result;
    t->isOpen = true;
    *handle = t.release();
    return static_cast<int32_t>(TD_OK);
  });
}

int32_t TD_TransClose(TD_HANDLE* handle) {
  if (handle == nullptr || *handle == nullptr) return TD_ERR_HANDLE;
  delete *handle;
  *handle = nullptr;
  return TD_OK;
}

int32_t TD_TransOpenPrim(TD_HANDLE t, const TD_WCHAR* path) { return openDataFile(t, path, &Translator::primary); }

int32_t TD_TransOpenSec(TD_HANDLE t, const TD_WCHAR* path) { return openDataFile(t, path, &Translator::secondary); }

int32_t TD_TransOptions(TD_HANDLE t, int32_t options) {
  if (t == nullptr) return TD_ERR_HANDLE;
  t->options = options;
  return TD_OK;
}

int32_t TD_Translate(TD_HANDLE t, TRANSLATE* request) {
  if (t == nullptr) return TD_ERR_HANDLE;
  if (request == nullptr) return TD_ERR_HANDLE;
  const int32_t result = guarded(TD_ERR_MEMORY, [&] { return lexcore::translate(*t, *request); });
  // A lookup cut short by memory running out could not run.
  if (result == TD_ERR_MEMORY) request->status = TD_FAILED;
  return result;
}

int32_t TD_TransAddUdr(TD_HANDLE t, const char* word, const char* translation) {
  if (t == nullptr) return TD_ERR_HANDLE;
  return guarded(0, [&] {
    if (!t->userDictionary) t->userDictionary.reset(new lexcore::UserDictionary(t->listPath));
    return static_cast<int32_t>(t->userDictionary->add(word, translation));
  });
}

int32_t TD_TransGetLanguage(TD_HANDLE t, LANGSTRUCT* language, int16_t which) {
  if (t == nullptr) return TD_ERR_HANDLE;
  if (!t->isOpen) return TD_ERR_NOT_OPEN;
  const DictionaryFile* file = which == 0 ? t->primary.get() : t->secondary.get();
  if (file == nullptr || !file->isOpen()) return which == 0 ? TD_ERR_NO_PRIMARY : TD_ERR_NO_SECONDARY;
  if (language == nullptr) return TD_ERR_HANDLE;
  language->languageId = file->languageId();
  std::memcpy(language->languageName, file->languageName(), sizeof language->languageName);
  return TD_OK;
}

int32_t TD_TransGetFile(TD_HANDLE t, TD_WCHAR* name, int16_t size, int16_t which) {
  if (t == nullptr) return TD_ERR_HANDLE;
  if (!t->isOpen) return TD_ERR_NOT_OPEN;
  if (name == nullptr) return TD_OK;
  if (which == TD_FILE_REASON) {
    return guarded(TD_ERR_MEMORY, [&] {
      std::u16string wide;
      lexcore::utf8ToUtf16(t->reason, &wide);
      if (size < 1) return static_cast<int32_t>(TD_OK);
      const size_t n = std::min(wide.size(), static_cast<size_t>(size - 1));
      for (size_t i = 0; i < n; ++i) name[i] = static_cast<TD_WCHAR>(wide[i]);
      name[n] = 0;
      return static_cast<int32_t>(TD_OK);
    });
  }
  lexcore::listFileName(t->header, which == 0, name, size);
  return TD_OK;
}

int32_t TD_TransExtensionSupported(TD_HANDLE t, int16_t code) {
  if (t == nullptr || !t->primary || !t->primary->isOpen()) return 0;
  if (code == TD_EXT_ENDINGS) return t->primary->endingTable().present ? 1 : 0;
  if (code == TD_EXT_VARIANTS) return t->primary->variantTable().present ? 1 : 0;
  return 0;
}

int32_t TD_TransGetTDDFiles(const TD_WCHAR* listPath, TD_WCHAR* primaryName, TD_WCHAR* secondaryName,
                            int16_t size) {
  return guarded(TD_ERR_MEMORY, [&] {
    uint8_t header[lexcore::kListHeaderSize];
    File file = File::open(listPath, OpenMode::Read);
    if (lexcore::readListHeader(file, header) != TD_OK) return static_cast<int32_t>(TD_ERR_FILE);
    if (primaryName != nullptr) lexcore::listFileName(header, true, primaryName, size);
    if (secondaryName != nullptr) lexcore::listFileName(header, false, secondaryName, size);
    return static_cast<int32_t>(TD_OK);
  });
}

// Reads only the data file's header: its size field must be exactly 76 and
// its first three bytes "TRD".
int32_t TD_TransGetTDDLanguage(const TD_WCHAR* dataPath, TD_WCHAR* languageName, int16_t size) {
  return guarded(TD_ERR_MEMORY, [&] {
    uint8_t header[lexcore::kDataHeaderSize];
    File file = File::open(dataPath, OpenMode::Read);
    if (!file.readExact(header, sizeof header) || std::memcmp(header, lexcore::kDataMagic, 3) != 0 ||
        lexcore::decodeU32(header + lexcore::kDataHeaderSizeOffset) != lexcore::kDataHeaderSize)
      return static_cast<int32_t>(TD_ERR_FILE);
    if (languageName != nullptr) {
      lexcore::widenText(reinterpret_cast<const char*>(header + lexcore::kLanguageNameOffset),
                         lexcore::kLanguageNameSize - 1, languageName, size);
    }
    return static_cast<int32_t>(TD_OK);
  });
}
