#pragma once
// "Zorvan补字库转换为TrueType字库": the import's progress bar and "取消",
// which asks the running import to stop.
#include <QDialog>

#include <atomic>

class QProgressBar;
class QPushButton;

namespace pelorin::ui {

class ImportProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ImportProgressWindow(QWidget* parent = nullptr);

    void setRange(int steps);
    void setPosition(int position);
    int position() const;
    // Set once "取消" was clicked; the import polls it from its own thread.
    const std::atomic<bool>& cancelFlag() const { return cancelled_; }
    bool cancelled() const { return cancelled_.load(); }

protected:
    // Closing the window asks for a cancel; the window goes when the import has ended.
    void reject() override;

private:
    QProgressBar* bar_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::atomic<bool> cancelled_{false};
};

}  // namespace pelorin::ui
