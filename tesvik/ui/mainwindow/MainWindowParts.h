#pragma once
// The pages and dialogs the main window hosts, made by kind, so that the
// window itself only arranges them.
#include "tesvik/program/Autostart.h"
#include "tesvik/program/MainWindowLayout.h"
#include "tesvik/program/SettingsConfirmation.h"
#include "tesvik/ui/mainwindow/PageContainer.h"
#include "tesvik/ui/widgets/PageContext.h"

#include <QDialog>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

namespace tesvik::ui {

struct MadePage {
    QWidget* widget = nullptr;
    PageContainer::FirstFocus firstFocus;
};

// The program's page of that kind, parented to `parent`.
MadePage makeProgramPage(tesvik::program::MainPage kind, const PageContext& context, QWidget* parent);

// Connects the pages that talk to each other: a radical chosen in the
// radical directory becomes the radical lookup page's current radical.
void connectPages(const std::vector<QWidget*>& pages);

// Re-applies colours, font and stroke keys after the settings changed.
void applySettingsTo(QWidget* page);

// The registration dialog a button opens; null for other buttons.
std::unique_ptr<QDialog> makeRegistrationDialog(tesvik::program::MainButton button, const PageContext& context,
                                                QWidget* parent);

std::unique_ptr<QDialog> makeAboutBox(const std::filesystem::path& settingsDirectory, QWidget* parent);

// The settings dialog and, after it ran, the settings it confirmed.
struct SettingsDialogHandle {
    std::unique_ptr<QDialog> dialog;
    std::function<std::optional<tesvik::program::Settings>()> confirmed;
};
SettingsDialogHandle makeSettingsDialog(const tesvik::program::Settings& current,
                                        tesvik::program::SettingsStoreTargets stores,
                                        tesvik::program::HotKeyControl* hotKeys,
                                        tesvik::program::AutostartEntry& autostart, QWidget* parent);

}  // namespace tesvik::ui
