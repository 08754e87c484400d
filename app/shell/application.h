// The one application object of lexpad: the main window, the settings, the
// dictionary sets with their translator handles, and the operations on them.
// Everything runs on the user-interface thread.
#ifndef LEXPAD_SHELL_APPLICATION_H
#define LEXPAD_SHELL_APPLICATION_H

#include <windows.h>

#include <memory>

#include "integration/clipboard.h"
#include "integration/dialog.h"
#include "integration/settings.h"
#include "lexcore.h"
#include "shell/dictionary_set.h"
#include "translator_client.h"

constexpr int kToolTipCount = 6;

// Callback message of the notification icon (WM_USER + 102).
constexpr UINT NOTIFY_ICON_MESSAGE = WM_USER + 102;
// Timer of the main window that tries again to add a notification icon the
// shell refused; timer 1 belongs to the capture.
constexpr UINT_PTR kNotifyIconTimer = 2;
constexpr UINT kNotifyIconRetryMs = 1000;
constexpr int kNotifyIconAttempts = 30;
// The message that a shell broadcasts when it starts (again), and so has no
// notification icons.
UINT taskbarCreatedMessage();

// Exit code of a run ended by Exit or WM_HIBERNATE.
constexpr int kExitCodeClosed = 2;

// The application is the settings it keeps, what a capture leaves for
// Replace, and what its dialogs share; the functions of app/integration take
// just that part of it.
class Application : public Settings, public CaptureState, public DialogLook {
 public:
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application();

  // Start-up and the main window.
  int runApplication(HINSTANCE programInstance);
  // One message of the program's loop: the accelerators first, so that
  // Enter in any control is Translate, then the main window's dialog
  // manager, then the window the message is for.
  void routeMessage(MSG& message, HACCEL accelerators);
  bool createMainWindow();
  void createBoldFont();

  // Lists the dictionary sets of the dictionaries folder into the language
  // boxes and opens the remembered pair.
  void listDictionarySets(HWND window);
  void onToLanguageChanged();
  void closeTranslators();
  // The translators of the selected pair, each null when not open.
  TD_HANDLE forwardTranslator() const { return forward_.get(); }
  TD_HANDLE reverseTranslator() const { return reverse_.get(); }

  // Starts the help viewer on a topic of the help file.
  void showHelp(const wchar_t* topic);

  HWND mainWindow = nullptr;
  DictionarySet sets[kMaxDictionarySets] = {};
  int setCount = 0;
  wchar_t currentFrom[kPathCapacity] = {};
  wchar_t currentTo[kPathCapacity] = {};
  int busy = 0;
  HWND commandBar = nullptr;
  int commandBarHeight = 0;

 private:
  // The main window's dialog procedure hands its messages to the
  // application.
  class MainDialog : public Dialog {
   public:
    explicit MainDialog(Application& application) : Dialog(application), application_(application) {}
    Application& application() const { return application_; }

   protected:
    INT_PTR onInit(HWND dialog) override {
      application_.initMainWindow(dialog);
      return FALSE;  // the focus is set already
    }
    INT_PTR onMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam) override {
      return application_.onMessage(message, wParam, lParam);
    }

   private:
    Application& application_;
  };

  void initMainWindow(HWND window);
  INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Shell_NotifyIcon with `action` on the application's icon; its result.
  bool notifyIcon(DWORD action);
  // Adds the notification icon; while the shell refuses it, the icon timer
  // tries again, kNotifyIconAttempts times in all.
  void addNotifyIcon();
  void closeApplication(int exitCode);
  int messageBoxById(HWND owner, UINT stringId, UINT style);

  void onFromLanguageChanged();
  // A translator on the set from `from` to `to`; none is open when there is
  // no such set or it does not open.  When a file of the set cannot be read
  // and `failure` is given, `failure` (kFieldCapacity characters) receives
  // the message that says so.
  vocaro::Translator openLanguagePair(const wchar_t* from, const wchar_t* to, wchar_t* failure = nullptr);
  // The set that translates `from` into `to`, or null.
  const DictionarySet* findSet(const wchar_t* from, const wchar_t* to) const;

  // Translating and adding word pairs.  `reverse` false translates the From
  // word field into the To list, true the To word field into the From list.
  void translateWord(bool reverse);
  // A tap (or double tap) on an item of the To list or the From list.
  void takeListSelection(int listId, bool doubleTap);
  void addWordPair();
  void showStatus(int32_t result, int status);
  // The message that dictionary file `file` could not be read, into `text`
  // (kFieldCapacity characters).  `engineReason` (never null) is the
  // engine's reason, which starts with the file's whole path, or empty when
  // none was given.
  void readFailureText(wchar_t* text, const wchar_t* file, const wchar_t* engineReason);
  // The character conversion of a word field: a letter followed by an
  // accent key becomes the accented letter.
  bool installConversion(HWND field);
  static LRESULT CALLBACK conversionEditProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);

  // Commands and the command bar.
  bool createCommandBar(HWND window);
  void dispatchCommand(WPARAM wParam, LPARAM lParam);
  void updateCommandStates();

  void paintSeparator();
  void onNotifyIconMessage(LPARAM mouseMessage);
  void retryNotifyIcon();
  void hideMainWindow();
  void rememberLanguage(int boxId, wchar_t* name, const wchar_t* valueName);
  void rememberLanguages();
  void endSession(bool ending);
  void showStatusText(UINT stringId);
  bool convertTypedKey(HWND field, wchar_t key);
  void changeOptions();
  void clearAll();

  MainDialog mainDialog_{*this};
  // Closed (their user dictionaries saved) with the application.
  vocaro::Translator forward_;
  vocaro::Translator reverse_;
  std::unique_ptr<wchar_t[]> tooltips_[kToolTipCount];
  HICON trayIcon_ = nullptr;
  // The word fields' own window procedure, behind the conversion.
  WNDPROC standardEditProc_ = nullptr;
  // Why the selected pair did not open when one of its files could not be
  // read; empty otherwise.
  wchar_t openFailure_[kFieldCapacity] = {};
  int notifyIconAttempts_ = 0;  // adds tried since the last addNotifyIcon
};

#endif  // LEXPAD_SHELL_APPLICATION_H
