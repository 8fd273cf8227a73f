// Asks an X window to close the way a window manager does when its close button is pressed: a
// WM_PROTOCOLS client message carrying WM_DELETE_WINDOW. The end-to-end tests run without a
// window manager, and destroying or killing the window instead would not be a real close.
// Usage: send_close WINDOW_ID   (decimal or 0x hex; the display comes from $DISPLAY)
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

xcb_atom_t atomNamed(xcb_connection_t* connection, const std::string& name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str());
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: send_close WINDOW_ID\n");
    return 2;
  }
  const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
  Connection connection(xcb_connect(nullptr, nullptr), &xcb_disconnect);
  if (xcb_connection_has_error(connection.get())) {
    std::fprintf(stderr, "send_close: cannot open the display\n");
    return 1;
  }
  const xcb_atom_t protocols = atomNamed(connection.get(), "WM_PROTOCOLS");
  const xcb_atom_t deleteWindow = atomNamed(connection.get(), "WM_DELETE_WINDOW");
  if (protocols == XCB_ATOM_NONE || deleteWindow == XCB_ATOM_NONE) {
    std::fprintf(stderr, "send_close: the server does not know WM_PROTOCOLS\n");
    return 1;
  }
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = protocols;
  message.data.data32[0] = deleteWindow;
  message.data.data32[1] = XCB_CURRENT_TIME;
  const auto cookie = xcb_send_event_checked(connection.get(), 0, window, XCB_EVENT_MASK_NO_EVENT,
                                             reinterpret_cast<const char*>(&message));
  std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
      xcb_request_check(connection.get(), cookie), &std::free);
  if (error) {
    std::fprintf(stderr, "send_close: no window 0x%x (X error %d)\n", window, error->error_code);
    return 1;
  }
  return 0;
}
