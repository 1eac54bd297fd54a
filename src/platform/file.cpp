#include "platform/file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {
namespace {

class PosixFile final : public util::ReadableFile {
 public:
  PosixFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  ~PosixFile() override { ::close(fd_); }  // closing also drops the lock
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  std::uint64_t sizeBytes() const override { return size_; }

  std::size_t readAt(std::uint64_t offset, std::span<std::byte> out) override {
    std::size_t done = 0;
    while (done < out.size()) {
      const ssize_t n =
          ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    return done;
  }

 private:
  int fd_;
  std::uint64_t size_;
};

util::Error errnoError(util::ErrorCode code, const std::string& what, const std::string& path) {
  return util::makeError(code, what + " " + path + ": " + std::strerror(errno));
}

bool writeAll(int fd, std::span<const std::byte> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

util::Result<std::unique_ptr<util::ReadableFile>> openReadableFile(const std::string& path,
                                                                   OpenMode mode) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errnoError(util::ErrorCode::NotFound, "cannot open", path);
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return util::makeError(util::ErrorCode::NotFound, "not a regular file: " + path);
  }
  if (mode == OpenMode::Exclusive && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    util::Error error =
        errnoError(held ? util::ErrorCode::Locked : util::ErrorCode::Io, "cannot lock", path);
    ::close(fd);
    return error;
  }
  return std::unique_ptr<util::ReadableFile>(
      std::make_unique<PosixFile>(fd, static_cast<std::uint64_t>(st.st_size)));
}

util::Result<std::string> readWholeFile(const std::string& path) {
  auto file = openReadableFile(path, OpenMode::Shared);
  if (!file) return file.error();
  std::string text(static_cast<std::size_t>((*file)->sizeBytes()), '\0');
  const std::size_t n =
      (*file)->readAt(0, std::as_writable_bytes(std::span<char>(text.data(), text.size())));
  if (n != text.size()) return util::makeError(util::ErrorCode::Io, "short read: " + path);
  return text;
}

bool fileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

util::Status writeFileAtomically(const std::string& path, std::span<const std::byte> bytes) {
  const std::string temp = path + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return errnoError(util::ErrorCode::Io, "cannot create", temp);
  const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    util::Error error = errnoError(util::ErrorCode::Io, "cannot write", temp);
    ::unlink(temp.c_str());
    return error;
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    util::Error error = errnoError(util::ErrorCode::Io, "cannot replace", path);
    ::unlink(temp.c_str());
    return error;
  }
#ifdef __EMSCRIPTEN__
  // In a browser the files live in memory: the page writes a replaced file to lasting storage
  // (or offers it as a download) at once, so a closed tab loses no finished save.
  EM_ASM(
      {
        if (Module.onFileReplaced) Module.onFileReplaced(UTF8ToString($0));
      },
      path.c_str());
#endif
  return {};
}

}  // namespace platform
