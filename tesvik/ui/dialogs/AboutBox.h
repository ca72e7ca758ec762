#pragma once
// "关于 LumenarTesvik输入法软件": the program's caption and a link that opens
// the licence text in the settings directory.
#include <QDialog>

#include <filesystem>
#include <functional>

class QLabel;

namespace tesvik::ui {

// Opens a file with the desktop's default handler.
using FileOpener = std::function<void(const std::filesystem::path&)>;
FileOpener desktopFileOpener();

inline constexpr const char* kLicenceFileName = "Lumenar license.txt";

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(std::filesystem::path settingsDirectory, QWidget* parent = nullptr);

    void setFileOpener(FileOpener opener);
    // What the link does: opens the licence text when the file exists.
    void openLicence();

private:
    std::filesystem::path settingsDirectory_;
    FileOpener opener_;
};

}  // namespace tesvik::ui
