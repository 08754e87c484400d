// The one application object of lexpad: the main window, the settings, the
// dictionary sets with their translator handles, and the operations on them.
// Everything runs on the user-interface thread.
#ifndef LEXPAD_SHELL_APPLICATION_H
#define LEXPAD_SHELL_APPLICATION_H

#include <windows.h>

#include <memory>

#include "lexcore.h"
#include "shell/dictionary_set.h"

// Capacities of the application's text buffers, terminator included.
constexpr int kLanguageNameCapacity = 20;  // remembered language names
constexpr int kFieldCapacity = 256;        // word fields and status texts
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

// Topics of the help file: the main window and the about box, and the
// options dialog.
constexpr wchar_t kMainHelpTopic[] = L"vocaro.htm#vocaro_help";
constexpr wchar_t kOptionsHelpTopic[] = L"vocaro.htm#options";

// Exit code of a run ended by Exit or WM_HIBERNATE.
constexpr int kExitCodeClosed = 2;

class Application {
 public:
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  // Closes both translator handles.
  virtual ~Application();

  // Start-up and the main window.
  int runApplication(HINSTANCE programInstance);
  // One message of the program's loop: the accelerators first, so that
  // Enter in any control is Translate, then the main window's dialog
  // manager, then the window the message is for.
  void routeMessage(MSG& message, HACCEL accelerators);
  bool createMainWindow();
  static INT_PTR CALLBACK mainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void initMainWindow(HWND window);
  // Shell_NotifyIcon with `action` on the application's icon; its result.
  bool notifyIcon(DWORD action);
  // Adds the notification icon; while the shell refuses it, the icon timer
  // tries again, kNotifyIconAttempts times in all.
  void addNotifyIcon();
  void closeApplication(int exitCode);

  // Shared by the main window and the dialogs.
  int messageBoxById(HWND owner, UINT stringId, UINT style);
  void centreWindow(HWND window);
  void setBoldFonts(HWND window);
  void createBoldFont();

  // Dictionary sets and languages.
  void listDictionarySets(HWND window);
  void onFromLanguageChanged();
  void onToLanguageChanged();
  // A translator on the set from `from` to `to`, or null.  When a file of
  // the set cannot be read and `failure` is given, `failure` (kFieldCapacity
  // characters) receives the message that says so.
  TD_HANDLE openLanguagePair(const wchar_t* from, const wchar_t* to, wchar_t* failure = nullptr);
  // The set that translates `from` into `to`, or null.
  const DictionarySet* findSet(const wchar_t* from, const wchar_t* to) const;
  void closeTranslators();

  // Translating and adding word pairs.  `reverse` false translates the From
  // word field into the To list, true the To word field into the From list.
  void translateWord(bool reverse);
  // A tap (or double tap) on an item of the To list or the From list.
  void takeListSelection(int listId, bool doubleTap);
  void addWordPair();
  void showStatus(int32_t result, int status);
  // The message that dictionary file `file` could not be read, into `text`
  // (kFieldCapacity characters); `translator` is the one that failed, or
  // null when none opened.
  void readFailureText(wchar_t* text, const wchar_t* file, TD_HANDLE translator);
  // The character conversion of a word field: a letter followed by an
  // accent key becomes the accented letter.
  bool installConversion(HWND field);
  static LRESULT CALLBACK conversionEditProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);

  // Commands and the command bar.
  bool createCommandBar(HWND window);
  void dispatchCommand(WPARAM wParam, LPARAM lParam);
  void updateCommandStates();

  // Starts the help viewer on a topic of the help file.
  void showHelp(const wchar_t* topic);

  HWND mainWindow = nullptr;
  HINSTANCE instance = nullptr;
  DWORD stdEdit = 0;
  DictionarySet sets[kMaxDictionarySets] = {};
  int setCount = 0;
  wchar_t dictionaryPath[kPathCapacity] = {};
  int dictionaryPathLength = 0;
  TD_HANDLE forwardTranslator = nullptr;
  TD_HANDLE reverseTranslator = nullptr;
  wchar_t currentFrom[kPathCapacity] = {};
  wchar_t currentTo[kPathCapacity] = {};
  DWORD options = 0;
  wchar_t langTo[kLanguageNameCapacity] = {};
  wchar_t langFrom[kLanguageNameCapacity] = {};
  int busy = 0;
  std::unique_ptr<wchar_t[]> tooltips[kToolTipCount];
  wchar_t trailingText[kFieldCapacity] = {};
  bool trailingTextCut = false;  // the captured text went on beyond trailingText
  HWND replaceTarget = nullptr;
  const wchar_t* helpViewer = L"PegHelp.exe";  // the program that shows help
  HICON trayIcon = nullptr;
  HWND commandBar = nullptr;
  int commandBarHeight = 0;
  HFONT boldFont = nullptr;
  DWORD showUI = 0;
  // The word fields' own window procedure, behind the conversion.
  WNDPROC standardEditProc = nullptr;
  // Why the selected pair did not open when one of its files could not be
  // read; empty otherwise.
  wchar_t openFailure[kFieldCapacity] = {};
  int notifyIconAttempts = 0;  // adds tried since the last addNotifyIcon

 private:
  INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam);
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
};

#endif  // LEXPAD_SHELL_APPLICATION_H
