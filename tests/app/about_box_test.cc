// The about box opened from the File menu: its texts and the figures of the
// volume that holds the dictionaries.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "integration/about_box.h"
#include "window_fixture.h"

namespace {

class AboutBoxTest : public WindowTest {
 protected:
  // Opens the about box; `handler` sees it and ends it.
  void withAboutBox(const DialogHandler& handler) {
    EXPECT_EQ(runWithDialogs(window, [&] { SendMessageW(window, WM_COMMAND, IDM_ABOUT, 0); }, {handler}), 1);
  }
};

// The whole kilobytes in a storage line such as "Free Memory: 1024KB".
uint64_t kilobytesIn(const std::wstring& line) {
  const size_t colon = line.find(L": ");
  EXPECT_NE(colon, std::wstring::npos) << testing::PrintToString(line);
  EXPECT_EQ(line.substr(line.size() - 2), L"KB");
  return colon == std::wstring::npos ? 0 : std::stoull(line.substr(colon + 2));
}

TEST_F(AboutBoxTest, NamesTheVersionAndOurNoticeUnderItsCaption) {
  open(folder.path());
  withAboutBox([&](HWND box) {
    EXPECT_EQ(windowText(box), L"About Vocaro");
    EXPECT_EQ(GetWindow(box, GW_OWNER), window);
    const std::wstring texts = staticTexts(box);
    EXPECT_NE(texts.find(L"|Vocaro Version 1.3 (1.025.1005)|Copyright (c) 2026 the Vocaro developers. Free offline "
                         L"dictionary.|"),
              std::wstring::npos)
        << testing::PrintToString(texts);
    HWND icon = GetWindow(box, GW_CHILD);
    EXPECT_EQ(GetWindowLongW(icon, GWL_STYLE) & SS_TYPEMASK, SS_ICON);
    EXPECT_NE(SendMessageW(icon, STM_GETICON, 0, 0), 0) << "the application icon";
    EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessageW(box, IDOK, WM_GETFONT, 0, 0)), application->boldFont);
    answer(box, IDOK);
  });
  EXPECT_EQ(application->busy, 0);
}

TEST_F(AboutBoxTest, ShowsTheSizeAndFreeSpaceOfTheDictionariesVolumeInKilobytes) {
  open(folder.path());
  std::wstring available;
  std::wstring free;
  withAboutBox([&](HWND box) {
    available = itemText(box, IDT_AVAILABLE_MEMORY);
    free = itemText(box, IDT_FREE_MEMORY);
    answer(box, IDCANCEL);
  });
  ULARGE_INTEGER freeToUser;
  ULARGE_INTEGER total;
  ASSERT_TRUE(GetDiskFreeSpaceExW(folder.path().c_str(), &freeToUser, &total, nullptr));
  EXPECT_EQ(available, L"Available Memory: " + std::to_wstring(total.QuadPart >> 10) + L"KB");
  // Other programs write to the volume meanwhile.
  const int64_t drift = static_cast<int64_t>(kilobytesIn(free)) - static_cast<int64_t>(freeToUser.QuadPart >> 10);
  EXPECT_LT(std::abs(drift), 256 * 1024) << testing::PrintToString(free);
  EXPECT_EQ(free.find(L"Free Memory: "), 0u);
}

TEST_F(AboutBoxTest, KeepsItsTwoDefaultLinesWhenTheVolumeCannotBeAsked) {
  open(folder.path() + L"\\missing");
  withAboutBox([&](HWND box) {
    EXPECT_EQ(itemText(box, IDT_AVAILABLE_MEMORY), L"Information about storage memory availability is ");
    EXPECT_EQ(itemText(box, IDT_FREE_MEMORY), L"inaccessible");
    answer(box, IDOK);
  });
}

TEST_F(AboutBoxTest, FiguresAreWholeKilobytesEvenBeyondWhatALongHolds) {
  open(folder.path());
  withAboutBox([&](HWND box) {
    StoreInformation store;
    store.storeSize = 8388608;
    store.freeSize = 1049599;
    showStoreFigures(box, application->instance, store);
    EXPECT_EQ(itemText(box, IDT_AVAILABLE_MEMORY), L"Available Memory: 8192KB");
    EXPECT_EQ(itemText(box, IDT_FREE_MEMORY), L"Free Memory: 1024KB");

    store.storeSize = 5ull << 40;  // 5 TB
    store.freeSize = 1023;
    showStoreFigures(box, application->instance, store);
    EXPECT_EQ(itemText(box, IDT_AVAILABLE_MEMORY), L"Available Memory: 5368709120KB");
    EXPECT_EQ(itemText(box, IDT_FREE_MEMORY), L"Free Memory: 0KB");
    answer(box, IDOK);
  });
}

TEST_F(AboutBoxTest, EscapeClosesIt) {
  open(folder.path());
  withAboutBox([&](HWND box) {
    SetFocus(GetDlgItem(box, IDOK));
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
  });
  EXPECT_TRUE(IsWindowEnabled(window)) << "the main window takes input again";
}

}  // namespace
