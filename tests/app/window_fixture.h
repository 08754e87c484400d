// A test fixture with lexpad's main window made from the real template, a
// scratch dictionaries folder, and a driver that uses the window as a user
// does.
#ifndef LEXPAD_TESTS_WINDOW_FIXTURE_H
#define LEXPAD_TESTS_WINDOW_FIXTURE_H

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app_test_support.h"
#include "integration/settings.h"
#include "resource.h"
#include "ui_driver.h"

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { deleteSettingsKey(); }
  void TearDown() override {
    driver.reset();
    application.reset();
    takeQuitMessage();
    deleteSettingsKey();
  }

  // Opens the main window on `dictionaries`, with the languages `from` and
  // `to` remembered from an earlier run.
  void open(const std::wstring& dictionaries, const wchar_t* from = L"", const wchar_t* to = L"") {
    writeSettingString(kLangFromValue, from, -1);
    writeSettingString(kLangToValue, to, -1);
    openWindow(dictionaries);
    if (window == nullptr) return;
    driver.reset(new UserDriver(*application));
    driver->pump();
  }
  // Opens the main window on `dictionaries` with the settings as they are.
  void openWindow(const std::wstring& dictionaries) {
    application = openMainWindow(dictionaries);
    window = application->mainWindow;
    ASSERT_NE(window, nullptr);
  }
  // The same with every sample dictionary copied into the scratch folder.
  void openSamples(const wchar_t* from, const wchar_t* to) {
    copySampleDictionaries(folder.path());
    open(folder.path(), from, to);
  }

  HWND item(int id) const { return GetDlgItem(window, id); }
  std::wstring status() const { return itemText(window, IDT_STATUS); }

  ScratchFolder folder;
  std::unique_ptr<Application> application;
  std::unique_ptr<UserDriver> driver;
  HWND window = nullptr;
};

#endif  // LEXPAD_TESTS_WINDOW_FIXTURE_H
