#include "gui/platform/DisplayMode.h"

#include <cstring>
#include <wayland-client.h>

namespace {

// What the compositor tells of its first output. The mode is in device pixels; the scale is the
// output's own, by which Qt draws every window on it.
struct FirstOutput {
    wl_output* output = nullptr;
    int width = 0;
    int height = 0;
    int scale = 1;
    bool sideways = false;
};

void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
              uint32_t version) {
    auto* first = static_cast<FirstOutput*>(data);
    // Version 2 is the first to tell the scale.
    if (!first->output && std::strcmp(interface, wl_output_interface.name) == 0 && version >= 2)
        first->output =
            static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, 2));
}

void onGlobalRemoved(void*, wl_registry*, uint32_t) {}

void onGeometry(void* data, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*,
                const char*, int32_t transform) {
    // The transforms 90 and 270, plain or flipped, turn the output on its side.
    static_cast<FirstOutput*>(data)->sideways = (transform & 1) != 0;
}

void onMode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
    auto* first = static_cast<FirstOutput*>(data);
    if (flags & WL_OUTPUT_MODE_CURRENT) {
        first->width = width;
        first->height = height;
    }
}

void onDone(void*, wl_output*) {}

void onScale(void* data, wl_output*, int32_t factor) {
    static_cast<FirstOutput*>(data)->scale = factor;
}

const wl_registry_listener RegistryListener{onGlobal, onGlobalRemoved};
const wl_output_listener OutputListener{onGeometry, onMode, onDone, onScale, nullptr, nullptr};

} // namespace

std::unique_ptr<DisplayMode> openWaylandScreen() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    FirstOutput first;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &RegistryListener, &first);
    // The first round trip brings the globals, the second what the output tells of itself.
    const bool told = wl_display_roundtrip(display) >= 0 && first.output &&
                      wl_output_add_listener(first.output, &OutputListener, &first) == 0 &&
                      wl_display_roundtrip(display) >= 0;
    if (first.output)
        wl_output_destroy(first.output);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    if (!told || first.width <= 0 || first.height <= 0 || first.scale < 1)
        return nullptr;
    return first.sideways
               ? std::make_unique<FixedDisplayMode>(first.height, first.width, first.scale)
               : std::make_unique<FixedDisplayMode>(first.width, first.height, first.scale);
}
