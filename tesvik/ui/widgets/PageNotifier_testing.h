#pragma once
// A PageNotifier for tests: records what would have been shown and answers
// questions from a queue (Yes when the queue is empty).
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "tesvik/ui/widgets/PageNotifier.h"

namespace tesvik::ui::testing {

struct Notice {
    tesvik::MessageId id;
    std::string text;
    PageNotifier::Icon icon = PageNotifier::Icon::Information;
    std::string caption;    // empty: the application's name
    bool question = false;  // asked Yes/No
};

class RecordingNotifier : public PageNotifier {
public:
    void show(const tesvik::Message& message, Icon icon, const QString& caption) override {
        notices.push_back({message.id, message.text, icon, caption.toStdString(), false});
    }
    bool ask(const tesvik::Message& question, const tesvik::Message& caption) override {
        notices.push_back({question.id, question.text, Icon::Question, caption.text, true});
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<tesvik::MessageId> ids() const {
        std::vector<tesvik::MessageId> out;
        for (const auto& n : notices) out.push_back(n.id);
        return out;
    }
    void clear() { notices.clear(); }

    std::vector<Notice> notices;
    std::deque<bool> answers;
};

// Gives target (a page or dialog) a recording notifier; the target owns it.
template <class Target>
RecordingNotifier* recordNotices(Target& target) {
    auto recording = std::make_unique<RecordingNotifier>();
    RecordingNotifier* seen = recording.get();
    target.setNotifier(std::move(recording));
    return seen;
}

}  // namespace tesvik::ui::testing
