#pragma once

#include <QList>
#include <QObject>
#include <QString>

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
class WorkingState;

/// The components of the application: creates, owns and wires the main and backup graph, the
/// white board, the job manager, the data loader, both explorers with their conjecture sets, the
/// console, the report and their windows, and the working state kept between runs; runs the
/// start-up step (restore, layout, autosave) and the end of a run. The inspector's pages drive
/// it; everything here runs in the GUI thread.
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
    /// The settings store, the working directory, the autosave and what they write.
    WorkingState *workingState() const { return m_state.get(); }

    /// The widget or action follows signal_running: disabled while a search runs.
    void lockWhileRunning(QWidget *w);
    void lockWhileRunning(QAction *a);

    /// The working state's restore (WorkingState::restore), layout of the graph, autosave. Run
    /// once, after the pages are wired.
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
    /// Empties both explorers and their relations lists.
    void slot_clear_database();

signals:
    /// The controls that edit the board or the main graph follow it: disabled while true.
    void signal_running(bool running);

private:
    void buildExplorers();
    void wire();
    /// Both explorers take the board's columns, after the running build if there is one.
    void rebuildExplorers();
    /// Waits for the manager's thread to end, and orders what it did before what follows.
    void waitForManager();

    const BuildCalculus *m_catalogue;
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
    std::unique_ptr<WorkingState> m_state;
    int m_added = 0;
};
