#pragma once
// Tesvik's addon inside the user's input-method framework, reached over the
// session bus: it commits text into the input context that has the focus
// (or the next one that gets it) and reports the show/hide hot key.
#include "common/Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

using CommitId = std::uint64_t;

struct FinishedCommit {
    CommitId id = 0;
    bool delivered = false;  // handed to a focused input context; false: dropped

    bool operator==(const FinishedCommit&) const = default;
};

// What arrived from the addon since the last look.
struct AddonEvents {
    std::vector<FinishedCommit> finished;
    int hotKeyPresses = 0;
    // The addon (re)started: it knows no hot key yet.
    bool addonStarted = false;
};

class InputMethodAddon {
public:
    virtual ~InputMethodAddon() = default;
    // The addon runs and speaks the interface version this side knows.
    virtual bool present() = 0;
    // Hands the text over at once; the outcome arrives later as a
    // FinishedCommit with the returned id. `ownProgram` names the program
    // whose input contexts never receive it.
    virtual lumenar::Result<CommitId, std::string> commit(const std::string& utf8, const std::string& ownProgram) = 0;
    // The hot key in the framework's key-string form ("Control+Alt+Z");
    // empty clears it.
    virtual lumenar::Status<std::string> setHotKey(const std::string& key) = 0;
    // Becomes readable when something may have arrived (watch it with a
    // socket notifier); -1 when there is none to watch.
    virtual int eventDescriptor() const = 0;
    // Reads what arrived, waiting up to waitMs for the first of it.
    virtual AddonEvents takeEvents(int waitMs = 0) = 0;
};

}  // namespace platform
