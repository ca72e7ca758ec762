#pragma once
// The stroke field of the radical pages: a line of stroke glyphs typed with
// the five configured stroke keys. A stroke key inserts its glyph at the
// caret; any other character key is refused (keyRefused); Space is left to
// the page (it outputs or confirms) and inserts nothing here.
#include "tesvik/messages/Messages.h"

#include <QLineEdit>

#include <string>

namespace tesvik::ui {

class RadicalStrokeField : public QLineEdit {
    Q_OBJECT
public:
    explicit RadicalStrokeField(QWidget* parent = nullptr);

    void setStrokeKeys(std::string keys);
    // The stroke digits "1".."5" of the glyphs shown, in their order.
    std::string digits() const;
    int glyphCount() const;
    void setDigits(const std::string& digits);

signals:
    void keyRefused(const tesvik::Message& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::string strokeKeys_;
};

// The glyphs of stroke digits, one per digit.
QString radicalStrokeGlyphs(const std::string& digits);

}  // namespace tesvik::ui
