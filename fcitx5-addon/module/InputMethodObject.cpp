#include "InputMethodObject.h"

namespace imaddon {

void InputMethodObject::setHotKey(const std::string& key) {
    if (!requests_.setHotKey(key)) {
        // The bus library's way to answer a call with an error.
        const std::string message = "not a key: \"" + key + "\"";
        throw fcitx::dbus::MethodCallError("org.freedesktop.DBus.Error.InvalidArgs", message.c_str());
    }
}

}  // namespace imaddon
