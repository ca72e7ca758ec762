#pragma once
// The dialog in which users file their own Private Use Area characters under
// a radical (补字按部首检索管理): add, modify and delete rows of the user
// radical table, which then regenerates the user radical pair.
#include "tesvik/lookup/radical/RadicalSearch.h"
#include "tesvik/lookup/radical/UserRadicalFields.h"
#include "tesvik/ui/widgets/CandidateGrid.h"
#include "tesvik/ui/widgets/OneCellBox.h"
#include "tesvik/ui/widgets/PageContext.h"
#include "tesvik/ui/widgets/PageNotifier.h"
#include "tesvik/ui/widgets/RadicalStrokeField.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;

namespace tesvik::ui {

class RadicalRegistrationDialog : public QDialog {
    Q_OBJECT
public:
    explicit RadicalRegistrationDialog(PageContext context, QWidget* parent = nullptr);
    ~RadicalRegistrationDialog() override;

    void setNotifier(std::unique_ptr<PageNotifier> notifier);
    // The fields as the next 添加, 修改 or 删除 would take them.
    tesvik::lookup::UserRadicalFields fields() const;
    std::uint32_t chosenRadical() const { return chosenRadical_; }

    void add();
    void modify();
    void remove();

private:
    void buildLayout();
    void codeEdited(const QString& text);
    void radicalFieldsEdited();
    void pressRadicalStroke(char digit);
    void pressRadicalBack();
    void searchRadicals();
    void radicalSelected();
    void remainingEdited(const QString& text);
    void pressRemainingStroke(char digit);
    void pressRemainingBack();
    bool refused(const tesvik::lookup::UserRadicalRefusal& refusal);
    void showResult(const tesvik::lookup::UserTableEdit& result);
    void clearAfterEdit();
    void setText(QLineEdit* field, const QString& text);
    bool prepareUserDirectory();

    PageContext context_;
    QLineEdit* codeField_;
    OneCellBox* preview_;
    RadicalStrokeField* radicalStrokeField_;
    QLineEdit* radicalCountField_;
    QLineEdit* radicalPinyinField_;
    CandidateGrid* radicalGrid_;
    OneCellBox* radicalBox_;
    QLineEdit* remainingField_;
    QLineEdit* remainingStrokesField_;
    QPushButton* addButton_;
    QPushButton* modifyButton_;
    QPushButton* deleteButton_;
    QPushButton* closeButton_;
    std::unique_ptr<PageNotifier> notifier_;

    QString lastCodeText_;
    QString lastRemainingText_ = "0";
    unsigned remaining_ = 0;
    std::string remainingStrokes_;
    std::string radicalStrokes_;
    std::vector<tesvik::lookup::RadicalCandidate> radicals_;
    std::optional<tesvik::lookup::RadicalKey> chosenKey_;
    std::uint32_t chosenRadical_ = 0;
    bool updatingFields_ = false;
};

}  // namespace tesvik::ui
