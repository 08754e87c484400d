// Help: the help viewer started on the topic of the window that asked, the
// help page opened with the program for HTML files when there is no viewer,
// and the help file itself.  A probe program stands in for both programs and
// reports the command line it was given.
#include "window_fixture.h"

#include <shellapi.h>

namespace {

constexpr DWORD kProbeTimeoutMs = 15000;

class HelpTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GetCurrentDirectoryW(MAX_PATH, startFolder);
    SetEnvironmentVariableW(L"VOCARO_PROBE_OUTPUT", probeOutput().c_str());
  }
  void TearDown() override {
    SetCurrentDirectoryW(startFolder);
    WindowTest::TearDown();
  }

  std::wstring probeOutput() const { return windowsPath(folder) + L"\\probe.txt"; }

  // The command line the probe was started with; empty when it was not
  // started within the timeout.  The report is used up.
  std::string probeCommandLine() {
    std::string commandLine;
    waitUntil([&] { return !(commandLine = fileBytes(probeOutput())).empty(); }, kProbeTimeoutMs, false);
    DeleteFileW(probeOutput().c_str());
    return commandLine;
  }
  // Asks a window for help as the question mark of its caption does.
  static void askForHelp(HWND window) {
    HELPINFO help{};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_WINDOW;
    SendMessageW(window, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
  }

  wchar_t startFolder[MAX_PATH] = L"";
  vocaro_test::TempFolder viewerFolder;
};

TEST_F(HelpTest, EachWindowAsksTheViewerForItsOwnTopic) {
  open();
  // A help viewer in the current folder, where it is looked for.
  const std::wstring viewer = windowsPath(viewerFolder) + L"\\PegHelp.exe";
  ASSERT_TRUE(CopyFileW((programFolder() + L"help_viewer_probe.exe").c_str(), viewer.c_str(), FALSE));
  SetCurrentDirectoryW(windowsPath(viewerFolder).c_str());
  askForHelp(window);
  EXPECT_EQ(probeCommandLine(), "vocaro.htm#vocaro_help") << "main window";
  clickToolBarButton(-2);
  EXPECT_EQ(probeCommandLine(), "vocaro.htm#vocaro_help") << "help button of the command bar";
  runWithDialogs(window, [&] { driver->press('O', true); }, {[&](HWND dialog) {
                   askForHelp(dialog);
                   answer(dialog, IDCANCEL);
                 }});
  EXPECT_EQ(probeCommandLine(), "vocaro.htm#options") << "options dialog";
  runWithDialogs(window, [&] { command(IDM_ABOUT); }, {[&](HWND dialog) {
                   askForHelp(dialog);
                   answer(dialog, IDOK);
                 }});
  EXPECT_EQ(probeCommandLine(), "vocaro.htm#vocaro_help") << "about box";
}

}  // namespace
