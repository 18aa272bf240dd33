#pragma once

#include <QColor>
#include <QStringList>
#include <QVector>
#include <QWidget>

class Analyst;
class DataLoader;
class Graph;
class Problem;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class RowFilterModel;
class ScatterPlot;
class TableBuilder;

/// One results explorer: the table of graph values (one row per graph) or of vertex values
/// (one row per vertex), its filter, its scatter plot and a place for a conjecture panel.
/// Rows are built in a background thread by re-evaluating each graph of the explorer's list
/// on a copy of the board; the table changes only when a build has ended whole.
class AnalystWidget : public QWidget
{
    Q_OBJECT
public:
    /// name: the explorer's object name, telling the graph-values and vertex-values ones apart.
    AnalystWidget(QString name, Problem *board, Graph *mainGraph, DataLoader *loader,
                  bool vertexValues, QWidget *parent = nullptr);
    ~AnalystWidget() override;

    Analyst *analyst() const { return m_table; }
    RowFilterModel *rows() const { return m_rows; }
    ScatterPlot *plot() const { return m_plot; }
    QTableView *tableView() const { return m_view; }
    void setWD(QString wd);
    /// Adds the conjecture panel as a tab of its own (owned by this widget from then on).
    void setConjecturePanel(QWidget *panel);

    /// The explorer's graph strings; graph number k is entry k - 1.
    const QStringList &graphs() const { return m_graphs; }
    bool isBuilding() const;
    /// Line numbers skipped by the last file read.
    const QVector<int> &lastBadLines() const { return m_badLines; }
    /// Graph number last loaded into the main graph, 0 for none.
    int currentGraph() const { return m_current; }

    /// Starts reading a graph list ("*.g6" by its suffix, else graph strings) and rebuilding
    /// the table with its graphs added; false when a build is running. When it ends the
    /// console says how many graphs the file gave and how many lines were skipped, and a
    /// message box says so too when it gave none or skipped some.
    bool loadGraphFile(const QString &fileName);
    /// The graph list as graph6 lines for a "*.g6" name, else as graph strings.
    bool saveGraphList(const QString &fileName);
    bool saveTable(const QString &fileName);
    /// One PDF per graph of the rows the filter keeps, "<graph number>.pdf" in folder, drawn
    /// on a graph of its own: the main graph and the board stay as they are. The number
    /// written.
    int exportGraphPdfs(const QString &folder);
    /// Loads graph graphNo into the main graph and highlights it; refused during a search.
    bool loadGraph(int graphNo);
    bool setFilterText(const QString &text);

public slots:
    void slot_data_loaded();
    void slot_clear_database();
    /// Loads the graph after the current one among the rows the filter keeps.
    void slot_load_next();
    /// While a search runs, no graph is loaded, the database is not cleared and no table is
    /// rebuilt; graphs and rebuilds asked for then are made when it ends.
    void slot_set_search_active(bool active);
    /// Rebuilds the table from the graph list, for columns that changed on the board; after
    /// the running build or search when there is one.
    void slot_rebuild();
    void slot_cancel();
    void slot_load_graphs();
    void slot_save_graphs();
    void slot_save_table();
    void slot_export_pdfs();

signals:
    void signal_console(QString text, bool debug, int level, QColor colour);
    /// The columns changed (a new table or a cleared one), with the new header.
    void signal_header_changed(QStringList header);
    /// A build ended, applied or not.
    void signal_table_ready();
    /// slot_clear_database emptied the table: graph numbers start again from 1.
    void signal_database_cleared();

private:
    void startBuild(const QString &fileName = QString());
    void builtTable();
    void showTable(const QStringList &header, QVector<QVector<double>> rows, QVector<int> graphNos);
    void updateCount();
    /// Spreads out the vertices of graph, all standing where new ones are added.
    static void layOut(Graph *graph);
    void say(const QString &text, QColor colour = Qt::black);
    void fail(const QString &text);

    Problem *m_board;
    Graph *m_mainGraph;
    DataLoader *m_loader;
    bool m_vertexMode;
    Analyst *m_table;
    RowFilterModel *m_rows;
    TableBuilder *m_builder;
    QTableView *m_view;
    ScatterPlot *m_plot;
    QTabWidget *m_tabs;
    QLineEdit *m_filterEdit;
    QLabel *m_countLabel;
    QLabel *m_noColumnsLabel;
    QPushButton *m_clearButton;
    QProgressBar *m_progress;
    QPushButton *m_cancelButton;
    QString m_buildFile;
    QStringList m_graphs;
    QStringList m_pending;
    QVector<int> m_badLines;
    QString m_wd;
    bool m_searchActive = false;
    bool m_rebuildPending = false;
    int m_current = 0;
};
