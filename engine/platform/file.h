// Exclusive file access for the engine.
//
// Every open admits no other opener while the file is held: CreateFileW with
// share mode 0 on Windows, open() plus an exclusive non-blocking flock()
// elsewhere.  An open that fails only because another process holds the file
// is retried for a short, bounded time, so that two programs using the same
// dictionary at the same moment both succeed.
#ifndef LEXCORE_PLATFORM_FILE_H
#define LEXCORE_PLATFORM_FILE_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "translator/lexcore.h"

namespace lexcore {

using WideString = std::basic_string<TD_WCHAR>;

enum class OpenMode {
  Read,                  // read access, the file must exist
  ReadWriteOpenAlways,   // read and write, created empty when missing
  ReadWriteCreateAlways, // read and write, emptied or created
  // Read and write, created empty when missing, held for replaceContents():
  // no other holder in this mode exists until close(), whatever
  // replaceContents() does to the file.
  ReadWriteForReplace
};

// How long an open keeps retrying while another process holds the file.
constexpr int kBusyRetryMilliseconds = 1000;

// True for the characters that separate folders in a path on this platform.
bool isPathSeparator(TD_WCHAR c);

// True when `path` names an existing file, whoever holds it open.
bool fileExists(const TD_WCHAR* path);

class File {
 public:
  File() = default;
  ~File() { close(); }
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Opens `path` exclusively, waiting up to `waitMilliseconds` while another
  // process holds it; isOpen() tells whether it worked.
  static File open(const TD_WCHAR* path, OpenMode mode, int waitMilliseconds = kBusyRetryMilliseconds);

  bool isOpen() const;
  // Reads up to `size` bytes; returns the count read, or -1 on failure.
  int64_t read(void* buffer, size_t size);
  // Reads exactly `size` bytes; false when fewer were there.
  bool readExact(void* buffer, size_t size) { return read(buffer, size) == static_cast<int64_t>(size); }
  bool write(const void* data, size_t size);
  // Moves to an absolute offset; false on failure.
  bool seek(uint64_t offset);
  // Size in bytes, or -1 on failure.
  int64_t size();
  // Replaces the file's whole contents by `data` atomically: at every moment,
  // a crash or a kill included, `path` holds either the complete old contents
  // or the complete new ones, and once this returns true the new ones are on
  // disk.  The file must have been opened with ReadWriteForReplace and `path`
  // must be its path.  The new contents are written and flushed to
  // "<path>.new", which only the holder writes, then renamed over `path`.
  // False, with `path` unchanged and "<path>.new" removed, when a step fails.
  // A "<path>.new" left by a process killed before its rename holds no
  // acknowledged contents; it is never read, and the next replace overwrites
  // it.
  bool replaceContents(const TD_WCHAR* path, const std::string& data);
  void close();

 private:
#if defined(_WIN32)
  void* handle_ = nullptr;
  // ReadWriteForReplace: "<path>.lock", held exclusively and deleted on
  // close, so that holders stay one at a time while the file itself is
  // closed and renamed over.
  void* lock_ = nullptr;
#else
  int fd_ = -1;
#endif
};

}  // namespace lexcore

#endif  // LEXCORE_PLATFORM_FILE_H
