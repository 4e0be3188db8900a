#include "app/escape_key.h"

#include <QGuiApplication>
#include <memory>
#include <optional>
#include <utility>

#ifdef PENNATRAN_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

namespace pennatran {

#ifdef PENNATRAN_HAVE_XCB

namespace {

constexpr uint32_t kEscapeKeysym = 0xFF1B;

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};

// The keycode the server maps to Escape, or 0 when it has none.
xcb_keycode_t FindEscapeKeycode(xcb_connection_t* connection) {
  const xcb_setup_t* setup = xcb_get_setup(connection);
  const xcb_keycode_t first = setup->min_keycode;
  const int count = setup->max_keycode - setup->min_keycode + 1;
  const xcb_get_keyboard_mapping_cookie_t cookie =
      xcb_get_keyboard_mapping(connection, first, static_cast<uint8_t>(count));
  std::unique_ptr<xcb_get_keyboard_mapping_reply_t, FreeReply> reply(
      xcb_get_keyboard_mapping_reply(connection, cookie, nullptr));
  if (!reply || reply->keysyms_per_keycode == 0) return 0;
  const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply.get());
  const int total = xcb_get_keyboard_mapping_keysyms_length(reply.get());
  for (int i = 0; i < total; ++i) {
    if (keysyms[i] == kEscapeKeysym) {
      return static_cast<xcb_keycode_t>(first + i / reply->keysyms_per_keycode);
    }
  }
  return 0;
}

}  // namespace

bool EscapeKeyDown() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr) return false;
  xcb_connection_t* connection = x11->connection();
  if (connection == nullptr) return false;
  // The keyboard mapping rarely changes; look the keycode up once per connection.
  static xcb_connection_t* mappedConnection = nullptr;
  static xcb_keycode_t escapeKeycode = 0;
  if (mappedConnection != connection) {
    escapeKeycode = FindEscapeKeycode(connection);
    mappedConnection = connection;
  }
  if (escapeKeycode == 0) return false;
  std::unique_ptr<xcb_query_keymap_reply_t, FreeReply> keymap(
      xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr));
  if (!keymap) return false;
  return (keymap->keys[escapeKeycode / 8] & (1u << (escapeKeycode % 8))) != 0;
}

#else

bool EscapeKeyDown() {
  return false;
}

#endif

std::function<bool()> Throttled(std::function<bool()> ask, std::chrono::milliseconds interval,
                                TSteadyNow now) {
  struct TState {
    std::optional<std::chrono::steady_clock::time_point> LastAsk;
    bool LastAnswer = false;
  };
  auto state = std::make_shared<TState>();
  return [state, ask = std::move(ask), interval, now = std::move(now)] {
    const auto time = now();
    if (!state->LastAsk || time - *state->LastAsk >= interval) {
      state->LastAsk = time;
      state->LastAnswer = ask();
    }
    return state->LastAnswer;
  };
}

std::function<bool()> ThrottledEscapeKey() {
  constexpr std::chrono::milliseconds kInterval{50};
  return Throttled(EscapeKeyDown, kInterval);
}

}  // namespace pennatran
