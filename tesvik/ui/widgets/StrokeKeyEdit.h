#pragma once
// The stroke field of the stroke-order page: a line edit that takes only the
// configured stroke keys, each inserting its stroke glyph at the caret.
// Editing keys (Backspace, Delete, arrows) work as usual; any other typed
// character is refused through onRefused.
#include <QLineEdit>
#include <functional>
#include <string>

#include "tesvik/messages/Messages.h"

namespace tesvik::ui {

class StrokeKeyEdit : public QLineEdit {
public:
    using StrokeKeys = std::function<std::string()>;  // the configured key list, read at every key

    explicit StrokeKeyEdit(StrokeKeys keys, QWidget* parent = nullptr);

    std::function<void(const tesvik::Message&)> onRefused;
    // Space is the page's output key while the grid has items: it is then
    // neither a stroke nor an error.
    std::function<bool()> spaceIsOutputKey;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    StrokeKeys keys_;
};

}  // namespace tesvik::ui
