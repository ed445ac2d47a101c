#include "platform/file_lock.h"

#include <fcntl.h>
#include <cerrno>
#include <cstring>

namespace tavelo::platform {

namespace {

struct flock wholeFile(short type) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = 0;
  lock.l_len = 0;  // to the end of the file, however long it grows
  return lock;
}

}  // namespace

Result<bool> FcntlFileLocker::tryLock(int fd) {
  struct flock lock = wholeFile(F_WRLCK);
  while (::fcntl(fd, F_SETLK, &lock) == -1) {
    if (errno == EINTR) {
      continue;
    }
    if (errno == EACCES || errno == EAGAIN) {
      return false;
    }
    return Error{QString::fromLocal8Bit(std::strerror(errno))};
  }
  return true;
}

void FcntlFileLocker::unlock(int fd) {
  struct flock lock = wholeFile(F_UNLCK);
  ::fcntl(fd, F_SETLK, &lock);
}

}  // namespace tavelo::platform
