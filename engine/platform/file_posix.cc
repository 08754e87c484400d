#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/charset.h"
#include "platform/failure_points.h"
#include "platform/file.h"

namespace lexcore {
namespace {

std::string nativePath(const TD_WCHAR* path) {
  std::u16string wide;
  if (path != nullptr) {
    for (const TD_WCHAR* p = path; *p != 0; ++p) wide.push_back(static_cast<char16_t>(*p));
  }
  return utf16ToUtf8(wide);
}

// True when `fd` still refers to the file named `path`: a writer may have
// renamed a new file over the name between our open() and our flock().
bool stillNamed(int fd, const std::string& path) {
  struct stat held, named;
  if (fstat(fd, &held) != 0 || stat(path.c_str(), &named) != 0) return false;
  return held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

}  // namespace

bool isPathSeparator(TD_WCHAR c) { return c == u'/'; }

bool fileExists(const TD_WCHAR* path) {
  struct stat st;
  return path != nullptr && stat(nativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

File::File(File&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

File File::open(const TD_WCHAR* path, OpenMode mode, int waitMilliseconds) {
  File file;
  if (path == nullptr || stepFails()) return file;
  const std::string name = nativePath(path);
  const int flags = mode == OpenMode::Read ? O_RDONLY : (O_RDWR | O_CREAT);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
  for (;;) {
    const int fd = ::open(name.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0) return file;
    const bool locked = flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool busy = !locked && errno == EWOULDBLOCK;
    if (locked && stillNamed(fd, name)) {
      if (mode == OpenMode::ReadWriteCreateAlways && ftruncate(fd, 0) != 0) {
        ::close(fd);
        return file;
      }
      file.fd_ = fd;
      return file;
    }
    ::close(fd);
    if (!locked && !busy) return file;
    if (std::chrono::steady_clock::now() >= deadline) return file;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

bool File::isOpen() const { return fd_ >= 0; }

int64_t File::read(void* buffer, size_t size) {
  if (fd_ < 0 || stepFails()) return -1;
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd_, static_cast<char*>(buffer) + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<int64_t>(done);
}

bool File::write(const void* data, size_t size) {
  if (fd_ < 0) return false;
  // A failed write may have written part of the data, as on a full disk.
  if (stepFails()) {
    write(data, size / 2);
    return false;
  }
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd_, static_cast<const char*>(data) + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

bool File::seek(uint64_t offset) {
  if (fd_ < 0 || offset > static_cast<uint64_t>(INT64_MAX)) return false;
  return lseek(fd_, static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(offset);
}

int64_t File::size() {
  struct stat st;
  if (fd_ < 0 || fstat(fd_, &st) != 0) return -1;
  return st.st_size;
}

bool File::replaceContents(const TD_WCHAR* path, const std::string& data) {
  if (fd_ < 0) return false;
  const std::string name = nativePath(path);
  const std::string temporary = name + ".new";
  const size_t slash = name.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string(".") : name.substr(0, slash + 1);
  const int fd = stepFails() ? -1 : ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  // Lock the new file before it gets the name, so that it is held without a
  // gap from the rename until close().
  File fresh;
  fresh.fd_ = fd;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0 || !fresh.write(data.data(), data.size()) || stepFails() ||
      fsync(fd) != 0 || stepFails() || rename(temporary.c_str(), name.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  // The rename itself reaches the disk with the folder.  Nothing here may
  // fail any more: the new contents are in place.
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_CLOEXEC);
  if (folderFd >= 0) {
    fsync(folderFd);
    ::close(folderFd);
  }
  *this = std::move(fresh);
  return true;
}

void File::close() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

}  // namespace lexcore
