#pragma once
// A StrokeNotifier for tests: records what would have been shown and answers
// questions from a queue (Yes when the queue is empty).
#include <deque>
#include <string>
#include <vector>

#include "tesvik/ui/widgets/StrokeNotifier.h"

namespace tesvik::ui::testing {

struct Notice {
    tesvik::MessageId id;
    std::string text;
    StrokeNotifier::Icon icon = StrokeNotifier::Icon::Information;
    std::string caption;  // empty: the application's name
    bool question = false;
};

class RecordingNotifier : public StrokeNotifier {
public:
    void show(const tesvik::Message& message, StrokeNotifier::Icon icon, const QString& caption) override {
        notices.push_back({message.id, message.text, icon, caption.toStdString(), false});
    }
    bool ask(const tesvik::Message& question, const tesvik::Message& caption) override {
        notices.push_back({question.id, question.text, StrokeNotifier::Icon::None, caption.text, true});
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

    std::vector<Notice> notices;
    std::deque<bool> answers;
};

}  // namespace tesvik::ui::testing
