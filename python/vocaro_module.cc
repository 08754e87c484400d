// vocaro._vocaro: a translator on a dictionary list file, through the TD_
// functions of the shared lexcore.  Python text crosses the engine as the
// dictionaries' 8-bit character set (words, translations, language names)
// and as UTF-16 (paths).  A failure raises vocaro.Error with the reason
// lexdict gives for it.  Every call holds the interpreter lock, so one
// translator is never used by two threads at once.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lexcore.h"
#include "messages.h"
#include "platform/charset.h"
#include "translator_client.h"

namespace py = pybind11;

namespace vocaro {
namespace python {
namespace {

// vocaro.Error, created when the module is loaded.
PyObject* errorClass = nullptr;

// Raises vocaro.Error with the engine's result code (none when the engine
// answered only that it failed), the file concerned and the reason.
[[noreturn]] void raiseError(std::optional<int32_t> code, const py::str& path, const std::string& reason) {
  std::string message = std::string(path) + ": " + reason;
  if (code) message += " (result code " + std::to_string(*code) + ")";
  py::object error = py::reinterpret_borrow<py::object>(errorClass)(message);
  error.attr("code") = code ? py::object(py::int_(*code)) : py::object(py::none());
  error.attr("path") = path;
  error.attr("reason") = py::str(reason);
  PyErr_SetObject(errorClass, error.ptr());
  throw py::error_already_set();
}

// A path (str, bytes or os.PathLike) as the str the engine's wide path is
// made of.
py::str pathText(const py::object& path) {
  return py::module_::import("os").attr("fsdecode")(path);
}

std::basic_string<TD_WCHAR> widePath(const py::str& path) {
  // Strict: a lone surrogate (a byte that was not valid UTF-8) has no UTF-16 form.
  py::bytes units = py::reinterpret_steal<py::bytes>(PyUnicode_AsEncodedString(path.ptr(), "utf-16-le", "strict"));
  if (!units) throw py::error_already_set();
  const std::string bytes = units;
  std::basic_string<TD_WCHAR> wide(bytes.size() / 2, 0);
  for (size_t i = 0; i < wide.size(); ++i) {
    wide[i] = static_cast<TD_WCHAR>(static_cast<uint8_t>(bytes[2 * i]) | static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
  }
  return wide;
}

// `text` in the dictionaries' character set.  A character the set lacks
// raises UnicodeEncodeError naming it; a NUL character raises ValueError,
// since the engine takes zero-terminated text.
std::string dictionaryText(const py::str& text) {
  const Py_ssize_t length = PyUnicode_GetLength(text.ptr());
  if (length < 0) throw py::error_already_set();
  std::string narrow;
  narrow.reserve(static_cast<size_t>(length));
  for (Py_ssize_t i = 0; i < length; ++i) {
    const Py_UCS4 c = PyUnicode_ReadChar(text.ptr(), i);
    uint8_t byte = 0;
    if (!lexcore::narrowCodePoint(c, &byte)) {
      py::object error = py::reinterpret_borrow<py::object>(PyExc_UnicodeEncodeError)(
          "windows-1252", text, i, i + 1, "not in the dictionaries' character set");
      PyErr_SetObject(PyExc_UnicodeEncodeError, error.ptr());
      throw py::error_already_set();
    }
    if (byte == 0) throw py::value_error("the text holds a NUL character, which the engine cannot take");
    narrow.push_back(static_cast<char>(byte));
  }
  return narrow;
}

py::str fromWide(const TD_WCHAR* text) {
  std::u16string wide;
  for (const TD_WCHAR* p = text; *p != 0; ++p) wide.push_back(static_cast<char16_t>(*p));
  return py::cast(wide);
}

py::str fromDictionary(const char* text, size_t length) {
  std::u16string wide;
  for (size_t i = 0; i < length && text[i] != 0; ++i) wide.push_back(lexcore::widenByte(static_cast<uint8_t>(text[i])));
  return py::cast(wide);
}

py::list texts(const std::vector<std::string>& dictionaryTexts) {
  py::list list;
  for (const std::string& text : dictionaryTexts) list.append(fromDictionary(text.data(), text.size()));
  return list;
}

struct Result {
  int status;
  py::list translations;
  py::list suggestions;
};

class Translator {
 public:
  explicit Translator(const py::object& listFile) : listPath_(pathText(listFile)) {
    // The data files stand beside the list file.
    const py::object path = py::module_::import("os.path");
    const py::str folder = path.attr("join")(path.attr("dirname")(listPath_), "");
    const vocaro::OpenOutcome opened = translator_.openWithDataFolder(widePath(listPath_), widePath(folder));
    switch (opened.failedStep) {
      case vocaro::OpenStep::kNone:
        break;
      case vocaro::OpenStep::kList:
      case vocaro::OpenStep::kDataFileNames:
        raiseError(opened.result, listPath_, lexdict::listOpenProblem(opened.result, listPath_));
      case vocaro::OpenStep::kPrimary:
      case vocaro::OpenStep::kSecondary: {
        const py::str dataPath = fromWide(opened.dataPath.c_str());
        raiseFailure(opened.result, dataPath, lexdict::dataOpenProblem(opened.result, dataPath), opened.reason);
      }
    }
    sourceLanguage_ = language(0);
    targetLanguage_ = language(1);
  }

  Result translate(const py::str& word, int32_t options) {
    const std::string narrow = dictionaryText(word);
    requireOpen();
    translator_.setOptions(options);
    const vocaro::Translation translation = translator_.translate(narrow, kAreaSize, kAreaSize);
    if (translation.result != TD_OK) {
      raiseFailure(translation.result, listPath_, lexdict::translateProblem(translation.result),
                   vocaro::failureReason(translator_.get()));
    }
    return Result{translation.status, texts(translation.translations), texts(translation.suggestions)};
  }

  // Adds a pair to the user dictionary beside the list file; a pair that is
  // already there counts as added.
  void add(const py::str& word, const py::str& translation) {
    const std::string narrowWord = dictionaryText(word);
    const std::string narrowTranslation = dictionaryText(translation);
    requireOpen();
    if (TD_TransAddUdr(translator_.get(), narrowWord.c_str(), narrowTranslation.c_str()) != 1) {
      raiseError(std::nullopt, listPath_,
                 "the pair could not be added to the user dictionary (a text is blank or holds a line break or a "
                 "colon, or the user dictionary file could not be read or written)");
    }
  }

  // Saves the user dictionary and lets the files go; closing again does nothing.
  void close() { translator_.close(); }

  bool closed() const { return !translator_.isOpen(); }
  const py::str& listFile() const { return listPath_; }
  const py::str& sourceLanguage() const { return sourceLanguage_; }
  const py::str& targetLanguage() const { return targetLanguage_; }

 private:
  // Raises vocaro.Error for a failed call, with the engine's own reason
  // ("<file>: <what is wrong, where>") when it gave one.
  [[noreturn]] static void raiseFailure(int32_t code, const py::str& path, const std::string& problem,
                                        const vocaro::WidePath& reason) {
    const std::string text = fromWide(reason.c_str());
    const size_t colon = text.find(": ");
    if (colon == std::string::npos) raiseError(code, path, problem);
    raiseError(code, py::str(text.substr(0, colon)), text.substr(colon + 2));
  }

  void requireOpen() const {
    if (!translator_.isOpen()) throw py::value_error("the translator is closed");
  }

  py::str language(int16_t which) {
    LANGSTRUCT language = {};
    const int32_t result = TD_TransGetLanguage(translator_.get(), &language, which);
    if (result != TD_OK) raiseError(result, listPath_, lexdict::translateProblem(result));
    return fromDictionary(language.languageName, sizeof language.languageName);
  }

  // Large enough for every translation an entry holds and many user pairs;
  // a longer list is cut and reported as LIST_FULL.
  static constexpr int16_t kAreaSize = 8192;

  // Closing saves the user dictionary; also when the constructor fails half way.
  vocaro::Translator translator_;
  py::str listPath_;
  py::str sourceLanguage_;
  py::str targetLanguage_;
};

}  // namespace
}  // namespace python
}  // namespace vocaro

PYBIND11_MODULE(_vocaro, m) {
  using vocaro::python::Result;
  using vocaro::python::Translator;
  using vocaro::python::errorClass;
  m.doc() = "Translates words through Vocaro dictionaries with the lexcore engine.";

  py::dict errorAttributes;
  errorAttributes["code"] = py::none();
  errorAttributes["path"] = py::none();
  errorAttributes["reason"] = py::none();
  errorClass = PyErr_NewExceptionWithDoc(
      "vocaro.Error",
      "A dictionary could not be opened or read.  code is the engine's result code (None when the engine gave "
      "none), path the file concerned and reason what went wrong.",
      PyExc_RuntimeError, errorAttributes.ptr());
  if (errorClass == nullptr) throw py::error_already_set();
  m.attr("Error") = py::handle(errorClass);

  m.attr("FOUND") = static_cast<int>(TD_FOUND);
  m.attr("NOT_FOUND") = static_cast<int>(TD_NOT_FOUND);
  m.attr("LIST_FULL") = static_cast<int>(TD_LIST_FULL);
  m.attr("FAILED") = static_cast<int>(TD_FAILED);
  m.attr("SUGGESTED") = static_cast<int>(TD_SUGGESTED);
  m.attr("CASE_INSENSITIVE") = static_cast<int>(TD_OPT_CASE_INSENSITIVE);
  m.attr("USER_DICTIONARY") = static_cast<int>(TD_OPT_USER_DICTIONARY);
  m.attr("SMART_SEARCH") = static_cast<int>(TD_OPT_SMART_SEARCH);
  m.attr("SPELLING") = static_cast<int>(TD_OPT_SPELLING);
  const int allOptions = TD_OPT_CASE_INSENSITIVE | TD_OPT_USER_DICTIONARY | TD_OPT_SMART_SEARCH | TD_OPT_SPELLING;

  py::class_<Result>(m, "Result", "The outcome of one translation.")
      .def_readonly("status", &Result::status, "FOUND, NOT_FOUND, LIST_FULL or SUGGESTED")
      .def_readonly("translations", &Result::translations)
      .def_readonly("suggestions", &Result::suggestions, "other forms or spellings that were found")
      .def("__repr__", [](const Result& r) {
        return py::str("Result(status={}, translations={!r}, suggestions={!r})")
            .format(r.status, r.translations, r.suggestions);
      });

  py::class_<Translator>(m, "Translator",
                         "A translator on a dictionary list file (*.tdl) and the two data files it names.")
      .def(py::init<const py::object&>(), py::arg("list_file"))
      .def("translate", &Translator::translate, py::arg("word"), py::arg("options") = allOptions,
           "Translates word; options is a sum of CASE_INSENSITIVE, USER_DICTIONARY, SMART_SEARCH and SPELLING.")
      .def("add", &Translator::add, py::arg("word"), py::arg("translation"),
           "Adds a word pair to the user dictionary beside the list file.")
      .def("close", &Translator::close, "Saves the user dictionary and closes the translator.")
      .def_property_readonly("closed", &Translator::closed)
      .def_property_readonly("list_file", &Translator::listFile)
      .def_property_readonly("source_language", &Translator::sourceLanguage)
      .def_property_readonly("target_language", &Translator::targetLanguage)
      .def("__enter__", [](py::object self) { return self; })
      .def("__exit__", [](Translator& t, const py::args&) { t.close(); });
}
