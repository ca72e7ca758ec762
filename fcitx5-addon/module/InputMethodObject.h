#pragma once
// The addon's object on the session bus, as Tesvik sees it. It only
// translates calls and signals; the addon does the work.
#include <fcitx-utils/dbus/objectvtable.h>

#include <cstdint>
#include <string>

namespace imaddon {

inline constexpr char busName[] = "org.lumenar.Tesvik.InputMethod";
inline constexpr char objectPath[] = "/org/lumenar/Tesvik/InputMethod";
inline constexpr char interfaceName[] = "org.lumenar.Tesvik.InputMethod1";
inline constexpr std::uint32_t interfaceVersion = 1;

// What the object asks of the addon.
class InputMethodRequests {
public:
    virtual ~InputMethodRequests() = default;
    virtual std::uint64_t commit(const std::string& text, const std::string& ownProgram) = 0;
    // False when `key` is not a key in the input method's key-string form.
    virtual bool setHotKey(const std::string& key) = 0;
};

class InputMethodObject : public fcitx::dbus::ObjectVTable<InputMethodObject> {
public:
    explicit InputMethodObject(InputMethodRequests& requests) : requests_(requests) {}

    std::uint32_t version() { return interfaceVersion; }
    std::uint64_t commit(const std::string& text, const std::string& ownProgram) {
        return requests_.commit(text, ownProgram);
    }
    void setHotKey(const std::string& key);

private:
    InputMethodRequests& requests_;

    FCITX_OBJECT_VTABLE_METHOD(version, "Version", "", "u");
    FCITX_OBJECT_VTABLE_METHOD(commit, "Commit", "ss", "t");
    FCITX_OBJECT_VTABLE_METHOD(setHotKey, "SetHotKey", "s", "");

public:
    FCITX_OBJECT_VTABLE_SIGNAL(commitFinished, "CommitFinished", "tb")
    FCITX_OBJECT_VTABLE_SIGNAL(hotKeyPressed, "HotKeyPressed", "")
};

}  // namespace imaddon
