#include "tesvik/ui/dialogs/AboutBox.h"

#include "tesvik/messages/Messages.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <system_error>

namespace tesvik::ui {
namespace {

QLabel* licenceLink(QWidget* parent) {
    auto* link = new QLabel(parent);
    link->setObjectName("licenceLink");
    link->setTextFormat(Qt::RichText);
    link->setText(QStringLiteral("<a href=\"licence\" style=\"color:#0000ff;\">%1</a>")
                      .arg(uiText(MessageId::AboutLicenceLink).toHtmlEscaped()));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setCursor(Qt::PointingHandCursor);
    link->setAccessibleName(uiText(MessageId::AboutLicenceLink));
    return link;
}

}  // namespace

FileOpener desktopFileOpener() {
    return [](const std::filesystem::path& file) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    };
}

AboutBox::AboutBox(std::filesystem::path settingsDirectory, QWidget* parent)
    : QDialog(parent), settingsDirectory_(std::move(settingsDirectory)), opener_(desktopFileOpener()) {
    setObjectName("aboutBox");
    setWindowTitle(uiText(MessageId::AboutBoxTitle));
    setModal(true);

    auto* caption = new QLabel(uiText(MessageId::MainWindowCaption), this);
    caption->setObjectName("aboutCaption");
    auto* note = new QLabel(uiText(MessageId::AboutNote), this);
    note->setObjectName("aboutNote");
    note->setVisible(!note->text().isEmpty());
    QLabel* link = licenceLink(this);
    connect(link, &QLabel::linkActivated, this, [this] { openLicence(); });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(uiText(MessageId::AboutOk), QDialogButtonBox::AcceptRole);
    ok->setObjectName("aboutOkButton");
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(note);
    layout->addWidget(link);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::setFileOpener(FileOpener opener) { opener_ = std::move(opener); }

void AboutBox::openLicence() {
    const std::filesystem::path file = settingsDirectory_ / kLicenceFileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error) || !opener_) return;
    opener_(file);
}

}  // namespace tesvik::ui
