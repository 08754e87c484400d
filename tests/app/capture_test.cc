// The capture from the window in front, with windows of this test program in
// front: the focus query through the window's procedure, its timeout, the
// accepted edit-control classes, and the tap on the notification icon.
// (Windows of other programs are the end-to-end tests' business.)
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "app_test_support.h"
#include "clipboard_support.h"
#include "integration/capture.h"
#include "integration/focus_query.h"
#include "platform/front_window.h"
#include "resource.h"
#include "window_fixture.h"

namespace {

constexpr wchar_t kTargetClass[] = L"LexpadCaptureTestTarget";
std::atomic<int> queriesSeenByOwnProcedure{0};

// The target's own procedure: passes the focus on to its control.
LRESULT CALLBACK targetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == QUERY_FOCUS_MESSAGE) ++queriesSeenByOwnProcedure;
  if (message == WM_SETFOCUS) {
    if (HWND control = GetWindow(window, GW_CHILD)) SetFocus(control);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A top-level window in front holding one control of class `controlClass`
// with the keyboard focus; on the calling thread.
class TargetWindow {
 public:
  TargetWindow(const wchar_t* controlClass, const wchar_t* text) {
    static const ATOM registered = [] {
      LoadLibraryW(L"riched20.dll");
      WNDCLASSW windowClass{};
      windowClass.lpfnWndProc = targetProcedure;
      windowClass.hInstance = GetModuleHandleW(nullptr);
      windowClass.lpszClassName = kTargetClass;
      return RegisterClassW(&windowClass);
    }();
    EXPECT_NE(registered, 0);
    top = CreateWindowW(kTargetClass, L"target", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr, nullptr,
                        nullptr);
    control = CreateWindowW(controlClass, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 250, 24, top, nullptr,
                            nullptr, nullptr);
    SendMessageW(control, EM_SETSEL, 0, -1);
    SetForegroundWindow(top);
    SetFocus(control);
    pumpMessages();
    ownProcedure = GetWindowLongPtrW(top, GWLP_WNDPROC);
    queriesSeenByOwnProcedure = 0;
  }
  ~TargetWindow() { DestroyWindow(top); }
  TargetWindow(const TargetWindow&) = delete;
  TargetWindow& operator=(const TargetWindow&) = delete;

  HWND top = nullptr;
  HWND control = nullptr;
  LONG_PTR ownProcedure = 0;
};

// Registers `name` as an Edit control under another class name; true when
// the class exists afterwards.
bool registerEditClass(const wchar_t* name) {
  WNDCLASSW edit{};
  if (!GetClassInfoW(nullptr, L"Edit", &edit)) return false;
  edit.hInstance = GetModuleHandleW(nullptr);
  edit.lpszClassName = name;
  return RegisterClassW(&edit) != 0 || GetClassInfoW(GetModuleHandleW(nullptr), name, &edit);
}

class CaptureTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    openWindow(folder.path());
    ASSERT_TRUE(setClipboardText(L"before"));
  }

};

TEST_F(CaptureTest, RichEditInFrontGivesItsFirstWordAndIsRememberedForReplace) {
  TargetWindow target(L"RichEdit20W", L"  Haus und Hof");
  ASSERT_EQ(GetForegroundWindow(), target.top);
  application->replaceTarget = window;
  EXPECT_TRUE(captureSelection(application->mainWindow, *application));
  EXPECT_EQ(clipboardText(), L"  Haus und Hof") << "the control copied its selection";
  EXPECT_EQ(itemText(window, IDE_FROM_WORD), L"Haus");
  EXPECT_STREQ(application->trailingText, L" und Hof");
  EXPECT_EQ(application->replaceTarget, target.control);
  EXPECT_EQ(GetWindowLongPtrW(target.top, GWLP_WNDPROC), target.ownProcedure) << "procedure put back";
  EXPECT_EQ(queriesSeenByOwnProcedure, 0) << "the query reached the window's own procedure";
}

TEST_F(CaptureTest, EditInFrontGivesItsFirstWordButIsNotRemembered) {
  TargetWindow target(L"Edit", L"house, garden");
  SendDlgItemMessageW(window, IDC_FROM_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"old"));
  EXPECT_TRUE(captureSelection(application->mainWindow, *application));
  EXPECT_EQ(itemText(window, IDE_FROM_WORD), L"house");
  EXPECT_STREQ(application->trailingText, L", garden");
  EXPECT_EQ(SendDlgItemMessageW(window, IDC_FROM_LIST, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(application->replaceTarget, nullptr);
}

// An Edit control copies nothing without a selection.
TEST_F(CaptureTest, AControlWithoutSelectionGivesTheClipboardAsItWas) {
  ASSERT_TRUE(registerEditClass(L"CapEdit"));
  TargetWindow target(L"CapEdit", L"Haus");
  SendMessageW(target.control, EM_SETSEL, 0, 0);
  ASSERT_TRUE(setClipboardText(L"Garten"));
  EXPECT_TRUE(captureSelection(application->mainWindow, *application));
  EXPECT_EQ(itemText(window, IDE_FROM_WORD), L"Garten");
  EXPECT_EQ(application->replaceTarget, target.control);
}

TEST_F(CaptureTest, OnlyTheEditControlClassesOfTheTableAreAccepted) {
  struct Case {
    const wchar_t* className;
    bool accepted;
    bool remembered;
  };
  const Case cases[] = {
      {L"RICHEDIT_TEST", true, true}, {L"RichEditX", true, true},   {L"EDIT", true, false},
      {L"LabelEdit", true, true},   {L"CapEdit", true, true},     {L"RichInk2", true, true},
      {L"Edit2", false, false},     {L"RichEdi", false, false},   {L"MyEdit", false, false},
      {L"RichIn", false, false},    {L"XLabelEdit", false, false},
  };
  for (const Case& entry : cases) {
    SCOPED_TRACE(entry.className);
    // Every class is an Edit control under another name.
    ASSERT_TRUE(registerEditClass(entry.className) || _wcsicmp(entry.className, L"EDIT") == 0);
    TargetWindow target(entry.className, L"word");
    ASSERT_EQ(GetFocus(), target.control);
    SetDlgItemTextW(window, IDE_FROM_WORD, L"old");
    application->replaceTarget = window;
    EXPECT_EQ(captureSelection(application->mainWindow, *application), entry.accepted);
    EXPECT_EQ(itemText(window, IDE_FROM_WORD), entry.accepted ? L"word" : L"old");
    EXPECT_EQ(application->replaceTarget, entry.remembered ? target.control : nullptr);
  }
}

TEST_F(CaptureTest, AHiddenOrDisabledControlGivesNothing) {
  for (DWORD state : {static_cast<DWORD>(WS_VISIBLE), static_cast<DWORD>(WS_DISABLED)}) {
    TargetWindow target(L"RichEdit20W", L"Haus");
    // Changed behind the focus's back, so that the control keeps it.
    const LONG style = GetWindowLongW(target.control, GWL_STYLE);
    SetWindowLongW(target.control, GWL_STYLE, state == WS_VISIBLE ? style & ~WS_VISIBLE : style | WS_DISABLED);
    ASSERT_EQ(GetFocus(), target.control);
    EXPECT_FALSE(captureSelection(application->mainWindow, *application));
    EXPECT_EQ(clipboardText(), L"before") << "no WM_COPY";
    EXPECT_EQ(itemText(window, IDE_FROM_WORD), L"");
    EXPECT_EQ(application->replaceTarget, nullptr);
  }
}

TEST_F(CaptureTest, NothingOnTheClipboardAfterTheCopyGivesNothing) {
  ASSERT_TRUE(registerEditClass(L"CapEdit"));
  TargetWindow target(L"CapEdit", L"Haus");
  SendMessageW(target.control, EM_SETSEL, 0, 0);
  ASSERT_TRUE(emptyClipboard());
  EXPECT_FALSE(captureSelection(application->mainWindow, *application));
  EXPECT_EQ(application->replaceTarget, nullptr);
}

TEST_F(CaptureTest, WithNothingFocusedTheActiveWindowAnswers) {
  TargetWindow target(L"Edit", L"Haus");
  SetFocus(nullptr);
  ASSERT_EQ(GetActiveWindow(), target.top);
  EXPECT_EQ(findFrontFocus(window), target.top);
  EXPECT_FALSE(captureSelection(application->mainWindow, *application)) << "the window itself is no edit control";
}

TEST_F(CaptureTest, TheDesktopInFrontIsNotAsked) {
  EXPECT_TRUE(isDesktopWindow(GetDesktopWindow()));
  for (const wchar_t* desktop : {L"DesktopExplorerWindow", L"Progman", L"WorkerW", L"DesktopExplorerWindowX"}) {
    SCOPED_TRACE(desktop);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = targetProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = desktop;
    RegisterClassW(&windowClass);
    HWND front = CreateWindowW(desktop, L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(front);
    pumpMessages();
    ASSERT_EQ(GetForegroundWindow(), front);
    const bool desktopClass = wcscmp(desktop, L"DesktopExplorerWindowX") != 0;  // compared whole
    EXPECT_EQ(isDesktopWindow(front), desktopClass);
    const LONG_PTR procedure = GetWindowLongPtrW(front, GWLP_WNDPROC);
    const DWORD start = GetTickCount();
    HWND focus = findFrontFocus(window);
    EXPECT_EQ(focus == nullptr, desktopClass);
    EXPECT_LT(GetTickCount() - start, 500u) << "no wait for an answer";
    EXPECT_EQ(GetWindowLongPtrW(front, GWLP_WNDPROC), procedure);
    DestroyWindow(front);
  }
}

// On desktop Windows and under Wine a tap on the notification icon
// activates the notification area.
TEST_F(CaptureTest, TheApplicationBehindTheNotificationAreaIsBroughtBackAndAsked) {
  ShowWindow(window, SW_HIDE);
  TargetWindow target(L"RichEdit20W", L"Haus");
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = targetProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"Shell_TrayWnd";
  RegisterClassW(&windowClass);
  // Above the target: windows the user cannot work in, then the taskbar.
  auto popup = [](const wchar_t* className, DWORD style, DWORD extendedStyle) {
    return CreateWindowExW(extendedStyle, className, L"", WS_POPUP | WS_VISIBLE | style, 0, 0, 50, 50, nullptr,
                           nullptr, nullptr, nullptr);
  };
  HWND others[] = {popup(kTargetClass, WS_DISABLED, 0), popup(kTargetClass, 0, WS_EX_NOACTIVATE),
                   popup(kTargetClass, WS_MINIMIZE, 0), popup(L"Shell_TrayWnd", 0, 0)};
  HWND taskbar = others[3];
  SetForegroundWindow(taskbar);
  pumpMessages();
  ASSERT_EQ(GetForegroundWindow(), taskbar);
  ASSERT_NE(GetFocus(), target.control);

  EXPECT_TRUE(captureSelection(application->mainWindow, *application));
  EXPECT_EQ(GetForegroundWindow(), target.top);
  EXPECT_EQ(itemText(window, IDE_FROM_WORD), L"Haus");
  EXPECT_EQ(application->replaceTarget, target.control);
  for (HWND other : others) DestroyWindow(other);
}

// A window in front on another thread of this program that stops answering
// until it is released.
class UnansweringWindow {
 public:
  UnansweringWindow() {
    HANDLE created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, created] {
      TargetWindow target(L"RichEdit20W", L"Haus");
      top = target.top;
      ownProcedure = target.ownProcedure;
      SetEvent(created);
      WaitForSingleObject(release_, INFINITE);
      pumpMessages();
    });
    WaitForSingleObject(created, INFINITE);
    CloseHandle(created);
  }
  ~UnansweringWindow() {
    SetEvent(release_);
    thread_.join();
    CloseHandle(release_);
  }

  HWND top = nullptr;
  LONG_PTR ownProcedure = 0;

 private:
  HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread thread_;
};

TEST_F(CaptureTest, AnUnansweredQueryEndsAfterOneSecondWithTheProcedurePutBack) {
  UnansweringWindow front;
  ASSERT_EQ(GetForegroundWindow(), front.top);
  const DWORD start = GetTickCount();
  application->replaceTarget = window;
  EXPECT_FALSE(captureSelection(application->mainWindow, *application));
  const DWORD waited = GetTickCount() - start;
  EXPECT_GE(waited, 900u);
  EXPECT_LT(waited, 3000u);
  EXPECT_EQ(GetWindowLongPtrW(front.top, GWLP_WNDPROC), front.ownProcedure);
  EXPECT_EQ(application->replaceTarget, nullptr);
  EXPECT_EQ(clipboardText(), L"before");
}

TEST_F(CaptureTest, AQuitDuringTheQueryEndsItAndStaysForTheProgramsLoop) {
  UnansweringWindow front;
  PostQuitMessage(7);
  const DWORD start = GetTickCount();
  EXPECT_EQ(findFrontFocus(window), nullptr);
  EXPECT_LT(GetTickCount() - start, 900u);
  EXPECT_EQ(GetWindowLongPtrW(front.top, GWLP_WNDPROC), front.ownProcedure);
  EXPECT_EQ(takeQuitMessage(), 7);
}

TEST_F(CaptureTest, OtherMessagesRunWhileTheQueryWaits) {
  UnansweringWindow front;
  SetDlgItemTextW(window, IDE_TO_WORD, L"house");
  ASSERT_TRUE(PostMessageW(window, WM_COMMAND, IDM_COPY, 0));
  EXPECT_EQ(findFrontFocus(window), nullptr);
  EXPECT_EQ(clipboardText(), L"house") << "the Copy command ran during the wait";
}

TEST_F(CaptureTest, ATapOnTheIconCapturesShowsTheWindowAndPostsTranslate) {
  ShowWindow(window, SW_HIDE);
  TargetWindow target(L"RichEdit20W", L"Haus");
  SendMessageW(window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
  EXPECT_EQ(itemText(window, IDE_FROM_WORD), L"Haus");
  EXPECT_EQ(application->replaceTarget, target.control);
  EXPECT_EQ(application->busy, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetForegroundWindow(), window);
  MSG translate;
  ASSERT_TRUE(PeekMessageW(&translate, window, WM_COMMAND, WM_COMMAND, PM_REMOVE));
  EXPECT_EQ(translate.wParam, static_cast<WPARAM>(IDM_TRANSLATE_FORWARD));
  EXPECT_EQ(translate.lParam, 0);
}

TEST_F(CaptureTest, AFailedCaptureStillShowsTheWindowWithoutTranslate) {
  ShowWindow(window, SW_HIDE);
  TargetWindow target(L"Button", L"OK");
  SendMessageW(window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetForegroundWindow(), window);
  MSG translate;
  EXPECT_FALSE(PeekMessageW(&translate, window, WM_COMMAND, WM_COMMAND, PM_REMOVE));
}

TEST_F(CaptureTest, ATapWhileACommandRunsCapturesNothing) {
  ShowWindow(window, SW_HIDE);
  TargetWindow target(L"RichEdit20W", L"Haus");
  application->busy = 1;
  application->replaceTarget = window;
  SendMessageW(window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
  EXPECT_EQ(application->replaceTarget, window);
  EXPECT_EQ(itemText(window, IDE_FROM_WORD), L"");
  EXPECT_EQ(clipboardText(), L"before");
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(application->busy, 1);
}

TEST_F(CaptureTest, OwnMainWindowInFrontAnswersThroughTheHookToo) {
  SetForegroundWindow(window);
  SetDlgItemTextW(window, IDE_TO_WORD, L"maison");
  HWND toField = GetDlgItem(window, IDE_TO_WORD);
  SetFocus(toField);
  SendMessageW(toField, EM_SETSEL, 0, -1);
  pumpMessages();
  const LONG_PTR procedure = GetWindowLongPtrW(window, GWLP_WNDPROC);
  EXPECT_EQ(findFrontFocus(window), toField);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), procedure);
  EXPECT_TRUE(captureSelection(application->mainWindow, *application));
  EXPECT_EQ(itemText(window, IDE_FROM_WORD), L"maison");
}

}  // namespace
