#include <windows.h>

#include "platform/failure_points.h"
#include "platform/file.h"

namespace lexcore {
namespace {

HANDLE asHandle(void* h) { return static_cast<HANDLE>(h); }

// Errors of a file that another process holds: a sharing violation, or (for
// a lock file being deleted as its holder closes it) access denied.
bool isBusy(DWORD error, bool lockFile) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || (lockFile && error == ERROR_ACCESS_DENIED);
}

// How long a rename waits for readers that hold the file.
constexpr int kReplaceWaitMilliseconds = 2000;

// CreateFileW, retried while another process holds the file, until
// `deadline`.  INVALID_HANDLE_VALUE on failure.
HANDLE openRetrying(const wchar_t* path, DWORD access, DWORD disposition, DWORD flags, ULONGLONG deadline,
                    bool lockFile) {
  for (;;) {
    HANDLE h = CreateFileW(path, access, 0, nullptr, disposition, flags, nullptr);
    if (h != INVALID_HANDLE_VALUE) return h;
    if (!isBusy(GetLastError(), lockFile) || GetTickCount64() >= deadline) return INVALID_HANDLE_VALUE;
    Sleep(2);
  }
}

}  // namespace

bool isPathSeparator(TD_WCHAR c) { return c == L'\\' || c == L'/'; }

File::File(File&& other) noexcept : handle_(other.handle_), lock_(other.lock_) {
  other.handle_ = nullptr;
  other.lock_ = nullptr;
}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    close();
    handle_ = other.handle_;
    lock_ = other.lock_;
    other.handle_ = nullptr;
    other.lock_ = nullptr;
  }
  return *this;
}

bool fileExists(const TD_WCHAR* path) {
  if (path == nullptr) return false;
  const DWORD attributes = GetFileAttributesW(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

File File::open(const TD_WCHAR* path, OpenMode mode, int waitMilliseconds) {
  File file;
  if (path == nullptr || stepFails()) return file;
  DWORD access = GENERIC_READ;
  DWORD disposition = OPEN_EXISTING;
  if (mode == OpenMode::ReadWriteOpenAlways || mode == OpenMode::ReadWriteForReplace) {
    access |= GENERIC_WRITE;
    disposition = OPEN_ALWAYS;
  } else if (mode == OpenMode::ReadWriteCreateAlways) {
    access |= GENERIC_WRITE;
    disposition = CREATE_ALWAYS;
  }
  const ULONGLONG deadline = GetTickCount64() + waitMilliseconds;
  if (mode == OpenMode::ReadWriteForReplace) {
    // The lock file exists only while it is held: deleted when its holder
    // closes it or ends, killed or not.
    const std::wstring lock = std::wstring(path) + L".lock";
    HANDLE h = openRetrying(lock.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, deadline, true);
    if (h == INVALID_HANDLE_VALUE) return file;
    file.lock_ = h;
  }
  HANDLE h = openRetrying(path, access, disposition, FILE_ATTRIBUTE_NORMAL, deadline, false);
  if (h == INVALID_HANDLE_VALUE) {
    file.close();
    return file;
  }
  file.handle_ = h;
  return file;
}

bool File::isOpen() const { return handle_ != nullptr; }

int64_t File::read(void* buffer, size_t size) {
  if (handle_ == nullptr || stepFails()) return -1;
  size_t done = 0;
  while (done < size) {
    const DWORD chunk = size - done > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size - done);
    DWORD n = 0;
    if (!ReadFile(asHandle(handle_), static_cast<char*>(buffer) + done, chunk, &n, nullptr)) return -1;
    if (n == 0) break;
    done += n;
  }
  return static_cast<int64_t>(done);
}

bool File::write(const void* data, size_t size) {
  if (handle_ == nullptr) return false;
  // A failed write may have written part of the data, as on a full disk.
  if (stepFails()) {
    write(data, size / 2);
    return false;
  }
  size_t done = 0;
  while (done < size) {
    const DWORD chunk = size - done > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size - done);
    DWORD n = 0;
    if (!WriteFile(asHandle(handle_), static_cast<const char*>(data) + done, chunk, &n, nullptr) || n == 0)
      return false;
    done += n;
  }
  return true;
}

bool File::seek(uint64_t offset) {
  if (handle_ == nullptr || offset > static_cast<uint64_t>(INT64_MAX)) return false;
  LARGE_INTEGER to, reached;
  to.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(asHandle(handle_), to, &reached, FILE_BEGIN) &&
         reached.QuadPart == static_cast<LONGLONG>(offset);
}

int64_t File::size() {
  LARGE_INTEGER size;
  if (handle_ == nullptr || !GetFileSizeEx(asHandle(handle_), &size)) return -1;
  return size.QuadPart;
}

// A file held with share mode 0 cannot be renamed over, so the holder's
// own handle is closed before the rename; the lock file keeps other holders
// out until close().  Readers that open the file meanwhile see the complete
// old contents, and the rename waits for them.
bool File::replaceContents(const TD_WCHAR* path, const std::string& data) {
  if (handle_ == nullptr || lock_ == nullptr || path == nullptr) return false;
  const std::wstring fresh = std::wstring(path) + L".new";
  {
    File copy;
    if (!stepFails()) {
      HANDLE h = CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (h != INVALID_HANDLE_VALUE) copy.handle_ = h;
    }
    const bool written = copy.isOpen() && copy.write(data.data(), data.size()) && !stepFails() &&
                         FlushFileBuffers(asHandle(copy.handle_));
    copy.close();
    if (!written) {
      DeleteFileW(fresh.c_str());
      return false;
    }
  }
  CloseHandle(asHandle(handle_));
  handle_ = nullptr;
  bool renamed = false;
  const ULONGLONG deadline = GetTickCount64() + kReplaceWaitMilliseconds;
  if (!stepFails()) {
    for (;;) {
      renamed = MoveFileExW(fresh.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
      if (renamed || !isBusy(GetLastError(), true) || GetTickCount64() >= deadline) break;
      Sleep(2);
    }
  }
  if (!renamed) DeleteFileW(fresh.c_str());
  return renamed;
}

void File::close() {
  if (handle_ != nullptr) {
    CloseHandle(asHandle(handle_));
    handle_ = nullptr;
  }
  if (lock_ != nullptr) {
    CloseHandle(asHandle(lock_));
    lock_ = nullptr;
  }
}

}  // namespace lexcore
