#pragma once
// How the stroke page and the stroke registration dialog tell the user
// something or ask a yes/no question. Message boxes in the program; a
// recording stand-in in tests (StrokeNotifier_testing.h).
#include <QString>
#include <memory>

#include "tesvik/messages/Messages.h"

class QWidget;

namespace tesvik::ui {

class StrokeNotifier {
public:
    enum class Icon { None, Information, Warning };

    virtual ~StrokeNotifier() = default;
    // caption empty: the application's own name.
    virtual void show(const tesvik::Message& message, Icon icon, const QString& caption = {}) = 0;
    // Yes/No with the question icon; true for Yes.
    virtual bool ask(const tesvik::Message& question, const tesvik::Message& caption) = 0;
};

// Modal message boxes over parent.
std::unique_ptr<StrokeNotifier> strokeMessageBoxNotifier(QWidget* parent);

// A text of the string table as Qt text.
QString strokeText(tesvik::MessageId id);
QString strokeText(const tesvik::Message& message);

// The caption of input-error messages, "LumenarTesvik向你报告：".
QString strokeInputErrorCaption();

}  // namespace tesvik::ui
