#include "platform/WaylandClipboard.h"

#include "platform/Screen.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

// The text types a clipboard owner may offer, the best first.
constexpr std::array<const char*, 5> TextTypes{"text/plain;charset=utf-8", "UTF8_STRING", "text/plain", "STRING",
                                               "TEXT"};

// What an offer holds, as its owner announced it.
struct Offer {
    wl_data_offer* Proxy = nullptr;
    std::vector<std::string> Types;

    Offer() = default;
    ~Offer()
    {
        if (Proxy)
            wl_data_offer_destroy(Proxy);
    }
    Offer(const Offer&) = delete;
    Offer& operator=(const Offer&) = delete;

    /// The best text type it holds, or nothing.
    const char* TextType() const
    {
        for (const char* type : TextTypes)
            if (std::find(Types.begin(), Types.end(), type) != Types.end())
                return type;
        return nullptr;
    }
};

const wl_data_offer_listener OfferListener{
    [](void* data, wl_data_offer*, const char* type) { static_cast<Offer*>(data)->Types.emplace_back(type); },
    [](void*, wl_data_offer*, uint32_t) {},
    [](void*, wl_data_offer*, uint32_t) {},
};

// The seat's data device of the picker's own, on an event queue of its own, so that its events
// wait until a paste reads them and never reach Qt.
struct ClipboardDevice {
    wl_display* Display = nullptr;
    wl_event_queue* Queue = nullptr;
    wl_data_device_manager* Manager = nullptr;
    std::unique_ptr<Offer> Selection;
    // A drag's offer, held only while the drag lies over the window.
    std::unique_ptr<Offer> Dragged;
    std::unique_ptr<Offer> Announced;
};

const wl_registry_listener RegistryListener{
    [](void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
        if (std::strcmp(interface, wl_data_device_manager_interface.name) == 0)
            static_cast<ClipboardDevice*>(data)->Manager = static_cast<wl_data_device_manager*>(
                wl_registry_bind(registry, name, &wl_data_device_manager_interface, std::min(version, 3U)));
    },
    [](void*, wl_registry*, uint32_t) {},
};

// Every offer is announced first; the event after it says what it is for.
std::unique_ptr<Offer> Claim(ClipboardDevice& device, wl_data_offer* proxy)
{
    if (device.Announced && device.Announced->Proxy == proxy)
        return std::move(device.Announced);
    if (proxy)
        wl_data_offer_destroy(proxy);
    return nullptr;
}

const wl_data_device_listener DeviceListener{
    [](void* data, wl_data_device*, wl_data_offer* proxy) {
        auto& device = *static_cast<ClipboardDevice*>(data);
        device.Announced = std::make_unique<Offer>();
        device.Announced->Proxy = proxy;
        wl_data_offer_add_listener(proxy, &OfferListener, device.Announced.get());
    },
    [](void* data, wl_data_device*, uint32_t, wl_surface*, wl_fixed_t, wl_fixed_t, wl_data_offer* proxy) {
        auto& device = *static_cast<ClipboardDevice*>(data);
        device.Dragged = Claim(device, proxy);
    },
    [](void* data, wl_data_device*) { static_cast<ClipboardDevice*>(data)->Dragged.reset(); },
    [](void*, wl_data_device*, uint32_t, wl_fixed_t, wl_fixed_t) {},
    [](void* data, wl_data_device*) { static_cast<ClipboardDevice*>(data)->Dragged.reset(); },
    [](void* data, wl_data_device*, wl_data_offer* proxy) {
        auto& device = *static_cast<ClipboardDevice*>(data);
        device.Selection = Claim(device, proxy);
    },
};

// Lives as long as the connection to the compositor, which is the process's.
ClipboardDevice*& TheDevice()
{
    static ClipboardDevice* device = nullptr;
    return device;
}

// Reads at most `limit` bytes and one more from `pipe` until the writer closes it or the
// deadline passes; empty when it gave more or not in time.
std::string ReadBounded(int pipe, size_t limit, std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::string text;
    char buffer[512];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd waiting{pipe, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&waiting, 1, static_cast<int>(left.count())) <= 0)
            return {};
        const ssize_t got = ::read(pipe, buffer, std::min(sizeof buffer, limit + 1 - text.size()));
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got <= 0)
            return got == 0 ? text : std::string();
        text.append(buffer, static_cast<size_t>(got));
        if (text.size() > limit)
            return {};
    }
}

} // namespace

void FollowWaylandClipboard()
{
    if (TheDevice() || !OnWayland())
        return;
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* display = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    auto* seat = static_cast<wl_seat*>(native->nativeResourceForIntegration("wl_seat"));
    if (!display || !seat)
        return;
    auto* device = new ClipboardDevice;
    device->Display = display;
    device->Queue = wl_display_create_queue(display);
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), device->Queue);
    wl_registry* registry = wl_display_get_registry(wrapped);
    wl_proxy_wrapper_destroy(wrapped);
    wl_registry_add_listener(registry, &RegistryListener, device);
    wl_display_roundtrip_queue(display, device->Queue);
    wl_registry_destroy(registry);
    if (!device->Manager) {
        wl_event_queue_destroy(device->Queue);
        delete device;
        return;
    }
    auto* wrappedSeat = static_cast<wl_seat*>(wl_proxy_create_wrapper(seat));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrappedSeat), device->Queue);
    wl_data_device* dataDevice = wl_data_device_manager_get_data_device(device->Manager, wrappedSeat);
    wl_proxy_wrapper_destroy(wrappedSeat);
    wl_data_device_add_listener(dataDevice, &DeviceListener, device);
    wl_display_flush(display);
    TheDevice() = device;
}

std::optional<std::string> WaylandClipboardText(size_t limit, std::chrono::milliseconds wait)
{
    ClipboardDevice* device = TheDevice();
    if (!device)
        return std::nullopt;
    // What the compositor said of the clipboard since the last paste.
    if (wl_display_dispatch_queue_pending(device->Display, device->Queue) < 0)
        return std::string();
    const char* type = device->Selection ? device->Selection->TextType() : nullptr;
    int pipe[2];
    if (!type || ::pipe2(pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return std::string();
    wl_data_offer_receive(device->Selection->Proxy, type, pipe[1]);
    ::close(pipe[1]);
    wl_display_flush(device->Display);
    std::string text = ReadBounded(pipe[0], limit, wait);
    ::close(pipe[0]);
    return text;
}

} // namespace platform
