// Watches an X display for the next top-level window a program creates and prints, as wall-clock
// nanoseconds, when that window is mapped and when the first drawing into it arrives after that
// (the first Damage event after the map):
//   mapped <ns>
//   damaged <ns>
// Started before the program, so that the damage is watched from the window's creation on.
// Exits after the first damage, or with status 1 after timeout seconds (default 10).
#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>

namespace {

long long Now() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  const int timeout = argc > 1 ? std::atoi(argv[1]) : 10;
  int screenNumber = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection, &xcb_damage_id);
  if (damage == nullptr || !damage->present) {
    std::fprintf(stderr, "no Damage extension\n");
    return 2;
  }
  std::unique_ptr<xcb_damage_query_version_reply_t, decltype(&std::free)> version(
      xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                     nullptr),
      &std::free);
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);
  std::printf("ready\n");
  std::fflush(stdout);

  std::set<xcb_window_t> mapped;
  const long long deadline = Now() + static_cast<long long>(timeout) * 1000000000LL;
  while (Now() < deadline) {
    std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(connection),
                                                                     &std::free);
    if (!event) {
      if (xcb_connection_has_error(connection)) return 2;
      // Asleep until the server writes: a watcher that woke up to look would take processor
      // time from the program it measures.
      pollfd server{xcb_get_file_descriptor(connection), POLLIN, 0};
      const long long left = (deadline - Now()) / 1000000;
      poll(&server, 1, static_cast<int>(std::max(0LL, std::min(left + 1, 1000LL))));
      continue;
    }
    const uint8_t type = event->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
      // Watched from creation on: nothing drawn into the window can be missed.
      const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
      xcb_damage_create(connection, xcb_generate_id(connection), created->window,
                        XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
      xcb_flush(connection);
    } else if (type == XCB_MAP_NOTIFY) {
      const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
      if (mapped.empty()) {
        std::printf("mapped %lld\n", Now());
        std::fflush(stdout);
      }
      mapped.insert(map->window);
    } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
      const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
      if (mapped.count(notify->drawable) != 0) {
        std::printf("damaged %lld\n", Now());
        std::fflush(stdout);
        xcb_disconnect(connection);
        return 0;
      }
    }
  }
  xcb_disconnect(connection);
  return 1;
}
