// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "link/report_transport.h"

// An exclusive advisory lock on an emulated controller's state file, the emulator's stand-in
// for the lock on a hidraw node. The file is replaced whole on every save, so the lock is
// only counted as taken when the locked file is still the one at the path; while no file
// exists yet, its folder is locked instead. Never waits. Released when dropped.
// A program that comes after a save locks the new file while the saver may still hold the
// old one. That is harmless: the save is the last thing a hold does with the file (the check
// after a write reads the emulator's memory), and the newcomer loads what was saved.
// The state file at `path` as every program names it: its folder's device and inode and the
// file's name. The file itself is replaced on every save, its folder stays. Empty when the
// folder cannot be looked at.
std::string StateFileIdentity(const std::string& path);

class StateFileLock {
 public:
  explicit StateFileLock(std::string path);
  ~StateFileLock();
  StateFileLock(const StateFileLock&) = delete;
  StateFileLock& operator=(const StateFileLock&) = delete;

  // kFailed when neither the file nor its folder can be opened (a missing folder counts as
  // taken: there is nothing to guard), or the path is not a regular file. Taking it again while
  // held changes nothing.
  ExchangeLockAttempt TryTake();
  void Release();
  bool Held() const { return fd_ >= 0 || withoutFolder_; }
  // Whether the held lock is on the file itself: the file existed when it was taken.
  bool OnFile() const { return onFile_; }

 private:
  std::string path_;
  int fd_ = -1;
  bool onFile_ = false;
  bool withoutFolder_ = false;  // taken with nothing to lock: the file's folder does not exist
};
