#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <memory>

class AnalystWidget;
class BoardWindow;
class BuildCalculus;
class ConjectureSettings;
class ConjectureWidget;
class ConjecturesDisplay;
class Console;
class DataLoader;
class Graph;
class GraphCommands;
class GraphWindow;
class Problem;
class QAction;
class QTabWidget;
class QWidget;
class Report;
class SettingsStore;
class VNSManager;

/// The components of the application and its working state: creates, owns and wires the main
/// and backup graph, the white board, the job manager, the data loader, both explorers with
/// their conjecture sets, the console, the report and their windows; runs the start-up step
/// (file size limit, working directory, restore, layout, autosave timer), the autosave and the save
/// at quitting. The inspector's pages drive it; everything here runs in the GUI thread.
class Workbench : public QObject
{
    Q_OBJECT
public:
    /// The catalogue and the settings store are not owned; dialogs open over dialogParent.
    Workbench(const BuildCalculus *catalogue, SettingsStore *settings, QWidget *dialogParent);
    ~Workbench() override;

    /// One results explorer with its conjecture set, built in the order settings window,
    /// relations list, panel. The explorer window owns the explorer and its panel; the two
    /// windows of the conjecture set have no parent.
    struct Explorer {
        AnalystWidget *explorer = nullptr;
        std::unique_ptr<ConjectureSettings> settings;
        std::unique_ptr<ConjecturesDisplay> display;
        ConjectureWidget *panel = nullptr;
    };
    enum { GraphValues = 0, VertexValues = 1 };

    const BuildCalculus *catalogue() const { return m_catalogue; }
    SettingsStore *settings() const { return m_settings; }
    Graph *graph() const { return m_graph; }
    Graph *backupGraph() const { return m_backup; }
    Problem *board() const { return m_board; }
    VNSManager *manager() const { return m_manager.get(); }
    DataLoader *dataLoader() const { return m_loader.get(); }
    Console *console() const { return m_console.get(); }
    Report *report() const { return m_report.get(); }
    BoardWindow *boardWindow() const { return m_boardWindow.get(); }
    GraphWindow *graphWindow() const { return m_graphWindow.get(); }
    GraphWindow *backupWindow() const { return m_backupWindow.get(); }
    QTabWidget *explorerWindow() const { return m_explorerWindow.get(); }
    /// GraphValues or VertexValues.
    const Explorer &explorer(int k) const { return m_explorers[k]; }
    GraphCommands *graphCommands() const { return m_commands.get(); }
    /// The windows the main window's menus reach.
    QList<QWidget *> windows() const;
    QString workingDirectory() const { return m_wd; }
    QTimer *autosaveTimer() { return &m_autosave; }

    /// The widget or action follows signal_running: disabled while a search runs.
    void lockWhileRunning(QWidget *w);
    void lockWhileRunning(QAction *a);

    /// Writes past a file size limit made to fail rather than end the program
    /// (failWritesPastFileSizeLimit), working directory and reload preference from the settings
    /// store, restore of the last working state, layout of the graph, autosave timer. Run once,
    /// after the pages are wired. A store that could not be read is asked about first: read
    /// again, or a run without it, which restores nothing and writes neither the store nor an
    /// autosave file.
    void startUp();
    /// Asks "Really quit?", then ends the search and the conjecture searches, waits for them
    /// and saves the working state. False when the user says no, the searches then going on,
    /// or when the save failed and the user chose to stay.
    bool shutDown();

public slots:
    /// Emits signal_running: a search started (true) or ended (false).
    void slot_set_running(bool running);
    /// Adds an item of the catalogue's keyword to the board; refused while a search runs.
    void slot_add_item(QString keyword);
    /// The problem and the graph into the settings store, then the two autosave files. False
    /// when the store or a file could not be written, said in the console once per run of
    /// failures; false, writing nothing, in a run without its store.
    bool slot_autosave();
    /// Writes the two autosave files into the folder, then saves it in the settings store with
    /// the problem and the graph; only then hands it to the board, the graphs and the
    /// explorers. False, nothing handed over, the store's value the old one again and the files
    /// the folder held put back, when a file could not be written or the store saved, or in a
    /// run without its store; `refusal` then says why, for a warning.
    bool slot_set_wd(const QString &wd, QString *refusal = nullptr);
    /// Saves the reload preference in the settings store.
    void slot_set_reload(bool on);
    /// Empties both explorers and their relations lists.
    void slot_clear_database();

signals:
    /// The controls that edit the board or the main graph follow it: disabled while true.
    void signal_running(bool running);
    void signal_wd_changed(const QString &wd);

private:
    void buildExplorers();
    void wire();
    void setWorkingDirectory(const QString &wd);
    /// The problem text and the graph string into the settings store, for its next save.
    void keepWorkingState();
    /// Saves the settings store; a failure is said in red in the console, naming the store.
    bool saveStore();
    QString storeName() const;
    /// Writes the board's autosave file (board) or the graph's; one that a restore due at the
    /// start did not read is kept aside first, said in the console. False, and why in `error`,
    /// when it could not be written, or kept aside.
    bool writeAutosave(bool board, QString *error);
    /// Both explorers take the board's columns, after the running build if there is one.
    void rebuildExplorers();
    /// The restore warning; the autosave files that were due and did not come back are kept
    /// aside under names it gives, or before this run first writes them when they are not there
    /// yet.
    void warnUnrestored(bool boardBack, bool graphDue);
    /// Waits for the manager's thread to end, and orders what it did before what follows.
    void waitForManager();

    const BuildCalculus *m_catalogue;
    SettingsStore *m_settings;
    QWidget *m_dialogParent;
    Graph *m_graph = nullptr;   // owned by its window
    Graph *m_backup = nullptr;  // owned by its window
    Problem *m_board = nullptr; // owned by its window
    // Destroyed in the reverse order: the manager first, as it stops and waits for the workers
    // that publish into the board and the main graph; the board before the graph it is
    // attached to; the explorers' panels before the conjecture windows they were given.
    std::unique_ptr<DataLoader> m_loader;
    std::unique_ptr<Console> m_console;
    std::array<Explorer, 2> m_explorers;
    std::unique_ptr<QTabWidget> m_explorerWindow;
    std::unique_ptr<GraphWindow> m_backupWindow;
    std::unique_ptr<GraphWindow> m_graphWindow;
    std::unique_ptr<Report> m_report;
    std::unique_ptr<BoardWindow> m_boardWindow;
    std::unique_ptr<VNSManager> m_manager;
    std::unique_ptr<GraphCommands> m_commands;
    QTimer m_autosave;
    QString m_wd;
    /// The files (the settings store among them) the last autosave could not write; empty
    /// after a success.
    QString m_autosaveFailure;
    /// The run goes on without its settings store, which could not be read.
    bool m_withoutStore = false;
    /// Autosave files due at the start and not read, kept aside before they are first written.
    QStringList m_keepBeforeWrite;
    int m_added = 0;
};
