#pragma once
// What the input-method addon does with the text Tesvik asks it to commit,
// free of the input-method framework's types so that its rules can be tested
// with a fake clock.
//
// Text goes to the input context that has the focus, unless that context
// belongs to the program that asked (Tesvik's own window). Otherwise it waits,
// in the order it came, for the next context that gets the focus and is not
// the asker's, for at most `limit`; then it is dropped. A context that loses
// the focus or is destroyed before the text reached it takes nothing with it:
// the text waits for the next one.
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace imaddon {

using RequestId = std::uint64_t;
// Identifies an input context for as long as it lives; the addon uses the
// context's address.
using ContextId = std::uintptr_t;
using Clock = std::chrono::steady_clock;

// Text to hand to a context now. The context had the focus when this was
// made; the caller commits it and reports it delivered.
struct Delivery {
    RequestId request;
    ContextId context;
    std::string text;
};

class PendingCommits {
public:
    static constexpr std::chrono::seconds defaultLimit{10};

    explicit PendingCommits(std::function<Clock::time_point()> now, Clock::duration limit = defaultLimit);

    // Queues `text` from the program named `asker` and returns its request id.
    RequestId submit(std::string text, std::string asker);

    void focusIn(ContextId context, std::string program);
    void focusOut(ContextId context);
    void destroyed(ContextId context);

    // The queued texts that may go to the focused context now, in order,
    // taken off the queue. Texts that waited longer than the limit are left
    // for dropExpired().
    std::vector<Delivery> takeDeliverable();
    // Takes off the queue every text that waited its full time.
    std::vector<RequestId> dropExpired();
    // When the oldest queued text runs out, if any text is queued.
    std::optional<Clock::time_point> nextDeadline() const;

    std::size_t pendingCount() const { return queue_.size(); }
    std::optional<ContextId> focusedContext() const {
        return focus_ ? std::optional<ContextId>(focus_->context) : std::nullopt;
    }

private:
    struct Pending {
        RequestId request;
        std::string text;
        std::string asker;
        Clock::time_point deadline;
    };
    struct Focus {
        ContextId context;
        std::string program;
    };

    bool expired(const Pending& pending) const;
    static bool isAskersOwn(const Pending& pending, const Focus& focus);

    std::function<Clock::time_point()> now_;
    Clock::duration limit_;
    RequestId nextRequest_ = 1;
    std::deque<Pending> queue_;
    std::optional<Focus> focus_;
};

}  // namespace imaddon
