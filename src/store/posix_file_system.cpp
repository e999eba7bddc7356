#include "store/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "store/store_error.h"

namespace vm::store {
namespace {

[[noreturn]] void fail(const char* operation, const std::string& path, int error) {
  throw StoreError(operation, path, std::strerror(error));
}

std::string handleName(FileSystem::Handle h) { return "file #" + std::to_string(h); }

}  // namespace

FileSystem::Handle PosixFileSystem::open(const std::string& path, Mode mode) {
  int flags = O_CLOEXEC;
  switch (mode) {
    case Mode::ReadWrite:
      flags |= O_RDWR | O_CREAT;
      break;
    case Mode::Append:
      flags |= O_WRONLY | O_CREAT | O_APPEND;
      break;
    case Mode::Read:
      flags |= O_RDONLY;
      break;
    case Mode::Replace:
      flags |= O_RDWR | O_CREAT | O_TRUNC;
      break;
  }
  const int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) fail("Cannot open", path, errno);
  return fd;
}

std::size_t PosixFileSystem::read(Handle h, std::uint64_t offset, std::span<char> buffer) {
  std::size_t done = 0;
  while (done < buffer.size()) {
    const ssize_t n =
        ::pread(h, buffer.data() + done, buffer.size() - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      fail("Cannot read", handleName(h), errno);
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

void PosixFileSystem::write(Handle h, std::uint64_t offset, std::span<const char> data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n =
        ::pwrite(h, data.data() + done, data.size() - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      fail("Cannot write", handleName(h), errno);
    }
    done += static_cast<std::size_t>(n);
  }
}

void PosixFileSystem::append(Handle h, std::span<const char> data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(h, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail("Cannot write", handleName(h), errno);
    }
    done += static_cast<std::size_t>(n);
  }
}

std::uint64_t PosixFileSystem::size(Handle h) {
  struct stat st {};
  if (::fstat(h, &st) != 0) fail("Cannot read the length of", handleName(h), errno);
  return static_cast<std::uint64_t>(st.st_size);
}

void PosixFileSystem::truncate(Handle h, std::uint64_t length) {
  while (::ftruncate(h, static_cast<off_t>(length)) != 0) {
    if (errno != EINTR) fail("Cannot cut back", handleName(h), errno);
  }
}

void PosixFileSystem::sync(Handle h) {
  if (::fsync(h) != 0) fail("Cannot flush", handleName(h), errno);
}

void PosixFileSystem::close(Handle h) {
  if (::close(h) != 0 && errno != EINTR) fail("Cannot close", handleName(h), errno);
}

std::optional<std::uint64_t> PosixFileSystem::fileSize(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    fail("Cannot examine", path, errno);
  }
  if (!S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

void PosixFileSystem::rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) fail("Cannot rename", from + "\" to \"" + to, errno);
}

void PosixFileSystem::remove(const std::string& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) fail("Cannot delete", path, errno);
}

std::vector<std::string> PosixFileSystem::list(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) fail("Cannot list", folder, errno);
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    const std::string full = folder + "/" + name;
    if (::stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

}  // namespace vm::store
