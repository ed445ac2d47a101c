#pragma once

#include "platform/result.h"

namespace tavelo::platform {

// Whole-file write locks on an open file descriptor. POSIX record locks are honoured by
// other processes and, on NFS and SMB mounts, by other computers sharing the folder.
class FileLocker {
 public:
  virtual ~FileLocker() = default;
  // One attempt, never blocks. Returns true when the lock is held; false when another
  // holder has it. A failure that waiting cannot cure comes back as an Error.
  virtual Result<bool> tryLock(int fd) = 0;
  virtual void unlock(int fd) = 0;
};

class FcntlFileLocker final : public FileLocker {
 public:
  Result<bool> tryLock(int fd) override;
  void unlock(int fd) override;
};

}  // namespace tavelo::platform
