#include "platform/x11/X11HotKey.h"

#include "platform/x11/HotKeyBinding.h"
#include "platform/x11/X11ErrorTrap.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace platform {

namespace {

// The modifier bit that Num Lock sets, or 0 when no key carries it.
unsigned numLockMask(Display* display) {
    const KeyCode numLock = XKeysymToKeycode(display, XK_Num_Lock);
    if (numLock == 0) return 0;
    unsigned mask = 0;
    if (XModifierKeymap* modifiers = XGetModifierMapping(display)) {
        for (int modifier = 0; modifier < 8; ++modifier)
            for (int i = 0; i < modifiers->max_keypermod; ++i)
                if (modifiers->modifiermap[modifier * modifiers->max_keypermod + i] == numLock) mask = 1u << modifier;
        XFreeModifiermap(modifiers);
    }
    return mask;
}

class X11HotKey final : public GlobalHotKey {
public:
    explicit X11HotKey(Display* display) : display_(display), root_(DefaultRootWindow(display)) {
        // Holding the keys sends presses without releases in between, so
        // that a held combination is seen as one press.
        Bool supported = False;
        XkbSetDetectableAutoRepeat(display_, True, &supported);
    }

    ~X11HotKey() override {
        ungrab();
        XCloseDisplay(display_);
    }

    bool grab(std::uint8_t virtualKey, std::uint8_t hotKeyModifiers) override {
        ungrab();
        const std::optional<HotKeyBinding> binding = hotKeyBinding(virtualKey, hotKeyModifiers);
        if (!binding) return false;
        const KeyCode keycode = XKeysymToKeycode(display_, binding->keysym);
        if (keycode == 0) return false;
        // The grab must hold whatever the state of Caps Lock and Num Lock.
        std::vector<unsigned> masks;
        const unsigned numLock = numLockMask(display_);
        for (const unsigned locks : {0u, unsigned{LockMask}, numLock, numLock | LockMask}) {
            const unsigned mask = binding->modifierMask | locks;
            if (std::find(masks.begin(), masks.end(), mask) == masks.end()) masks.push_back(mask);
        }
        {
            X11ErrorTrap trap(display_);
            for (const unsigned mask : masks)
                XGrabKey(display_, keycode, mask, root_, True, GrabModeAsync, GrabModeAsync);
            if (!trap.failed()) {
                keycode_ = keycode;
                masks_ = std::move(masks);
                keyDown_ = false;
                return true;
            }
        }
        // Refused (another client holds one of the combinations): keep none.
        X11ErrorTrap trap(display_);
        for (const unsigned mask : masks) XUngrabKey(display_, keycode, mask, root_);
        return false;
    }

    void ungrab() override {
        if (keycode_ == 0) return;
        X11ErrorTrap trap(display_);
        for (const unsigned mask : masks_) XUngrabKey(display_, keycode_, mask, root_);
        keycode_ = 0;
        masks_.clear();
        keyDown_ = false;
    }

    int eventDescriptor() const override { return ConnectionNumber(display_); }

    int takePresses() override {
        int presses = 0;
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == MappingNotify) {
                XRefreshKeyboardMapping(&event.xmapping);
            } else if (event.type == KeyPress && keycode_ != 0 && event.xkey.keycode == keycode_) {
                if (!keyDown_) ++presses;
                keyDown_ = true;
            } else if (event.type == KeyRelease && event.xkey.keycode == keycode_) {
                keyDown_ = false;
            }
        }
        return presses;
    }

private:
    Display* display_;
    Window root_;
    KeyCode keycode_ = 0;
    std::vector<unsigned> masks_;
    bool keyDown_ = false;
};

}  // namespace

std::unique_ptr<GlobalHotKey> openX11HotKey() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return nullptr;
    return std::make_unique<X11HotKey>(display);
}

}  // namespace platform
