// Memory running out inside the exported functions, at every allocation in
// turn: each function returns its failure code, lets no exception out,
// leaves the files as they were, and works again once memory is back.
//
// This program replaces the global allocation functions so that a test can
// make memory run out from a chosen allocation on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "sample_dictionary.h"
#include "temp_folder.h"
#include "translator/lexcore.h"
#include "translator_session.h"

namespace {

// Allocations left before memory runs out; -1 for no limit.
long allocationsLeft = -1;
// Allocations refused since the limit was set.
long allocationsRefused = 0;

}  // namespace

void* operator new(std::size_t size) {
  if (allocationsLeft == 0) {
    ++allocationsRefused;
    throw std::bad_alloc();
  }
  if (allocationsLeft > 0) --allocationsLeft;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

// The replacements pair malloc with free; the compiler cannot see that.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using lexcore_test::TranslatorSession;

struct Limited {
  int32_t result = 0;
  bool ranOut = false;  // an allocation of the call was refused
};

// Runs `call`, which must allocate nothing of its own, with memory running
// out after `allowed` allocations.
template <typename Call>
Limited withAllocations(long allowed, Call call) {
  Limited out;
  allocationsLeft = allowed;
  allocationsRefused = 0;
  try {
    out.result = call();
  } catch (...) {
    ADD_FAILURE() << "an exception left the exported function after " << allowed << " allocations";
  }
  allocationsLeft = -1;
  out.ranOut = allocationsRefused > 0;
  return out;
}

class MemoryFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    dictionary_.add("apple", {"Apfel"}).add("cat", {"Katze"}).setEndings({{"", "s"}}).setVariants({{"a", "e"}});
    dictionary_.add("pear", {"Birne"}).write(folder_);
    folder_.write("aa_bb.udr", "plum:Pflaume\r\n");
  }

  vocaro_test::TempFolder folder_;
  lexcore_test::SampleDictionary dictionary_;
};

TEST_F(MemoryFailure, OpenGivesMemoryErrorAndANullHandle) {
  const std::u16string list = folder_.widePath("aa_bb.tdl");
  TD_HANDLE handle = nullptr;
  for (long allowed = 0;; ++allowed) {
    const Limited l = withAllocations(allowed, [&] { return TD_TransOpen(&handle, list.c_str(), 0); });
    EXPECT_EQ(l.ranOut ? TD_ERR_MEMORY : TD_OK, l.result) << allowed;
    EXPECT_EQ(l.result == TD_OK, handle != nullptr) << allowed;
    if (handle != nullptr) TD_TransClose(&handle);
    if (!l.ranOut) break;
  }
}

// An add that runs out of memory returns 0, leaves the file as it was, and
// leaves no trace of the pair in memory either.
// The dictionary is created by the first add, or beforehand by a
// translation.
TEST_F(MemoryFailure, FailedAddLeavesFileAndDictionaryAlone) {
  const std::string before = folder_.read("aa_bb.udr"), after = "fig:Feige\r\nplum:Pflaume\r\n";
  for (int prepared = 0; prepared < 2; ++prepared) {
    for (long allowed = 0;; ++allowed) {
      SCOPED_TRACE("memory for " + std::to_string(allowed) + " allocations" + (prepared ? ", loaded before" : ""));
      folder_.write("aa_bb.udr", before);
      TranslatorSession session(folder_);
      if (prepared) {
        ASSERT_EQ(TD_FOUND, session.translate("plum", TD_OPT_USER_DICTIONARY).status);
      }
      const Limited l = withAllocations(allowed, [&] { return TD_TransAddUdr(session.handle(), "fig", "Feige"); });
      EXPECT_EQ(l.ranOut ? 0 : 1, l.result);
      EXPECT_EQ(l.ranOut ? before : after, folder_.read("aa_bb.udr"));
      EXPECT_EQ(l.ranOut ? TD_NOT_FOUND : TD_FOUND, session.translate("fig", TD_OPT_USER_DICTIONARY).status);
      EXPECT_EQ(1, TD_TransAddUdr(session.handle(), "fig", "Feige"));
      EXPECT_EQ(after, folder_.read("aa_bb.udr"));
      if (!l.ranOut) break;
    }
  }
}

}  // namespace
