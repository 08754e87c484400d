// The real lexpad.exe as a process: its exit codes, the settings it writes
// when it ends, and the single-instance rule with a second process.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app_test_support.h"
#include "integration/registry_key.h"
#include "integration/settings.h"
#include "platform/handheld.h"
#include "resource.h"
#include "test_dictionaries.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;

class LexpadProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    deleteSettingsKey();
    writeDirection(folder.path(), L"en_de.tdl", "English", "German");
    writeDirection(folder.path(), L"de_en.tdl", "German", "English");
  }
  void TearDown() override {
    for (PROCESS_INFORMATION& process : processes) {
      if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 99);
      CloseHandle(process.hProcess);
      CloseHandle(process.hThread);
    }
    deleteSettingsKey();
  }

  // Starts lexpad.exe, which sits beside this test program.
  HANDLE start() {
    std::wstring commandLine = L"\"" + programFolder() + L"lexpad.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    processes.push_back(process);
    return process.hProcess;
  }

  // The main window of the running lexpad, once it has one and the program
  // waits for input (the window exists before it is shown).
  static HWND waitForMainWindow(HANDLE process) {
    for (DWORD waited = 0; waited < kTimeoutMs; waited += 50) {
      if (HWND window = FindWindowW(dialogWindowClass(), L"Vocaro")) {
        WaitForInputIdle(process, kTimeoutMs);
        return window;
      }
      if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
  }

  static DWORD exitCodeOf(HANDLE process) {
    EXPECT_EQ(WaitForSingleObject(process, kTimeoutMs), WAIT_OBJECT_0) << "the process did not end";
    DWORD code = 12345;
    GetExitCodeProcess(process, &code);
    return code;
  }

  static bool settingsKeyExists() {
    RegistryKey key;
    return key.open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ);
  }
  static std::wstring storedString(const wchar_t* name) {
    wchar_t text[kPathCapacity];
    int length = kPathCapacity;
    return readSettingString(name, text, &length, L"<absent>") ? text : L"<absent>";
  }
  static DWORD storedNumber(const wchar_t* name) {
    DWORD value = 0;
    return readSettingNumber(name, &value, 12345) ? value : 12345;
  }

  void storeStartSettings(DWORD showUI) {
    ASSERT_TRUE(writeSettingString(kPathValue, folder.path().c_str(), -1));
    ASSERT_TRUE(writeSettingNumber(kShowUIValue, showUI));
    ASSERT_TRUE(writeSettingString(kLangFromValue, L"German", -1));
  }

  ScratchFolder folder;
  std::vector<PROCESS_INFORMATION> processes;
};

TEST_F(LexpadProcessTest, ExitEndsWithCode2AndWritesAllSixSettings) {
  storeStartSettings(1);
  HANDLE lexpad = start();
  HWND window = waitForMainWindow(lexpad);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  deleteSettingsKey();  // everything found afterwards was written at the end

  PostMessageW(window, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_EQ(exitCodeOf(lexpad), 2u);
  EXPECT_EQ(storedNumber(kOptionsValue), 15u);
  EXPECT_EQ(storedNumber(kStdEditValue), 0u);
  EXPECT_EQ(storedNumber(kShowUIValue), 1u);
  EXPECT_EQ(storedString(kPathValue), folder.path() + L"\\");
  EXPECT_EQ(storedString(kLangFromValue), L"German") << "the remembered language was selected";
  EXPECT_EQ(storedString(kLangToValue), L"English");
}

TEST_F(LexpadProcessTest, HibernateEndsWithCode2) {
  storeStartSettings(0);
  HANDLE lexpad = start();
  HWND window = waitForMainWindow(lexpad);
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsWindowVisible(window)) << "ShowUI 0 starts with the notification icon only";
  PostMessageW(window, WM_HIBERNATE, 0, 0);
  EXPECT_EQ(exitCodeOf(lexpad), 2u);
  EXPECT_EQ(storedNumber(kShowUIValue), 0u);
  EXPECT_EQ(storedString(kLangToValue), L"English");
}

TEST_F(LexpadProcessTest, HidingLeavesTheProgramRunning) {
  storeStartSettings(1);
  HANDLE lexpad = start();
  HWND window = waitForMainWindow(lexpad);
  ASSERT_NE(window, nullptr);
  // Escape in a word field goes through the program's message loop to the
  // dialog manager, which makes it the cancel command.
  PostMessageW(GetDlgItem(window, IDE_FROM_WORD), WM_KEYDOWN, VK_ESCAPE, 0);
  for (DWORD waited = 0; waited < kTimeoutMs && IsWindowVisible(window); waited += 50) Sleep(50);
  EXPECT_FALSE(IsWindowVisible(window));
  ShowWindow(window, SW_SHOW);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(lexpad, 1000), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window));

  PostMessageW(window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
  for (DWORD waited = 0; waited < kTimeoutMs && !IsWindowVisible(window); waited += 50) Sleep(50);
  EXPECT_TRUE(IsWindowVisible(window)) << "a tap on the icon shows it again";
  PostMessageW(window, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_EQ(exitCodeOf(lexpad), 2u);
}

TEST_F(LexpadProcessTest, SecondStartShowsTheRunningWindowEndsWithCode0AndWritesNothing) {
  storeStartSettings(0);
  HANDLE first = start();
  HWND window = waitForMainWindow(first);
  ASSERT_NE(window, nullptr);
  ASSERT_FALSE(IsWindowVisible(window));
  deleteSettingsKey();

  HANDLE second = start();
  EXPECT_EQ(exitCodeOf(second), 0u);
  EXPECT_FALSE(settingsKeyExists()) << "the second process wrote a setting";
  for (DWORD waited = 0; waited < kTimeoutMs && !IsWindowVisible(window); waited += 50) Sleep(50);
  EXPECT_TRUE(IsWindowVisible(window)) << "the running window is shown";
  EXPECT_EQ(WaitForSingleObject(first, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the first one keeps running";

  PostMessageW(window, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_EQ(exitCodeOf(first), 2u);
}

}  // namespace
