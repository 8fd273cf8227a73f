#include "host/qt/window_destroyed_watch.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdint>

namespace host::qt {
namespace {

// DestroyNotify as the X protocol lays it out on the wire and xcb hands it over.
struct DestroyNotify {
  std::uint8_t responseType;  // 17; the top bit marks an event sent by another client
  std::uint8_t pad;
  std::uint16_t sequence;
  std::uint32_t event;
  std::uint32_t window;
};
constexpr std::uint8_t kDestroyNotify = 17;
constexpr std::uint8_t kSentByClient = 0x80;

}  // namespace

bool WindowDestroyedWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                             qintptr* /*result*/) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const DestroyNotify*>(message);
  if ((event->responseType & ~kSentByClient) != kDestroyNotify) return false;
  const WId window = window_.internalWinId();
  if (window != 0 && event->window == window) QCoreApplication::exit(0);
  return false;
}

}  // namespace host::qt
