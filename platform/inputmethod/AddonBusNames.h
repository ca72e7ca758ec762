#pragma once
// Where the addon lives on the session bus, and the interface version this
// side speaks.
namespace platform::addonbus {

inline constexpr const char* kService = "org.lumenar.Tesvik.InputMethod";
inline constexpr const char* kObjectPath = "/org/lumenar/Tesvik/InputMethod";
inline constexpr const char* kInterface = "org.lumenar.Tesvik.InputMethod1";
inline constexpr unsigned kVersion = 1;

}  // namespace platform::addonbus
