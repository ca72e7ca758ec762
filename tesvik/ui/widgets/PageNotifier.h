#pragma once
// How the pages and dialogs tell the user something or ask a yes/no
// question: message boxes in the program, a recording stand-in in tests
// (PageNotifier_testing.h).
#include <QString>
#include <memory>

#include "tesvik/messages/Messages.h"

class QWidget;

namespace tesvik::ui {

class PageNotifier {
public:
    enum class Icon { None, Information, Warning, Question };

    virtual ~PageNotifier() = default;
    // An OK box; caption empty: the application's own name.
    virtual void show(const tesvik::Message& message, Icon icon, const QString& caption = {}) = 0;
    // Yes/No with the question icon, Yes the default; true for Yes.
    virtual bool ask(const tesvik::Message& question, const tesvik::Message& caption) = 0;
};

// Modal message boxes over parent.
std::unique_ptr<PageNotifier> messageBoxNotifier(QWidget* parent);

}  // namespace tesvik::ui
