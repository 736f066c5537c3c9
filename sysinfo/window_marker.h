// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "sysinfo/private_folder.h"

// The mark a settings window leaves while it shows a controller, so that padctl can say
// before a write that the window's next Save would write the settings it shows over it.
// The mark names the controller by its identity (the same for every program that reaches it,
// see ReportTransport::Identity), so a window on another controller or state file does not
// count. It is a file in the window user's private folder, named after the identity and
// holding it, locked for as long as the window shows that controller: a window that ends in
// any way leaves no mark that counts.
class WindowMarker {
 public:
  WindowMarker() = default;
  ~WindowMarker();
  WindowMarker(const WindowMarker&) = delete;
  WindowMarker& operator=(const WindowMarker&) = delete;

  // Marks `identity` as shown in `folder`, dropping the mark before. An empty identity (a
  // controller no other program can reach) or folder marks nothing. Marking what is marked
  // already changes nothing.
  void Show(const std::string& identity, const std::string& folder = PrivateFolder());
  void Drop();

 private:
  int fd_ = -1;
  std::string shown_;
};

// "window-" and 16 hexadecimal digits of the identity's hash, ".lock".
std::string MarkerFileName(const std::string& identity);

// Whether a window in one of `folders` shows the controller `identity` now: its marker there
// belongs to the folder's owner, holds the identity and is locked.
bool WindowShows(const std::string& identity, const std::vector<MarkerFolder>& folders);
