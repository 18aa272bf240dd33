#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>

class AnalystWidget;
class BoardWindow;
class BuildCalculus;
class ConjectureSettings;
class ConjectureWidget;
class ConjecturesDisplay;
class Console;
class DataLoader;
class Graph;
class GraphWindow;
class Problem;
class ProgressBar;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSettings;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class Report;
class VNSManager;

/// The inspector: creates and owns every component (main and backup graph, white board, job
/// manager, data loader, explorers, console, report and their windows), wires them, holds the
/// catalogue tree and the optimization, graph, explorer and preferences pages, and keeps the
/// working state in the settings store. Everything here runs in the GUI thread.
class MainWidget : public QWidget
{
    Q_OBJECT
public:
    /// The catalogue and the settings store are not owned. The start-up step (working
    /// directory, restore of the last working state, layout, autosave timer) runs here.
    MainWidget(const BuildCalculus *catalogue, QSettings *settings, QWidget *parent = nullptr);
    ~MainWidget() override;

    /// One results explorer with its conjecture set, built in the order settings window,
    /// relations list, panel. The two windows have no parent: the inspector deletes them.
    struct Explorer {
        AnalystWidget *explorer = nullptr;
        ConjectureSettings *settings = nullptr;
        ConjecturesDisplay *display = nullptr;
        ConjectureWidget *panel = nullptr;
    };
    enum { GraphValues = 0, VertexValues = 1 };

    Graph *graph() const { return m_graph; }
    Graph *backupGraph() const { return m_backup; }
    Problem *board() const { return m_board; }
    VNSManager *manager() const { return m_manager; }
    DataLoader *dataLoader() const { return m_loader; }
    Console *console() const { return m_console; }
    ProgressBar *progressBar() const { return m_progress; }
    Report *report() const { return m_report; }
    BoardWindow *boardWindow() const { return m_boardWindow; }
    GraphWindow *graphWindow() const { return m_graphWindow; }
    GraphWindow *backupWindow() const { return m_backupWindow; }
    QTabWidget *explorerWindow() const { return m_explorerWindow; }
    /// GraphValues or VertexValues.
    const Explorer &explorer(int k) const { return m_explorers[k]; }
    QTreeWidget *catalogueTree() const { return m_tree; }
    QAction *runAction() const { return m_runAction; }
    QAction *haltAction() const { return m_haltAction; }
    /// The windows the main window's menus reach.
    QList<QWidget *> windows() const;
    QString workingDirectory() const { return m_wd; }
    QTimer *autosaveTimer() { return &m_autosave; }

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
    /// when a file could not be written, said in the console once per run of failures.
    bool slot_autosave();
    void slot_layout();
    void slot_place_circle();
    void slot_backup();
    void slot_restore();
    void slot_exchange();
    void slot_shuffle();
    /// A hundred random relabellings of the main graph, each checked against the original by
    /// the isomorphism test; the count found isomorphic goes to the console.
    void slot_relabel_test();
    void slot_choose_wd();
    void slot_show_report();
    /// Empties both explorers and their relations lists.
    void slot_clear_database();

signals:
    void signal_start_vns();
    void signal_halt();

private:
    void buildExplorers();
    QString conjectures() const;
    QWidget *buildTree();
    QWidget *optimizationPage();
    QWidget *graphPage();
    QWidget *explorerPage();
    QWidget *preferencesPage();
    void wire();
    void startUp();
    /// The restore warning; the autosave files that were due and did not come back are kept
    /// aside under names it gives.
    void warnUnrestored(bool boardBack, bool graphDue);
    void setWorkingDirectory(const QString &wd);
    void setEditingEnabled(bool on);
    /// Widgets and actions that edit the board or the main graph, disabled during a search.
    void lockDuringRun(QWidget *w);
    void lockDuringRun(QAction *a);
    /// Waits for the manager's thread to end, and orders what it did before what follows.
    void waitForManager();

    const BuildCalculus *m_catalogue;
    QSettings *m_settings;
    Graph *m_graph;
    Graph *m_backup;
    Problem *m_board;
    DataLoader *m_loader;
    VNSManager *m_manager;
    Console *m_console;
    ProgressBar *m_progress;
    Report *m_report;
    BoardWindow *m_boardWindow;
    GraphWindow *m_graphWindow;
    GraphWindow *m_backupWindow;
    QTabWidget *m_explorerWindow;
    std::array<Explorer, 2> m_explorers;
    QTreeWidget *m_tree = nullptr;
    QTextBrowser *m_documentation = nullptr;
    QAction *m_runAction;
    QAction *m_haltAction;
    QLineEdit *m_title = nullptr;
    QPlainTextEdit *m_description = nullptr;
    QLabel *m_pleaseWait = nullptr;
    QLineEdit *m_wdEdit = nullptr;
    QCheckBox *m_layout3d = nullptr;
    double m_layoutSize = 300;
    QString m_wd;
    QTimer m_autosave;
    /// The files the last autosave could not write; empty after a success.
    QString m_autosaveFailure;
    QList<QPointer<QWidget>> m_lockedWidgets;
    QList<QPointer<QAction>> m_lockedActions;
    int m_added = 0;
    /// Released by the manager's thread as it ends: QThread::wait orders nothing that the
    /// thread sanitizer can see, this counter does.
};
