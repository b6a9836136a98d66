#include "XrandrOutput.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>
#include <memory>
#include <string_view>

namespace {

struct ResourcesFree {
    void operator()(XRRScreenResources* resources) const { XRRFreeScreenResources(resources); }
};
struct CrtcInfoFree {
    void operator()(XRRCrtcInfo* info) const { XRRFreeCrtcInfo(info); }
};
struct OutputInfoFree {
    void operator()(XRROutputInfo* info) const { XRRFreeOutputInfo(info); }
};
using ResourcesPtr = std::unique_ptr<XRRScreenResources, ResourcesFree>;
using CrtcInfoPtr = std::unique_ptr<XRRCrtcInfo, CrtcInfoFree>;
using OutputInfoPtr = std::unique_ptr<XRROutputInfo, OutputInfoFree>;

Window rootOf(Display* display) {
    return RootWindow(display, DefaultScreen(display));
}

ResourcesPtr resourcesOf(Display* display) {
    return ResourcesPtr(XRRGetScreenResourcesCurrent(display, rootOf(display)));
}

const XRRModeInfo* modeInfo(const XRRScreenResources& resources, RRMode mode) {
    for (int i = 0; i < resources.nmode; ++i)
        if (resources.modes[i].id == mode)
            return &resources.modes[i];
    return nullptr;
}

// A mode's size on the screen: a CRTC turned by a quarter shows it on its side.
std::pair<int, int> shownSize(const XRRModeInfo& mode, Rotation rotation) {
    const bool sideways = (rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0;
    const int w = int(mode.width);
    const int h = int(mode.height);
    return sideways ? std::pair(h, w) : std::pair(w, h);
}

std::optional<CrtcSetting> settingOf(Display* display, XRRScreenResources& resources, RRCrtc crtc) {
    const CrtcInfoPtr info(XRRGetCrtcInfo(display, &resources, crtc));
    if (!info || info->mode == 0 || info->noutput == 0)
        return std::nullopt;
    const XRRModeInfo* mode = modeInfo(resources, info->mode);
    if (!mode)
        return std::nullopt;
    CrtcSetting setting;
    setting.crtc = crtc;
    setting.mode = info->mode;
    setting.x = info->x;
    setting.y = info->y;
    setting.rotation = info->rotation;
    setting.outputs.assign(info->outputs, info->outputs + info->noutput);
    std::tie(setting.width, setting.height) = shownSize(*mode, info->rotation);
    const OutputInfoPtr output(XRRGetOutputInfo(display, &resources, info->outputs[0]));
    if (output)
        setting.outputName.assign(output->name, std::size_t(output->nameLen));
    return setting;
}

// The smallest screen that holds every CRTC once `wanted` is set.
std::pair<int, int> spanningSize(Display* display, XRRScreenResources& resources,
                                 const CrtcSetting& wanted) {
    int right = wanted.x;
    int bottom = wanted.y;
    if (const XRRModeInfo* mode = modeInfo(resources, wanted.mode)) {
        const auto [width, height] = shownSize(*mode, wanted.rotation);
        right += width;
        bottom += height;
    }
    for (int i = 0; i < resources.ncrtc; ++i) {
        if (resources.crtcs[i] == wanted.crtc)
            continue;
        const CrtcInfoPtr info(XRRGetCrtcInfo(display, &resources, resources.crtcs[i]));
        if (info && info->mode != 0) {
            right = std::max(right, info->x + int(info->width));
            bottom = std::max(bottom, info->y + int(info->height));
        }
    }
    return {right, bottom};
}

// Keeps the screen's dots per inch.
void setScreenSize(Display* display, const ScreenSetting& from, int width, int height) {
    if (width == from.width && height == from.height)
        return;
    const int widthMm = from.width > 0 ? from.widthMm * width / from.width : 0;
    const int heightMm = from.height > 0 ? from.heightMm * height / from.height : 0;
    XRRSetScreenSize(display, rootOf(display), width, height, widthMm, heightMm);
}

// A refused request ends in an X error, which Xlib's own handler answers by ending the
// program; the outcome is read back from the server instead.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

bool canSetCrtcModes(XDisplay* display) {
    int opcode = 0;
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (XQueryExtension(display, "XWAYLAND", &opcode, &event, &error) ||
        !XRRQueryExtension(display, &event, &error) || !XRRQueryVersion(display, &major, &minor) ||
        (major == 1 && minor < 2))
        return false;
    // Older XWayland servers lack their extension but name their outputs after themselves.
    const ResourcesPtr resources = resourcesOf(display);
    for (int i = 0; resources && i < resources->noutput; ++i) {
        const OutputInfoPtr output(
            XRRGetOutputInfo(display, resources.get(), resources->outputs[i]));
        if (output &&
            std::string_view(output->name, std::size_t(output->nameLen)).starts_with("XWAYLAND"))
            return false;
    }
    return resources != nullptr;
}

std::optional<CrtcSetting> readShownCrtc(XDisplay* display) {
    int event = 0;
    int error = 0;
    if (!XRRQueryExtension(display, &event, &error))
        return std::nullopt;
    const ResourcesPtr resources = resourcesOf(display);
    if (!resources)
        return std::nullopt;
    const RROutput primary = XRRGetOutputPrimary(display, rootOf(display));
    std::optional<CrtcSetting> first;
    for (int i = 0; i < resources->ncrtc; ++i) {
        auto setting = settingOf(display, *resources, resources->crtcs[i]);
        if (!setting)
            continue;
        const auto& outputs = setting->outputs;
        if (std::find(outputs.begin(), outputs.end(), primary) != outputs.end())
            return setting;
        if (!first)
            first = std::move(setting);
    }
    return first;
}

std::optional<CrtcSetting> readCrtc(XDisplay* display, unsigned long crtc) {
    const ResourcesPtr resources = resourcesOf(display);
    return resources ? settingOf(display, *resources, crtc) : std::nullopt;
}

ScreenSetting readScreen(XDisplay* display) {
    // The root window's geometry, as Xlib's copy of the screen size is not kept up to date.
    const int screen = DefaultScreen(display);
    ScreenSetting setting{DisplayWidth(display, screen), DisplayHeight(display, screen),
                          DisplayWidthMM(display, screen), DisplayHeightMM(display, screen)};
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int border = 0;
    unsigned int depth = 0;
    if (XGetGeometry(display, rootOf(display), &root, &x, &y, &width, &height, &border, &depth)) {
        setting.widthMm = setting.width > 0 ? setting.widthMm * int(width) / setting.width : 0;
        setting.heightMm = setting.height > 0 ? setting.heightMm * int(height) / setting.height : 0;
        setting.width = int(width);
        setting.height = int(height);
    }
    return setting;
}

std::optional<CrtcSetting> withModeOfSize(XDisplay* display, const CrtcSetting& current, int width,
                                          int height) {
    const ResourcesPtr resources = resourcesOf(display);
    if (!resources || current.outputs.empty())
        return std::nullopt;
    // Every output of the CRTC has to offer the mode; the first one's list is in its order of
    // preference.
    std::vector<OutputInfoPtr> outputs;
    for (RROutput output : current.outputs) {
        outputs.emplace_back(XRRGetOutputInfo(display, resources.get(), output));
        if (!outputs.back())
            return std::nullopt;
    }
    const auto offeredByAll = [&outputs](RRMode mode) {
        return std::all_of(outputs.begin(), outputs.end(), [mode](const OutputInfoPtr& output) {
            return std::find(output->modes, output->modes + output->nmode, mode) !=
                   output->modes + output->nmode;
        });
    };
    for (int i = 0; i < outputs.front()->nmode; ++i) {
        const RRMode mode = outputs.front()->modes[i];
        const XRRModeInfo* info = modeInfo(*resources, mode);
        if (!info || shownSize(*info, current.rotation) != std::pair(width, height) ||
            !offeredByAll(mode))
            continue;
        CrtcSetting wanted = current;
        wanted.mode = mode;
        wanted.width = width;
        wanted.height = height;
        return wanted;
    }
    return std::nullopt;
}

bool setCrtc(XDisplay* display, const CrtcSetting& wanted,
             const std::optional<ScreenSetting>& screen) {
    const auto previousHandler = XSetErrorHandler(ignoreError);
    // One request after the other would let another client see, or change, a half-done setting.
    XGrabServer(display);
    bool done = false;
    if (const ResourcesPtr resources = resourcesOf(display)) {
        const ScreenSetting before = readScreen(display);
        auto [width, height] = spanningSize(display, *resources, wanted);
        if (screen) {
            width = std::max(width, screen->width);
            height = std::max(height, screen->height);
        }
        // The screen has to hold the CRTC at every moment: grow it first, shrink it after.
        const int grownWidth = std::max(width, before.width);
        const int grownHeight = std::max(height, before.height);
        setScreenSize(display, before, grownWidth, grownHeight);
        std::vector<RROutput> outputs(wanted.outputs.begin(), wanted.outputs.end());
        done = XRRSetCrtcConfig(display, resources.get(), wanted.crtc, CurrentTime, wanted.x,
                                wanted.y, wanted.mode, wanted.rotation, outputs.data(),
                                int(outputs.size())) == RRSetConfigSuccess;
        const ScreenSetting grown = readScreen(display);
        if (done)
            setScreenSize(display, grown, width, height);
        else
            setScreenSize(display, grown, before.width, before.height);
    }
    XUngrabServer(display);
    XSync(display, False);
    XSetErrorHandler(previousHandler);
    return done;
}
