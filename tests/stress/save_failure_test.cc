// Every step of a user dictionary add that can fail (the opens, reads,
// writes, flushes and renames of the file and of its new copy) is failed in
// turn, a failed write having written half its data as on a full disk.  Each
// time the add must report failure and leave the file holding the complete
// old pairs; the same add then succeeds and the file holds the complete new
// pairs.  Built natively and for Windows, where it runs under Wine.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/failure_points.h"
#include "temp_folder.h"
#include "translator/lexcore.h"

namespace {

using vocaro_test::TempFolder;

TEST(SaveFailure, EveryFailedStepLeavesTheOldPairsWhole) {
  TempFolder folder;
  // A list file of no entries is all TD_TransAddUdr needs.
  std::string list(128, '\0');
  list.replace(0, 3, "TDL");
  list[8] = static_cast<char>(128);
  folder.write("aa_bb.tdl", list);
  std::string pairs;
  for (int i = 0; i < 2000; ++i) pairs += "word" + std::to_string(i) + ":Wort" + std::to_string(i) + "\r\n";
  folder.write("aa_bb.udr", pairs);

  TD_HANDLE handle = nullptr;
  ASSERT_EQ(TD_OK, TD_TransOpen(&handle, folder.widePath("aa_bb.tdl").c_str(), 0));
  ASSERT_EQ(1, TD_TransAddUdr(handle, "first", "erste"));  // loads the dictionary
  std::string before = folder.read("aa_bb.udr");
  int points = 0;
  int lost = 0;
  for (int step = 1;; ++step) {
    const std::string word = "new" + std::to_string(step);
    lexcore::failure_points::failStep(step);
    const int32_t result = TD_TransAddUdr(handle, word.c_str(), "neu");
    const bool failed = lexcore::failure_points::failed();
    lexcore::failure_points::failStep(0);
    const std::string after = folder.read("aa_bb.udr");
    if (!failed) {  // past the last step: the add went through
      EXPECT_EQ(1, result);
      EXPECT_EQ(before.size() + word.size() + 6, after.size());
      break;
    }
    ++points;
    SCOPED_TRACE("step " + std::to_string(step));
    EXPECT_EQ(0, result);
    EXPECT_EQ(before, after) << "the old pairs are not whole";
    lost += before == after ? 0 : 1;
    EXPECT_FALSE(folder.exists("aa_bb.udr.new"));
    // Nothing of the failed add stays behind: the same add now writes it.
    ASSERT_EQ(1, TD_TransAddUdr(handle, word.c_str(), "neu"));
    const std::string added = folder.read("aa_bb.udr");
    EXPECT_NE(std::string::npos, added.find("\r\n" + word + ":neu\r\n")) << "the new pairs are not whole";
    EXPECT_EQ(before.size() + word.size() + 6, added.size());
    before = added;
  }
  TD_TransClose(&handle);
  // Open and read the file; create, write and flush the new copy; rename it.
  EXPECT_EQ(6, points);
  std::printf("save failure points: %d steps failed in turn, %d left the file other than whole\n", points, lost);
}

}  // namespace
