// A tap on the notification icon captures from the window in front (here a
// window of this test program; other programs are the end-to-end tests'
// business), and Replace puts the translation back in the captured word's
// letter case, followed by the rest of the captured text.
#include <functional>

#include "window_fixture.h"

namespace {

class CaptureTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    open();
    ShowWindow(window, SW_HIDE);
    ASSERT_TRUE(setClipboardText(L"before"));
  }
  // A tap with nothing captured: the From word stays empty, the clipboard
  // untouched, the window is shown in front all the same.
  void expectNothingCaptured() {
    EXPECT_EQ(driver->text(IDE_FROM_WORD), L"");
    EXPECT_EQ(clipboardText(), L"before");
    EXPECT_TRUE(IsWindowVisible(window));
  }
  bool replaceAvailable() {
    SetDlgItemTextW(window, IDE_TO_WORD, L"x");
    return menuItemEnabled(IDM_REPLACE);
  }
};

TEST_F(CaptureTest, OnlyTheEditControlClassesOfTheTableAreAcceptedSomeRemembered) {
  const struct {
    const wchar_t* className;
    bool accepted;
    bool remembered;
  } cases[] = {
      {L"RICHEDIT_TEST", true, true}, {L"RichEditX", true, true},   {L"EDIT", true, false},
      {L"LabelEdit", true, true},     {L"CapEdit", true, true},     {L"RichInk2", true, true},
      {L"Edit2", false, false},       {L"RichEdi", false, false},   {L"MyEdit", false, false},
      {L"RichIn", false, false},      {L"XLabelEdit", false, false}, {L"Button", false, false},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.className);
    TargetWindow target(entry.className, L"word, more");
    ASSERT_EQ(GetFocus(), target.control);
    SetDlgItemTextW(window, IDE_FROM_WORD, L"old");
    SendDlgItemMessageW(window, IDC_FROM_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"old"));
    tapIcon();
    EXPECT_EQ(driver->text(IDE_FROM_WORD), entry.accepted ? L"word" : L"old");
    EXPECT_EQ(driver->items(IDC_FROM_LIST).empty(), entry.accepted);
    EXPECT_EQ(replaceAvailable(), entry.remembered);
    EXPECT_TRUE(IsWindowVisible(window));
  }
}

TEST_F(CaptureTest, WhatGivesNothing) {
  TargetWindow target(L"CapEdit");
  const struct {
    const char* name;
    std::function<void()> prepare;
  } cases[] = {
      {"hidden control", [&] { SetWindowLongW(target.control, GWL_STYLE, GetWindowLongW(target.control, GWL_STYLE) & ~WS_VISIBLE); }},
      {"disabled control", [&] { SetWindowLongW(target.control, GWL_STYLE, GetWindowLongW(target.control, GWL_STYLE) | WS_DISABLED); }},
      {"nothing focused: the window itself answers", [&] { SetFocus(nullptr); }},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.name);
    const LONG style = GetWindowLongW(target.control, GWL_STYLE);
    target.select(L"Haus", L"Haus");
    entry.prepare();  // changed behind the focus's back, so that the control keeps it
    tapIcon();
    expectNothingCaptured();
    SetWindowLongW(target.control, GWL_STYLE, style);
    ShowWindow(window, SW_HIDE);
  }
  // A control without a selection copies nothing: the clipboard gives the
  // word, or nothing at all.
  target.select(L"Haus", L"");
  ASSERT_TRUE(setClipboardText(nullptr));
  tapIcon();
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"");
  target.select(L"Haus", L"");
  ASSERT_TRUE(setClipboardText(L"Garten"));
  tapIcon();
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"Garten");
}

TEST_F(CaptureTest, TheDesktopInFrontIsNotAskedTheApplicationBehindTheNotificationAreaIs) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  for (const wchar_t* desktop : {L"DesktopExplorerWindow", L"Progman", L"WorkerW"}) {
    SCOPED_TRACE(desktop);
    windowClass.lpszClassName = desktop;
    RegisterClassW(&windowClass);
    HWND front = CreateWindowW(desktop, L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(front);
    const DWORD start = GetTickCount();
    tapIcon();
    EXPECT_LT(GetTickCount() - start, 500u) << "no wait for an answer";
    expectNothingCaptured();
    DestroyWindow(front);
  }
  // Above the target: windows the user cannot work in, then the taskbar in
  // front (a tap on the icon activates the notification area).
  TargetWindow target(L"RichEdit20W");
  windowClass.lpszClassName = L"Shell_TrayWnd";
  RegisterClassW(&windowClass);
  auto popup = [](const wchar_t* className, DWORD style, DWORD extendedStyle) {
    return CreateWindowExW(extendedStyle, className, L"", WS_POPUP | WS_VISIBLE | style, 0, 0, 50, 50, nullptr,
                           nullptr, nullptr, nullptr);
  };
  HWND others[] = {popup(L"LexpadTestTarget", WS_DISABLED, 0), popup(L"LexpadTestTarget", 0, WS_EX_NOACTIVATE),
                   popup(L"LexpadTestTarget", WS_MINIMIZE, 0), popup(L"Shell_TrayWnd", 0, 0)};
  SetForegroundWindow(others[3]);
  ASSERT_EQ(GetForegroundWindow(), others[3]);
  tapIcon();
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"Haus");
  EXPECT_TRUE(replaceAvailable());
  for (HWND other : others) DestroyWindow(other);
}

TEST_F(CaptureTest, ReplacePutsTheTranslationInTheCapturedWordsCaseFollowedByTheRest) {
  TargetWindow target(L"RichEdit20W");
  const std::wstring longRest(211, L'.');  // with 300 letters 511 characters: all the room there is
  const struct {
    std::wstring text;
    std::wstring selection;
    std::wstring translation;
    std::wstring replaced;  // the target's text afterwards; empty when refused
  } cases[] = {
      {L"Das Haus und Hof.", L"Haus und Hof", L"house", L"Das House und Hof."},
      {L"[  hello world]", L"  hello world", L"hallo", L"[hallo world]"},
      {L"McDonald", L"McDonald", L"mcdonald", L"mcdonald"},
      {L"Haus", L"Haus", L"\u00E9clair 1a", L"\u00C9clair 1a"},
      {L"EU", L"EU", L"eu 2 x", L"EU 2 X"},
      {L"STRA\u00DFE", L"STRA\u00DFE", L"stra\u00DFe", L"STRA\u00DFE"},
      {L"Stra\u00DFe", L"Stra\u00DFe", L"street", L"Street"},
      {L"\u0153UVRE", L"\u0153UVRE", L"work", L"work"},
      {L"\u0141\u00F3d\u017A", L"\u0141\u00F3d\u017A", L"lodz", L"lodz"},
      // Every letter of the character set and other characters that are no
      // letters whatever their low byte.
      {L"USA", L"USA", L"c\u0153ur \u0161a\u017E \u00E0\u00FE\u00FF \u00F7\u00D7 \u0142\u017A\u0430\u4E2D",
       L"C\u0152UR \u0160A\u017D \u00C0\u00DE\u0178 \u00F7\u00D7 \u0142\u017A\u0430\u4E2D"},
      {L"haus", L"haus" + longRest, std::wstring(300, L'h'), std::wstring(300, L'h') + longRest},
      {L"haus", L"haus." + longRest, std::wstring(300, L'h'), L""},
      {L"haus", L"haus", std::wstring(600, L'h'), L""},
      {L"haus", L"haus " + std::wstring(300, L'x'), L"house", L""},  // more than the rest that was kept
      {L"Haus", L"Haus", L"", L""},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(testing::PrintToString(entry.text.substr(0, 20) + L" -> " + entry.translation.substr(0, 20)));
    std::wstring text = entry.text;
    if (entry.selection.size() > text.size()) text = entry.selection;
    target.select(text, entry.selection);
    tapIcon();
    SetDlgItemTextW(window, IDE_TO_WORD, entry.translation.c_str());
    const bool refused = entry.replaced.empty();
    driver->press('R', true);
    pumpMessages();  // the target pastes
    EXPECT_EQ(windowText(target.control), refused ? text : entry.replaced);
    EXPECT_EQ(IsWindowVisible(window) != FALSE, refused) << "hidden after a Replace";
    EXPECT_EQ(replaceAvailable(), refused) << "the target is forgotten after a Replace, kept when refused";
  }
}

TEST_F(CaptureTest, ReplaceWithoutATargetOrItsClipboardDoesNothing) {
  {
    TargetWindow target(L"RichEdit20W");
    tapIcon();
    SetDlgItemTextW(window, IDE_TO_WORD, L"house");
    {
      ClipboardHeldElsewhere holder;
      ASSERT_TRUE(holder.held());
      command(IDM_REPLACE);
    }
    EXPECT_EQ(windowText(target.control), L"Haus");
    EXPECT_TRUE(replaceAvailable()) << "the target is kept";
    SetDlgItemTextW(window, IDE_FROM_WORD, L"");
    command(IDM_REPLACE);
    EXPECT_EQ(windowText(target.control), L"Haus") << "an empty From word";
  }
  ASSERT_TRUE(setClipboardText(L"Haus"));
  SetDlgItemTextW(window, IDE_FROM_WORD, L"Haus");
  SetDlgItemTextW(window, IDE_TO_WORD, L"house");
  command(IDM_REPLACE);  // the target is gone
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(clipboardText(), L"Haus");
}

}  // namespace
