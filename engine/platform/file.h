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
  Read,                 // read access, the file must exist
  ReadWriteOpenAlways,  // read and write, created empty when missing
  ReadWriteCreateAlways // read and write, emptied or created
};

// How long an open keeps retrying while another process holds the file.
constexpr int kBusyRetryMilliseconds = 250;

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
  // Writes `data` as the file's whole new contents so that a crash at any
  // moment leaves either the old contents or the new ones at `path`.  The
  // file stays held exclusively throughout.  `path` must be this file's path;
  // the new contents pass through "<path>.new", which only the holder of the
  // file writes.
  bool replaceContents(const TD_WCHAR* path, const std::string& data);
  void close();

 private:
#if defined(_WIN32)
  void* handle_ = nullptr;
#else
  int fd_ = -1;
#endif
};

}  // namespace lexcore

#endif  // LEXCORE_PLATFORM_FILE_H
