#pragma once

#include <QMainWindow>

#include <memory>

class BuildCalculus;
class MainWidget;
class SettingsStore;

/// The main window: owns the item catalogue and the inspector, and reaches every other window
/// through its menus. Closing it quits: the search is ended, the working state saved and every
/// window closed.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    /// The settings store is not owned; null uses the platform store of the application.
    explicit MainWindow(SettingsStore *settings = nullptr);
    ~MainWindow() override;

    MainWidget *inspector() const { return m_inspector.get(); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The inspector, declared last, goes first: it uses the catalogue and the settings store.
    std::unique_ptr<BuildCalculus> m_catalogue;
    std::unique_ptr<SettingsStore> m_ownSettings;
    std::unique_ptr<MainWidget> m_inspector;
};
