// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "store/store_error.h"

namespace vm::store {
namespace {

[[noreturn]] void throwError(const char* operation, const std::string& path, int error) {
  throw StoreError(operation, path, std::strerror(error));
}

}  // namespace

PosixFileSystem::PosixFileSystem() {
  // Without this, a write past the file-size limit kills the process with SIGXFSZ before
  // anything can be reported; ignored, the write fails with EFBIG and is reported.
  std::signal(SIGXFSZ, SIG_IGN);
}

void PosixFileSystem::failOn(const char* operation, Handle h, int error) const {
  const auto it = paths_.find(h);
  throwError(operation, it != paths_.end() ? it->second : "file #" + std::to_string(h), error);
}

FileSystem::Handle PosixFileSystem::open(const std::string& path, Mode mode) {
  int flags = O_CLOEXEC;
  switch (mode) {
    case Mode::ReadWrite:
      flags |= O_RDWR | O_CREAT;
      break;
    case Mode::Read:
      flags |= O_RDONLY;
      break;
    case Mode::Replace:
      flags |= O_RDWR | O_CREAT | O_TRUNC;
      break;
  }
  int fd = -1;
  do {
    fd = ::open(path.c_str(), flags, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throwError("Cannot open", path, errno);
  paths_[fd] = path;
  return fd;
}

std::size_t PosixFileSystem::read(Handle h, std::uint64_t offset, std::span<char> buffer) {
  std::size_t done = 0;
  while (done < buffer.size()) {
    const ssize_t n =
        ::pread(h, buffer.data() + done, buffer.size() - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      failOn("Cannot read", h, errno);
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
      failOn("Cannot write", h, errno);
    }
    done += static_cast<std::size_t>(n);
  }
}

void PosixFileSystem::truncate(Handle h, std::uint64_t length) {
  while (::ftruncate(h, static_cast<off_t>(length)) != 0) {
    if (errno != EINTR) failOn("Cannot cut back", h, errno);
  }
}

std::uint64_t PosixFileSystem::size(Handle h) {
  struct stat st {};
  if (::fstat(h, &st) != 0) failOn("Cannot read the length of", h, errno);
  return static_cast<std::uint64_t>(st.st_size);
}

void PosixFileSystem::sync(Handle h) {
  if (::fsync(h) != 0) failOn("Cannot flush", h, errno);
}

void PosixFileSystem::close(Handle h) {
  const auto it = paths_.find(h);
  const std::string path = it != paths_.end() ? it->second : "file #" + std::to_string(h);
  if (it != paths_.end()) paths_.erase(it);
  // The descriptor is released even when close reports an error, so it is never retried.
  if (::close(h) != 0 && errno != EINTR) throwError("Cannot close", path, errno);
}

std::optional<std::uint64_t> PosixFileSystem::fileSize(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    throwError("Cannot examine", path, errno);
  }
  if (!S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

std::optional<std::int64_t> PosixFileSystem::modifiedTime(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    throwError("Cannot examine", path, errno);
  }
  if (!S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<std::int64_t>(st.st_mtime);
}

void PosixFileSystem::rename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0)
    throwError("Cannot rename", from + "\" to \"" + to, errno);
}

void PosixFileSystem::remove(const std::string& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) throwError("Cannot delete", path, errno);
}

void PosixFileSystem::syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) throwError("Cannot open the folder", folder, errno);
  const int result = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  // Some file systems cannot flush a folder and say so; their entries are as safe as
  // they can be made.
  if (result != 0 && error != EINVAL && error != ENOTSUP)
    throwError("Cannot flush the folder", folder, error);
}

std::vector<std::string> PosixFileSystem::list(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) throwError("Cannot list", folder, errno);
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
