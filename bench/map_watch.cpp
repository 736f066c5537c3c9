// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/map_watch.h"

#include <poll.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
// A window manager's frame holds the program's window one or two levels down.
constexpr int kFrameDepth = 2;

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  if (reply == nullptr) return XCB_ATOM_NONE;
  const xcb_atom_t atom = reply->atom;
  std::free(reply);
  return atom;
}
}  // namespace

std::unique_ptr<MapWatch> MapWatch::Connect(const std::string& display, std::string* error) {
  int screenNumber = 0;
  xcb_connection_t* connection = xcb_connect(display.c_str(), &screenNumber);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    *error = "cannot open X display \"" + display + "\"";
    return nullptr;
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int i = 0; i < screenNumber && screens.rem > 0; ++i) xcb_screen_next(&screens);
  if (screens.rem == 0) {
    xcb_disconnect(connection);
    *error = "X display \"" + display + "\" has no screen " + std::to_string(screenNumber);
    return nullptr;
  }
  const xcb_window_t root = screens.data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_generic_error_t* failure = xcb_request_check(
      connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask));
  if (failure != nullptr) {
    std::free(failure);
    xcb_disconnect(connection);
    *error = "cannot watch the root window of X display \"" + display + "\"";
    return nullptr;
  }
  const xcb_atom_t pidAtom = InternAtom(connection, "_NET_WM_PID");
  if (pidAtom == XCB_ATOM_NONE) {
    xcb_disconnect(connection);
    *error = "X display \"" + display + "\" does not answer";
    return nullptr;
  }
  return std::unique_ptr<MapWatch>(new MapWatch(connection, root, pidAtom));
}

MapWatch::~MapWatch() {
  xcb_disconnect(connection_);
}

void MapWatch::Forget() {
  // A round trip: every event sent before its reply is queued on our side by then.
  std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) std::free(event);
}

MapWatch::Outcome MapWatch::WaitForWindow(pid_t pid, int width, int height, int endedFd,
                                          Clock::time_point deadline, Clock::time_point* mappedAt) {
  pollfd watched[2] = {{xcb_get_file_descriptor(connection_), POLLIN, 0}, {endedFd, POLLIN, 0}};
  for (;;) {
    // Read what has arrived before sleeping: replies to our own requests may have queued events.
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
      const Clock::time_point arrived = Clock::now();
      bool found = false;
      if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        xcb_window_t owned = XCB_WINDOW_NONE;
        // Menus and tooltips bypass the window manager; they are never the main window.
        found = map->event == root_ && !map->override_redirect &&
                OwnedBy(map->window, pid, kFrameDepth, &owned) && HasSize(owned, width, height);
      }
      std::free(event);
      if (found) {
        *mappedAt = arrived;
        return Outcome::kMapped;
      }
    }
    if (xcb_connection_has_error(connection_)) return Outcome::kDisplayLost;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return Outcome::kTimedOut;
    const int ready = poll(watched, 2, static_cast<int>(left) + 1);
    if (ready < 0 && errno != EINTR) return Outcome::kDisplayLost;
    if (watched[1].revents != 0) return Outcome::kProgramEnded;
  }
}

bool MapWatch::OwnedBy(xcb_window_t window, pid_t pid, int depth, xcb_window_t* owned) {
  xcb_get_property_reply_t* property = xcb_get_property_reply(
      connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1),
      nullptr);
  if (property != nullptr && property->format == 32 &&
      xcb_get_property_value_length(property) == 4) {
    const auto owner = *static_cast<const std::uint32_t*>(xcb_get_property_value(property));
    std::free(property);
    *owned = window;
    return owner == static_cast<std::uint32_t>(pid);
  }
  std::free(property);
  if (depth == 0) return false;
  xcb_query_tree_reply_t* tree =
      xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr);
  if (tree == nullptr) return false;  // gone already
  const xcb_window_t* children = xcb_query_tree_children(tree);
  const std::vector<xcb_window_t> inside(children, children + xcb_query_tree_children_length(tree));
  std::free(tree);
  for (const xcb_window_t child : inside) {
    if (OwnedBy(child, pid, depth - 1, owned)) return true;
  }
  return false;
}

bool MapWatch::HasSize(xcb_window_t window, int width, int height) {
  xcb_get_geometry_reply_t* geometry =
      xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
  if (geometry == nullptr) return false;
  const bool same = geometry->width == width && geometry->height == height;
  std::free(geometry);
  return same;
}
