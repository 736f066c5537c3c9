// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <memory>

#include "link/controller_search.h"
#include "emulator/controller_emulator.h"

// The emulated controller's USB connection, which can go away and come back while the
// program runs, as after suspend and resume or a USB reset. Each plug-in is a new node:
// transports opened before it fail every request as gone, and the search finds the
// controller again only while it is plugged in.
// Unplug, Plug and Replug only touch lock-free atomics, so a signal handler may call them.
// Transports keep the plug alive, so it is always held by a shared pointer.
class EmulatedPlug : public std::enable_shared_from_this<EmulatedPlug> {
 public:
  static std::shared_ptr<EmulatedPlug> Create(std::shared_ptr<ControllerEmulator> emulator);

  // The controller opener: a transport on the current node, or nothing while unplugged.
  ControllerSearch Open();

  void Unplug();
  void Plug();
  void Replug();  // unplug and plug back at once: a new node
  bool PluggedIn() const;

  // When the exchange after the first `exchanges` ones starts, the controller is unplugged
  // (and, with `comesBack`, plugged back at once). Counts from now; negative turns it off.
  void UnplugAfterExchanges(int exchanges, bool comesBack);

 private:
  explicit EmulatedPlug(std::shared_ptr<ControllerEmulator> emulator);
  class Transport;
  // Called by a transport on each request; false when its node is gone.
  bool NodeAlive(int node, const Report* sent);

  std::shared_ptr<ControllerEmulator> emulator_;
  std::atomic<int> node_{1};
  std::atomic<bool> pluggedIn_{true};
  std::atomic<int> exchangesLeft_{-1};
  std::atomic<bool> comesBack_{true};
};
