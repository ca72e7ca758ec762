#pragma once
// How the radical pages and the radical registration dialog tell the user
// something or ask a yes/no question: message boxes in the program, a
// recording stand-in in tests (RadicalNotifier_testing.h).
#include <QString>

#include <memory>

#include "tesvik/messages/Messages.h"

class QWidget;

namespace tesvik::ui {

enum class RadicalNoticeIcon { None, Information };

class RadicalNotifier {
public:
    virtual ~RadicalNotifier() = default;
    // caption empty: the application's own name.
    virtual void show(const tesvik::Message& message, RadicalNoticeIcon icon, const QString& caption = {}) = 0;
    // Yes/No with the question icon; true for Yes.
    virtual bool ask(const tesvik::Message& question, const tesvik::Message& caption) = 0;
};

// Modal message boxes over parent.
std::unique_ptr<RadicalNotifier> radicalMessageBoxes(QWidget* parent);

// "LumenarTesvik向你报告：", the caption of input errors.
QString radicalInputErrorCaption();

}  // namespace tesvik::ui
