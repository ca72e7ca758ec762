#pragma once
// Fakes of what character output works with: the desktop, the clipboard
// and the input method's addon.
#include "platform/InputMethodAddon.h"
#include "platform/TargetDesktop.h"
#include "tesvik/program/OutputService.h"

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tesvik::program::testing {

// A desktop whose windows and answers the test sets; it records every call.
class FakeDesktop : public platform::TargetDesktop {
public:
    platform::WindowId active = 0;
    std::set<platform::WindowId> windows;
    bool activationSucceeds = true;
    bool typingSucceeds = true;
    std::vector<std::string> calls;
    std::u32string typed;

    platform::WindowId activeWindow() override {
        calls.push_back("activeWindow");
        return windows.count(active) ? active : 0;
    }
    bool isWindow(platform::WindowId window) override {
        calls.push_back("isWindow " + std::to_string(window));
        return windows.count(window) != 0;
    }
    bool activate(platform::WindowId window) override {
        calls.push_back("activate " + std::to_string(window));
        if (activationSucceeds) active = window;
        return activationSucceeds;
    }
    bool typeCharacter(char32_t codePoint) override {
        calls.push_back("type " + std::to_string(codePoint));
        if (typingSucceeds) typed += codePoint;
        return typingSucceeds;
    }
    void processPendingWork() override { calls.push_back("pending"); }
};

class RecordingClipboard : public ClipboardWriter {
public:
    void setText(const std::string& utf8) override { texts.push_back(utf8); }
    std::vector<std::string> texts;
};

// An addon whose presence and commit results the test sets.
class FakeAddon : public platform::InputMethodAddon {
public:
    bool running = true;
    bool commitsFail = false;
    std::vector<std::string> commits;  // text, then the program it must not reach
    // The outcome each commit reports when events are taken; none: it
    // never finishes.
    std::optional<bool> deliveredAtOnce = true;
    std::vector<platform::FinishedCommit> finishing;
    std::vector<int> waits;  // what each takeEvents was asked to wait
    std::vector<std::string> hotKeys;  // every SetHotKey
    int hotKeyPresses = 0;             // reported by the next takeEvents

    bool present() override { return running; }
    lumenar::Result<platform::CommitId, std::string> commit(const std::string& utf8,
                                                            const std::string& ownProgram) override {
        if (commitsFail) return lumenar::Result<platform::CommitId, std::string>::failure("no reply");
        commits.push_back(utf8 + " not " + ownProgram);
        const auto id = static_cast<platform::CommitId>(commits.size());
        if (deliveredAtOnce) finishing.push_back({id, *deliveredAtOnce});
        return id;
    }
    lumenar::Status<std::string> setHotKey(const std::string& key) override {
        hotKeys.push_back(key);
        return {};
    }
    int eventDescriptor() const override { return -1; }
    platform::AddonEvents takeEvents(int waitMs) override {
        waits.push_back(waitMs);
        platform::AddonEvents events;
        events.finished = std::exchange(finishing, {});
        events.hotKeyPresses = std::exchange(hotKeyPresses, 0);
        return events;
    }
};

}  // namespace tesvik::program::testing
