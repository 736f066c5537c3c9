// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <chrono>
#include <memory>
#include <string>

// Watches an X display for top-level windows being mapped, the moment a window first appears
// on screen. It blocks on the X connection rather than polling, so the time it sees is the
// time the server reports the map.
class MapWatch {
 public:
  using Clock = std::chrono::steady_clock;

  enum class Outcome { kMapped, kProgramEnded, kTimedOut, kDisplayLost };

  // Nothing and a message in `error` when the display cannot be opened.
  static std::unique_ptr<MapWatch> Connect(const std::string& display, std::string* error);
  ~MapWatch();
  MapWatch(const MapWatch&) = delete;
  MapWatch& operator=(const MapWatch&) = delete;

  // Drops every event the server has sent so far, so a window mapped by an earlier run can
  // never be taken for the next one's.
  void Forget();

  // Blocks until process `pid` maps a top-level window of `width` x `height` (its other
  // windows are passed over), `endedFd` turns readable, or `deadline` passes. `mappedAt` is
  // the moment the map event arrived.
  Outcome WaitForWindow(pid_t pid, int width, int height, int endedFd, Clock::time_point deadline,
                        Clock::time_point* mappedAt);

 private:
  MapWatch(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t pidAtom)
      : connection_(connection), root_(root), pidAtom_(pidAtom) {}

  // The window itself, or a window inside it up to `depth` levels down (a window manager's
  // frame holds the program's window), that carries `pid` as its owner.
  bool OwnedBy(xcb_window_t window, pid_t pid, int depth, xcb_window_t* owned);
  bool HasSize(xcb_window_t window, int width, int height);

  xcb_connection_t* connection_;
  xcb_window_t root_;
  xcb_atom_t pidAtom_;
};
