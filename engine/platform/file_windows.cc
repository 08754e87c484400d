#include <windows.h>

#include "platform/file.h"

namespace lexcore {
namespace {

HANDLE asHandle(void* h) { return static_cast<HANDLE>(h); }

}  // namespace

bool isPathSeparator(TD_WCHAR c) { return c == L'\\' || c == L'/'; }

File::File(File&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    close();
    handle_ = other.handle_;
    other.handle_ = nullptr;
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
  if (path == nullptr) return file;
  DWORD access = GENERIC_READ;
  DWORD disposition = OPEN_EXISTING;
  if (mode == OpenMode::ReadWriteOpenAlways) {
    access |= GENERIC_WRITE;
    disposition = OPEN_ALWAYS;
  } else if (mode == OpenMode::ReadWriteCreateAlways) {
    access |= GENERIC_WRITE;
    disposition = CREATE_ALWAYS;
  }
  const ULONGLONG deadline = GetTickCount64() + waitMilliseconds;
  for (;;) {
    HANDLE h = CreateFileW(path, access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      file.handle_ = h;
      return file;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) return file;
    if (GetTickCount64() >= deadline) return file;
    Sleep(2);
  }
}

bool File::isOpen() const { return handle_ != nullptr; }

int64_t File::read(void* buffer, size_t size) {
  if (handle_ == nullptr) return -1;
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

// A file held with share mode 0 cannot be renamed over, so the new contents
// go first to a copy beside it ("<path>.new", written and flushed), then over
// the held file in place.  A crash during the in-place write leaves the
// complete new contents in that copy.
bool File::replaceContents(const TD_WCHAR* path, const std::string& data) {
  if (handle_ == nullptr || path == nullptr) return false;
  std::wstring journal(path);
  journal += L".new";
  HANDLE j = CreateFileW(journal.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (j == INVALID_HANDLE_VALUE) return false;
  File journalFile;
  journalFile.handle_ = j;
  if (!journalFile.write(data.data(), data.size()) || !FlushFileBuffers(j)) {
    journalFile.close();
    DeleteFileW(journal.c_str());
    return false;
  }
  journalFile.close();
  if (!seek(0) || !write(data.data(), data.size()) || !SetEndOfFile(asHandle(handle_)) ||
      !FlushFileBuffers(asHandle(handle_)))
    return false;
  DeleteFileW(journal.c_str());
  return true;
}

void File::close() {
  if (handle_ != nullptr) {
    CloseHandle(asHandle(handle_));
    handle_ = nullptr;
  }
}

}  // namespace lexcore
