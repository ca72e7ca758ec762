#pragma once
// "版本说明": the program's icon, name and version.
#include <QDialog>

namespace pelorin::ui {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace pelorin::ui
