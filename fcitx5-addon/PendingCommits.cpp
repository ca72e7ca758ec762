#include "fcitx5-addon/PendingCommits.h"

#include <utility>

namespace imaddon {

PendingCommits::PendingCommits(std::function<Clock::time_point()> now, Clock::duration limit)
    : now_(std::move(now)), limit_(limit) {}

RequestId PendingCommits::submit(std::string text, std::string asker) {
    const RequestId request = nextRequest_++;
    queue_.push_back({request, std::move(text), std::move(asker), now_() + limit_});
    return request;
}

void PendingCommits::focusIn(ContextId context, std::string program) { focus_ = Focus{context, std::move(program)}; }

void PendingCommits::focusOut(ContextId context) {
    if (focus_ && focus_->context == context) focus_.reset();
}

void PendingCommits::destroyed(ContextId context) { focusOut(context); }

bool PendingCommits::expired(const Pending& pending) const { return now_() >= pending.deadline; }

// A context whose program name is unknown (empty) is never taken for the asker's own.
bool PendingCommits::isAskersOwn(const Pending& pending, const Focus& focus) {
    return !focus.program.empty() && focus.program == pending.asker;
}

std::vector<Delivery> PendingCommits::takeDeliverable() {
    std::vector<Delivery> deliveries;
    if (!focus_) return deliveries;
    // The head goes first: a text that may not go to this context (its asker's
    // own) holds back the texts queued after it.
    while (!queue_.empty() && !expired(queue_.front()) && !isAskersOwn(queue_.front(), *focus_)) {
        Pending& head = queue_.front();
        deliveries.push_back({head.request, focus_->context, std::move(head.text)});
        queue_.pop_front();
    }
    return deliveries;
}

std::vector<RequestId> PendingCommits::dropExpired() {
    std::vector<RequestId> dropped;
    for (auto it = queue_.begin(); it != queue_.end();) {
        if (expired(*it)) {
            dropped.push_back(it->request);
            it = queue_.erase(it);
        } else {
            ++it;
        }
    }
    return dropped;
}

std::optional<Clock::time_point> PendingCommits::nextDeadline() const {
    if (queue_.empty()) return std::nullopt;
    return queue_.front().deadline;
}

}  // namespace imaddon
