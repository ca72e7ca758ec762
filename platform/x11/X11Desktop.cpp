#include "platform/x11/X11Desktop.h"

#include "platform/x11/X11ErrorTrap.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// How long a receiver may take to fetch the keyboard map after it changed.
// Clients read it when they next look a key up, which under load can be
// long after the key arrived; a binding lives at least this long after its
// last use.
constexpr auto kBindingLifetime = 1s;
// Some receivers (browsers) fetch a changed map in the background and look
// a key up with the map they had until then: the key is pressed only this
// long after the change was applied.
constexpr auto kMapSettleTime = 50ms;
constexpr auto kActivationTimeout = 1s;
constexpr auto kKeyReleaseTimeout = 1s;
constexpr auto kPollInterval = 10ms;

// The keysym of a Unicode scalar: Latin-1 printable characters have their
// own, everything else is 0x01000000 + code point (one keysym also for a
// supplementary character).
KeySym keysymOf(char32_t codePoint) {
    if ((codePoint >= 0x20 && codePoint <= 0x7E) || (codePoint >= 0xA0 && codePoint <= 0xFF)) return codePoint;
    return 0x01000000 + codePoint;
}

bool keyIsDown(const std::array<char, 32>& keys, unsigned keycode) {
    return keycode < 256 && (keys[keycode / 8] & (1 << (keycode % 8))) != 0;
}

// A keycode lent to one character until its binding expires.
struct Binding {
    KeyCode keycode;
    KeySym keysym;
    Clock::time_point restoreAt;
};

class KeyboardMap {
public:
    explicit KeyboardMap(Display* display) {
        XDisplayKeycodes(display, &minKeycode_, &maxKeycode_);
        const int count = maxKeycode_ - minKeycode_ + 1;
        KeySym* symbols = XGetKeyboardMapping(display, static_cast<KeyCode>(minKeycode_), count, &perKeycode_);
        if (symbols) symbols_.assign(symbols, symbols + count * perKeycode_);
        XFree(symbols);
        if (XModifierKeymap* modifiers = XGetModifierMapping(display)) {
            for (int i = 0; i < 8 * modifiers->max_keypermod; ++i)
                if (modifiers->modifiermap[i] != 0) modifierKeys_.push_back(modifiers->modifiermap[i]);
            XFreeModifiermap(modifiers);
        }
    }

    int minKeycode() const { return minKeycode_; }
    int maxKeycode() const { return maxKeycode_; }
    int perKeycode() const { return perKeycode_; }

    bool isUnbound(int keycode) const {
        if (!valid(keycode)) return false;
        const auto first = symbols_.begin() + (keycode - minKeycode_) * perKeycode_;
        return std::all_of(first, first + perKeycode_, [](KeySym s) { return s == NoSymbol; });
    }
    bool isModifier(int keycode) const {
        return std::find(modifierKeys_.begin(), modifierKeys_.end(), keycode) != modifierKeys_.end();
    }
    // Bound to this one keysym alone, as this program binds it (the server
    // may repeat it in the columns of other groups).
    bool holdsOnly(int keycode, KeySym keysym) const {
        if (!valid(keycode)) return false;
        const auto first = symbols_.begin() + (keycode - minKeycode_) * perKeycode_;
        return first[0] == keysym &&
               std::all_of(first, first + perKeycode_, [&](KeySym s) { return s == NoSymbol || s == keysym; });
    }
    const std::vector<KeyCode>& modifierKeys() const { return modifierKeys_; }

private:
    bool valid(int keycode) const {
        return perKeycode_ > 0 && keycode >= minKeycode_ && keycode <= maxKeycode_ && !symbols_.empty();
    }

    int minKeycode_ = 0;
    int maxKeycode_ = -1;
    int perKeycode_ = 0;
    std::vector<KeySym> symbols_;
    std::vector<KeyCode> modifierKeys_;
};

class X11Desktop final : public TargetDesktop {
public:
    explicit X11Desktop(Display* display)
        : display_(display),
          root_(DefaultRootWindow(display)),
          netActiveWindow_(XInternAtom(display, "_NET_ACTIVE_WINDOW", False)),
          timestampProperty_(XInternAtom(display, "LUMENAR_TIMESTAMP", False)) {
        XSetWindowAttributes attributes{};
        attributes.event_mask = PropertyChangeMask;
        helper_ = XCreateWindow(display_, root_, -1, -1, 1, 1, 0, CopyFromParent, InputOnly, CopyFromParent,
                                CWEventMask, &attributes);
        // Typing must work also while another client grabs the server.
        XTestGrabControl(display_, True);
        XSync(display_, False);
    }

    ~X11Desktop() override {
        shutdown();
        XDestroyWindow(display_, helper_);
        XCloseDisplay(display_);
    }

    WindowId activeWindow() override {
        drainEvents();
        const std::optional<Window> active = propertyActiveWindow();
        if (!active || *active == None || !isWindow(*active)) return 0;
        return *active;
    }

    bool isWindow(WindowId window) override {
        if (window == 0 || window > 0xFFFFFFFFu) return false;
        X11ErrorTrap trap(display_);
        XWindowAttributes attributes;
        const Status status = XGetWindowAttributes(display_, static_cast<Window>(window), &attributes);
        return !trap.failed() && status != 0;
    }

    bool activate(WindowId window) override {
        drainEvents();
        if (!isWindow(window)) return false;
        const Window target = static_cast<Window>(window);
        if (isActiveWithFocus(target)) return true;
        const Time time = serverTime();
        requestActivation(target, time);
        if (waitUntilActive(target, kActivationTimeout)) return true;
        // The window manager ignored the request (some do when they take the
        // window for active already while the focus is elsewhere, or keep no
        // active window at all): give the focus directly.
        {
            X11ErrorTrap trap(display_);
            XRaiseWindow(display_, target);
            XSetInputFocus(display_, target, RevertToParent, CurrentTime);
            if (trap.failed()) return false;
        }
        return waitUntilActive(target, kActivationTimeout / 2);
    }

    bool typeCharacter(char32_t codePoint) override {
        drainEvents();
        processPendingWork();
        const KeyboardMap map(display_);
        releaseHeldModifiers(map);
        waitForPickingKeysReleased();
        const KeySym keysym = keysymOf(codePoint);
        // Keys lent for earlier characters whose time is up go back first,
        // so that picks some time apart change one key at a time.
        const Clock::time_point now = Clock::now();
        restoreBindings(map, [&](const Binding& b) { return b.restoreAt <= now && b.keysym != keysym; });
        const std::optional<KeyCode> keycode = bindSpareKey(KeyboardMap(display_), keysym);
        if (!keycode) return false;
        XTestFakeKeyEvent(display_, *keycode, True, CurrentTime);
        XTestFakeKeyEvent(display_, *keycode, False, CurrentTime);
        XSync(display_, False);
        return true;
    }

    // Restores the bindings once typing has paused for a binding's
    // lifetime: every change of the map makes every client re-read it (some
    // re-read more, such as their compose tables), so changes in the middle
    // of a run of characters would slow the receiver down while it catches up.
    void processPendingWork() override {
        drainEvents();
        const Clock::time_point now = Clock::now();
        if (bindings_.empty() ||
            std::any_of(bindings_.begin(), bindings_.end(), [&](const Binding& b) { return b.restoreAt > now; }))
            return;
        restoreBindings(KeyboardMap(display_), [](const Binding&) { return true; });
    }

    void shutdown() override {
        if (bindings_.empty()) return;
        restoreBindings(KeyboardMap(display_), [](const Binding&) { return true; });
    }

private:
    // MappingNotify goes to every client; Xlib's key lookups need it.
    void drainEvents() {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == MappingNotify) XRefreshKeyboardMapping(&event.xmapping);
        }
    }

    std::optional<Window> propertyActiveWindow() {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        X11ErrorTrap trap(display_);
        const int status = XGetWindowProperty(display_, root_, netActiveWindow_, 0, 1, False, XA_WINDOW, &type, &format,
                                              &count, &remaining, &data);
        std::optional<Window> result;
        if (status == Success && !trap.failed() && type == XA_WINDOW && format == 32 && count == 1 && data)
            result = static_cast<Window>(*reinterpret_cast<unsigned long*>(data));
        if (data) XFree(data);
        return result;
    }

    // The focus window is the target or lies inside it.
    bool focusWithin(Window target) {
        Window focus = None;
        int revert = 0;
        XGetInputFocus(display_, &focus, &revert);
        X11ErrorTrap trap(display_);
        for (int depth = 0; focus != None && focus != PointerRoot && focus != root_ && depth < 64; ++depth) {
            if (focus == target) return true;
            Window rootReturn = None;
            Window parent = None;
            Window* children = nullptr;
            unsigned int childCount = 0;
            const Status status = XQueryTree(display_, focus, &rootReturn, &parent, &children, &childCount);
            if (children) XFree(children);
            if (status == 0 || trap.failed()) return false;
            focus = parent;
        }
        return false;
    }

    bool isActiveWithFocus(Window target) {
        const std::optional<Window> active = propertyActiveWindow();
        // Without a window manager that keeps the property only the focus counts.
        if (active && *active != target) return false;
        return focusWithin(target);
    }

    bool waitUntilActive(Window target, Clock::duration timeout) {
        const Clock::time_point deadline = Clock::now() + timeout;
        while (true) {
            if (isActiveWithFocus(target)) return true;
            if (Clock::now() >= deadline || !isWindow(target)) return false;
            std::this_thread::sleep_for(kPollInterval);
        }
    }

    // A pager's request (source indication 2), which window managers honour
    // without focus-stealing checks.
    void requestActivation(Window target, Time time) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.serial = 0;
        event.xclient.send_event = True;
        event.xclient.display = display_;
        event.xclient.window = target;
        event.xclient.message_type = netActiveWindow_;
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2;
        event.xclient.data.l[1] = static_cast<long>(time);
        event.xclient.data.l[2] = 0;
        XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XFlush(display_);
    }

    // The server's current time, from a property change on our own window.
    Time serverTime() {
        XChangeProperty(display_, helper_, timestampProperty_, XA_STRING, 8, PropModeAppend, nullptr, 0);
        XEvent event;
        XWindowEvent(display_, helper_, PropertyChangeMask, &event);
        return event.xproperty.time;
    }

    // Modifiers the user still holds would change what the receiver makes
    // of the key.
    void releaseHeldModifiers(const KeyboardMap& map) {
        std::array<char, 32> keys{};
        XQueryKeymap(display_, keys.data());
        bool released = false;
        for (const KeyCode keycode : map.modifierKeys()) {
            if (keyIsDown(keys, keycode)) {
                XTestFakeKeyEvent(display_, keycode, False, CurrentTime);
                released = true;
            }
        }
        if (released) XSync(display_, False);
    }

    // The Enter or Space that picked the character is usually still down:
    // typing now would interleave with its release (and auto-repeat).
    void waitForPickingKeysReleased() {
        std::vector<KeyCode> keycodes;
        for (const KeySym keysym : {XK_Return, XK_KP_Enter, XK_space})
            if (const KeyCode keycode = XKeysymToKeycode(display_, keysym)) keycodes.push_back(keycode);
        const Clock::time_point deadline = Clock::now() + kKeyReleaseTimeout;
        while (true) {
            std::array<char, 32> keys{};
            XQueryKeymap(display_, keys.data());
            std::vector<KeyCode> down;
            for (const KeyCode keycode : keycodes)
                if (keyIsDown(keys, keycode)) down.push_back(keycode);
            if (down.empty()) return;
            if (Clock::now() >= deadline) {
                for (const KeyCode keycode : down) XTestFakeKeyEvent(display_, keycode, False, CurrentTime);
                XSync(display_, False);
                return;
            }
            std::this_thread::sleep_for(kPollInterval);
        }
    }

    // A keycode without keysyms, bound to `keysym` alone. A character still
    // bound from an earlier output reuses its key; otherwise the next free
    // spare key in turn, so that a receiver that reads the map late still
    // finds every earlier character on its own key.
    std::optional<KeyCode> bindSpareKey(const KeyboardMap& map, KeySym keysym) {
        const Clock::time_point restoreAt = Clock::now() + kBindingLifetime;
        for (Binding& binding : bindings_) {
            if (binding.keysym == keysym && map.holdsOnly(binding.keycode, keysym)) {
                binding.restoreAt = restoreAt;
                return binding.keycode;
            }
        }
        std::optional<KeyCode> keycode = nextSpareKey(map);
        if (!keycode) {
            if (bindings_.empty()) return std::nullopt;
            // Every spare key is lent: take back the one lent longest ago,
            // once its receiver has had its time to read the map.
            auto oldest = std::min_element(bindings_.begin(), bindings_.end(), [](const Binding& a, const Binding& b) {
                return a.restoreAt < b.restoreAt;
            });
            std::this_thread::sleep_until(std::min(oldest->restoreAt, Clock::now() + kBindingLifetime));
            keycode = oldest->keycode;
            bindings_.erase(oldest);
        }
        std::vector<KeySym> symbols(static_cast<std::size_t>(map.perKeycode()), NoSymbol);
        symbols[0] = keysym;
        {
            X11ErrorTrap trap(display_);
            XChangeKeyboardMapping(display_, *keycode, map.perKeycode(), symbols.data(), 1);
            if (trap.failed()) return std::nullopt;
        }
        bindings_.push_back({*keycode, keysym, restoreAt});
        lastSpare_ = *keycode;
        if (!boundAsChanged(*keycode, keysym)) return std::nullopt;
        std::this_thread::sleep_for(kMapSettleTime);
        return keycode;
    }

    // The server applied the change (the round trip of the trap above) and
    // nobody rebound the key since: read it back.
    bool boundAsChanged(KeyCode keycode, KeySym keysym) {
        int perKeycode = 0;
        KeySym* symbols = XGetKeyboardMapping(display_, keycode, 1, &perKeycode);
        if (!symbols) return false;
        const bool holds = perKeycode > 0 && symbols[0] == keysym;
        XFree(symbols);
        drainEvents();
        return holds;
    }

    std::optional<KeyCode> nextSpareKey(const KeyboardMap& map) {
        const int first = map.minKeycode();
        const int count = map.maxKeycode() - first + 1;
        if (count <= 0) return std::nullopt;
        const int start = lastSpare_ >= first && lastSpare_ <= map.maxKeycode() ? lastSpare_ - first + 1 : 0;
        for (int i = 0; i < count; ++i) {
            const int keycode = first + (start + i) % count;
            if (keycode > 255) continue;
            const bool lent =
                std::any_of(bindings_.begin(), bindings_.end(), [&](const Binding& b) { return b.keycode == keycode; });
            if (!lent && map.isUnbound(keycode) && !map.isModifier(keycode)) return static_cast<KeyCode>(keycode);
        }
        return std::nullopt;
    }

    // Gives the chosen keys back their empty binding; a key that someone
    // else has rebound since is left as it is.
    template <class Predicate>
    void restoreBindings(const KeyboardMap& map, Predicate due) {
        std::vector<KeySym> empty(static_cast<std::size_t>(std::max(map.perKeycode(), 1)), NoSymbol);
        X11ErrorTrap trap(display_);
        std::erase_if(bindings_, [&](const Binding& binding) {
            if (!due(binding)) return false;
            if (map.holdsOnly(binding.keycode, binding.keysym))
                XChangeKeyboardMapping(display_, binding.keycode, static_cast<int>(empty.size()), empty.data(), 1);
            return true;
        });
        XSync(display_, False);
    }

    Display* display_;
    Window root_;
    Atom netActiveWindow_;
    Atom timestampProperty_;
    Window helper_ = None;
    std::vector<Binding> bindings_;
    int lastSpare_ = 0;
};

}  // namespace

std::unique_ptr<TargetDesktop> openX11Desktop() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return nullptr;
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        XCloseDisplay(display);
        return nullptr;
    }
    return std::make_unique<X11Desktop>(display);
}

}  // namespace platform
