#pragma once
// "字符信息": a field where the user pastes or types a character, and what the
// data knows about it below, updated as the field changes.
#include "tesvik/lookup/CharacterInfo.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;

namespace tesvik::ui {

class CharacterInfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit CharacterInfoDialog(tesvik::lookup::CharacterDataFolders folders, QWidget* parent = nullptr);
    QLineEdit* field() const { return field_; }
    // The shown text of each line, in order (empty before a character is given).
    QStringList shownLines() const;

private:
    void describe(const QString& text);

    tesvik::lookup::CharacterDataFolders folders_;
    QLineEdit* field_;
    std::vector<QLabel*> values_;
};

}  // namespace tesvik::ui
