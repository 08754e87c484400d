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
  bool createMainWindow();
  static INT_PTR CALLBACK mainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void initMainWindow(HWND window);
  void notifyIcon(DWORD action);
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
  TD_HANDLE openLanguagePair(const wchar_t* from, const wchar_t* to);
  void closeTranslators();

  // Commands and the command bar.
  bool createCommandBar(HWND window);
  void dispatchCommand(WPARAM wParam, LPARAM lParam);
  void updateCommandStates();

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
  const wchar_t* helpViewer = nullptr;
  HICON trayIcon = nullptr;
  HWND commandBar = nullptr;
  int commandBarHeight = 0;
  HFONT boldFont = nullptr;
  DWORD showUI = 0;

 private:
  INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void paintSeparator();
  void onNotifyIconMessage(LPARAM mouseMessage);
  void hideMainWindow();
  void rememberLanguage(int boxId, wchar_t* name, const wchar_t* valueName);
};

#endif  // LEXPAD_SHELL_APPLICATION_H
