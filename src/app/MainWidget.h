#pragma once

#include "app/Workbench.h"
#include "app/WorkingState.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class CatalogueTree;
class OptimizationPage;
class PreferencesPage;
class ProgressBar;
class QSplitter;
class QTreeWidget;

/// The inspector: the catalogue tree beside the optimization, graph, explorer and preferences
/// pages, and the "Run" and "Halt" actions. Its workbench creates, owns and wires every other
/// component and keeps the working state. Everything here runs in the GUI thread.
class MainWidget : public QWidget
{
    Q_OBJECT
public:
    /// The catalogue and the settings store are not owned. Every component comes into being
    /// here, and the start-up step (working directory, restore of the last working state,
    /// layout, autosave timer) runs before the constructor returns.
    MainWidget(const BuildCalculus *catalogue, SettingsStore *settings, QWidget *parent = nullptr);
    ~MainWidget() override;

    using Explorer = Workbench::Explorer;
    enum { GraphValues = Workbench::GraphValues, VertexValues = Workbench::VertexValues };

    Graph *graph() const { return m_bench->graph(); }
    Graph *backupGraph() const { return m_bench->backupGraph(); }
    Problem *board() const { return m_bench->board(); }
    VNSManager *manager() const { return m_bench->manager(); }
    DataLoader *dataLoader() const { return m_bench->dataLoader(); }
    Console *console() const { return m_bench->console(); }
    ProgressBar *progressBar() const;
    Report *report() const { return m_bench->report(); }
    BoardWindow *boardWindow() const { return m_bench->boardWindow(); }
    GraphWindow *graphWindow() const { return m_bench->graphWindow(); }
    GraphWindow *backupWindow() const { return m_bench->backupWindow(); }
    QTabWidget *explorerWindow() const { return m_bench->explorerWindow(); }
    /// GraphValues or VertexValues.
    const Explorer &explorer(int k) const { return m_bench->explorer(k); }
    QTreeWidget *catalogueTree() const;
    QAction *runAction() const { return m_runAction; }
    QAction *haltAction() const { return m_haltAction; }
    /// The windows the main window's menus reach.
    QList<QWidget *> windows() const { return m_bench->windows(); }
    QString workingDirectory() const { return m_bench->workingState()->workingDirectory(); }
    QTimer *autosaveTimer() { return m_bench->workingState()->autosaveTimer(); }

    /// Asks "Really quit?", then ends the search and the conjecture searches, waits for them,
    /// saves the working state and closes every window. False when the user says no, the
    /// searches then going on, or when the save failed and the user chose to stay.
    bool quit();

public slots:
    /// "Run": warns when the board holds no objective and no constraint, else starts a search.
    void slot_run();
    void slot_halt();
    void slot_optimization_starts();
    void slot_optimization_complete();
    /// Adds an item of the catalogue's keyword to the board; refused while a search runs.
    void slot_add_item(QString keyword);
    /// The problem and the graph into the settings store, then the two autosave files. False
    /// when the store or a file could not be written, said in the console once per run of
    /// failures.
    bool slot_autosave();
    void slot_choose_wd();
    void slot_show_report();
    /// Empties both explorers and their relations lists.
    void slot_clear_database();

signals:
    void signal_start_vns();
    void signal_halt();

private:
    // Declared first, so destroyed last: the pages point into its components.
    std::unique_ptr<Workbench> m_bench;
    QAction *m_runAction;
    QAction *m_haltAction;
    // The tree and the pages; held here so that they go before the workbench (the widget's
    // own children would go after it).
    std::unique_ptr<QSplitter> m_splitter;
    CatalogueTree *m_tree;
    OptimizationPage *m_optimization;
    PreferencesPage *m_preferences;
};
