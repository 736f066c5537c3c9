// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

class ControllerDevice;

// The controller's start-up open and read, run on a worker thread beside the building of the
// window. The read is almost all protocol pauses, so the window can be built while it waits;
// the start-up joins it where it needs the record. Until Result() has returned, the device
// belongs to the worker and nothing else may touch it.
class StartupRead {
 public:
  // Starts the open and the read of `device` at once.
  explicit StartupRead(ControllerDevice& device);
  // Waits for a read whose result was never asked for.
  ~StartupRead();
  StartupRead(const StartupRead&) = delete;
  StartupRead& operator=(const StartupRead&) = delete;

  // Waits for the read; true when the controller was opened and read. Asked again, it gives
  // the same answer without waiting.
  bool Result();

 private:
  // Before the worker: it is set to false before the thread that may write it starts.
  bool succeeded_ = false;
  std::thread worker_;
};

// The start-up open and read on the calling thread: what the worker runs.
bool OpenAndReadController(ControllerDevice& device);
