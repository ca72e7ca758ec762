#include "pelorin/ui/AboutBox.h"

#include "pelorin/ui/UiTexts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace pelorin::ui {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(qtext(text::kAboutTitle));
    auto* icon = new QLabel(this);
    const QIcon programIcon = QIcon::fromTheme(QStringLiteral("pelorin"), windowIcon());
    icon->setPixmap(programIcon.isNull() ? style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48)
                                         : programIcon.pixmap(48));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(qtext(text::kOk), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(qtext(text::kAboutProgram), this), 0, 1);
    layout->addWidget(new QLabel(qtext(text::kAboutVersion), this), 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setHorizontalSpacing(16);
}

}  // namespace pelorin::ui
