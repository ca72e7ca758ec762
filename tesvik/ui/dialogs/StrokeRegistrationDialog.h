#pragma once
// The dialog of the user's own stroke characters (LumenarTesvik补字按笔顺管理):
// adds, modifies and deletes Private Use Area characters in the user stroke
// table, so that the stroke-order page finds them. The field checks and the
// table operations are the index engine's; the dialog collects the fields.
#include <QDialog>
#include <QString>
#include <array>
#include <memory>
#include <string>

#include "tesvik/lookup/stroke/UserStrokeTable.h"
#include "tesvik/ui/widgets/PageContext.h"
#include "tesvik/ui/widgets/PageNotifier.h"

class QLineEdit;
class QPushButton;

namespace tesvik::ui {

class OneCellBox;

class StrokeRegistrationDialog : public QDialog {
    Q_OBJECT
public:
    // The face the preview draws the character in.
    static constexpr const char* PreviewFontFamily = "LMRadicalSong";

    explicit StrokeRegistrationDialog(PageContext context, QWidget* parent = nullptr);
    ~StrokeRegistrationDialog() override;

    // Replaces the message boxes (tests record and answer instead).
    void setNotifier(std::unique_ptr<PageNotifier> notifier);

    const std::string& strokes() const { return strokes_; }
    std::uint32_t previewValue() const;

private:
    enum class Operation { Add, Modify, Delete };

    void buildControls();
    void codeEdited(const QString& text);
    void totalEdited(const QString& text);
    void pressStroke(char digit);
    void removeStroke();
    void showStrokes();
    void run(Operation operation);
    void clearFields();
    void notify(const tesvik::Message& message, PageNotifier::Icon icon);

    PageContext context_;
    std::string strokes_;
    QString lastCode_;
    QString lastTotal_ = QStringLiteral("1");

    QLineEdit* code_ = nullptr;
    OneCellBox* preview_ = nullptr;
    QLineEdit* total_ = nullptr;
    QLineEdit* strokeField_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* modify_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* close_ = nullptr;
    std::unique_ptr<PageNotifier> notifier_;
};

}  // namespace tesvik::ui
