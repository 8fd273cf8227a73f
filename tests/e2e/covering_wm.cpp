// A window manager that maps each window it is asked to and at once covers the whole screen
// with a window of its own on top. The client's window is mapped and exposed, yet none of it
// shows, so what it painted cannot be read back from the screen. Prints "ready" once it runs.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void raise(xcb_connection_t* connection, xcb_window_t window) {
  const std::uint32_t above = XCB_STACK_MODE_ABOVE;
  xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
}

// Grants a window's own wishes for its place and size; its stacking stays under the cover.
void configure(xcb_connection_t* connection, const xcb_configure_request_event_t& request) {
  constexpr std::uint16_t kGeometry = XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y |
                                      XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT;
  const std::uint16_t mask = request.value_mask & kGeometry;
  std::uint32_t values[4];
  int count = 0;
  if (mask & XCB_CONFIG_WINDOW_X) values[count++] = static_cast<std::uint32_t>(request.x);
  if (mask & XCB_CONFIG_WINDOW_Y) values[count++] = static_cast<std::uint32_t>(request.y);
  if (mask & XCB_CONFIG_WINDOW_WIDTH) values[count++] = request.width;
  if (mask & XCB_CONFIG_WINDOW_HEIGHT) values[count++] = request.height;
  if (mask) xcb_configure_window(connection, request.window, mask, values);
}

}  // namespace

int main() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "covering_wm: cannot connect to the display\n");
    return 1;
  }
  const xcb_screen_t& screen = *xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const std::uint32_t redirect = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT;
  if (xcb_generic_error_t* error = xcb_request_check(
          connection, xcb_change_window_attributes_checked(connection, screen.root,
                                                           XCB_CW_EVENT_MASK, &redirect))) {
    std::free(error);
    std::fprintf(stderr, "covering_wm: another window manager runs on this display\n");
    return 1;
  }
  const xcb_window_t cover = xcb_generate_id(connection);
  const std::uint32_t settings[] = {0x00808080u, 1};  // grey, and not managed by anyone
  xcb_create_window(connection, XCB_COPY_FROM_PARENT, cover, screen.root, 0, 0,
                    screen.width_in_pixels, screen.height_in_pixels, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, screen.root_visual,
                    XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, settings);
  xcb_map_window(connection, cover);
  xcb_flush(connection);
  std::printf("ready\n");
  std::fflush(stdout);
  while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
    const auto type = event->response_type & 0x7f;
    if (type == XCB_MAP_REQUEST) {
      xcb_map_window(connection, reinterpret_cast<xcb_map_request_event_t*>(event)->window);
    } else if (type == XCB_CONFIGURE_REQUEST) {
      configure(connection, *reinterpret_cast<xcb_configure_request_event_t*>(event));
    }
    raise(connection, cover);
    xcb_flush(connection);
    std::free(event);
  }
  return 0;
}
