#pragma once

#include "platform/RegistryStore.h"

#include <filesystem>

namespace tesvik::program {

// Whether the program starts with the user's session, and the switch for it.
class AutostartEntry {
public:
    virtual ~AutostartEntry() = default;
    virtual bool isEnabled() const = 0;
    // Both return false when the entry cannot be changed.
    virtual bool enable() = 0;
    virtual bool disable() = 0;
};

// The Run-key form: a REG_SZ value named by the main window caption under
// HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run whose data
// is the program's full path (compared without regard to case).
class RunKeyAutostart final : public AutostartEntry {
public:
    RunKeyAutostart(platform::RegistryStore& store, std::filesystem::path programPath)
        : store_(store), programPath_(std::move(programPath)) {}

    bool isEnabled() const override;
    bool enable() override;
    bool disable() override;

private:
    platform::RegistryStore& store_;
    std::filesystem::path programPath_;
};

// The Linux form: the desktop session's autostart entry
// $XDG_CONFIG_HOME/autostart/tesvik.desktop, starting the program's full path.
class SessionAutostart final : public AutostartEntry {
public:
    SessionAutostart(std::filesystem::path entryFile, std::filesystem::path programPath)
        : entryFile_(std::move(entryFile)), programPath_(std::move(programPath)) {}

    bool isEnabled() const override;
    bool enable() override;
    bool disable() override;

private:
    std::filesystem::path entryFile_;
    std::filesystem::path programPath_;
};

inline constexpr const char* kAutostartEntryId = "tesvik";

inline constexpr const char* kRunKey = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace tesvik::program
