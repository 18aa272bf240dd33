#include "explorer/AnalystWidget.h"

#include "common/Prompts.h"
#include "common/writeWholeFile.h"
#include "explorer/Analyst.h"
#include "explorer/DataLoader.h"
#include "explorer/RowFilterModel.h"
#include "explorer/ScatterPlot.h"
#include "explorer/TableBuilder.h"
#include "graph/Graph.h"
#include "graph/GraphString.h"
#include "graph/MDS.h"
#include "problem/Problem.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

AnalystWidget::AnalystWidget(QString name, Problem *board, Graph *mainGraph, DataLoader *loader,
                             bool vertexValues, QWidget *parent)
    : QWidget(parent), m_board(board), m_mainGraph(mainGraph), m_loader(loader),
      m_vertexMode(vertexValues)
{
    setObjectName(name);
    m_table = new Analyst(this);
    m_rows = new RowFilterModel(m_table, this);
    m_builder = new TableBuilder(this);

    auto *load = new QPushButton(tr("Load graphs"));
    auto *saveGraphs = new QPushButton(tr("Save graphs"));
    auto *saveTable = new QPushButton(tr("Save table"));
    auto *pdfs = new QPushButton(tr("Graphs to PDF"));
    m_clearButton = new QPushButton(tr("Clear database"));
    auto *tools = new QHBoxLayout;
    for (QPushButton *b : {load, saveGraphs, saveTable, pdfs, m_clearButton})
        tools->addWidget(b);
    tools->addStretch(1);

    m_filterEdit = new QLineEdit;
    m_filterEdit->setPlaceholderText(tr("Filter, e.g. ORDER >= 8 and SIZE < 12"));
    m_countLabel = new QLabel;
    auto *filterBar = new QHBoxLayout;
    filterBar->addWidget(new QLabel(tr("Filter")));
    filterBar->addWidget(m_filterEdit, 1);
    filterBar->addWidget(m_countLabel);

    m_view = new QTableView;
    m_view->setModel(m_rows);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Fixed row heights: the view then never measures 100,000 rows.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(20);
    // A click on a column name sorts by it; the table starts in graph order.
    m_view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setSortingEnabled(true);
    m_noColumnsLabel = new QLabel(tr("No board item is marked \"Insert in explorer\": the table "
                                     "has no columns. Mark items in their dialogs."));
    m_noColumnsLabel->setWordWrap(true);
    m_noColumnsLabel->setStyleSheet(QStringLiteral("color: red"));
    auto *tablePage = new QWidget;
    auto *tableLayout = new QVBoxLayout(tablePage);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(m_noColumnsLabel);
    tableLayout->addWidget(m_view, 1);
    m_plot = new ScatterPlot(m_table, m_rows);
    m_tabs = new QTabWidget;
    m_tabs->addTab(tablePage, tr("Table"));
    m_tabs->addTab(m_plot, tr("Plot"));

    m_progress = new QProgressBar;
    m_progress->setRange(0, 1000);
    m_cancelButton = new QPushButton(tr("Cancel"));
    auto *progressBar = new QHBoxLayout;
    progressBar->addWidget(m_progress, 1);
    progressBar->addWidget(m_cancelButton);
    m_progress->hide();
    m_cancelButton->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addLayout(filterBar);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(progressBar);

    connect(load, &QPushButton::clicked, this, &AnalystWidget::slot_load_graphs);
    connect(saveGraphs, &QPushButton::clicked, this, &AnalystWidget::slot_save_graphs);
    connect(saveTable, &QPushButton::clicked, this, &AnalystWidget::slot_save_table);
    connect(pdfs, &QPushButton::clicked, this, &AnalystWidget::slot_export_pdfs);
    connect(m_clearButton, &QPushButton::clicked, this, &AnalystWidget::slot_clear_database);
    connect(m_cancelButton, &QPushButton::clicked, this, &AnalystWidget::slot_cancel);
    connect(m_filterEdit, &QLineEdit::returnPressed, this,
            [this] { setFilterText(m_filterEdit->text()); });
    connect(m_view, &QTableView::clicked, this, [this](const QModelIndex &index) {
        loadGraph(m_table->graphNo(m_rows->mapToSource(index).row()));
    });
    connect(m_table, &Analyst::signal_load_graph, this, &AnalystWidget::loadGraph);
    connect(m_plot, &ScatterPlot::signal_graph_picked, this, &AnalystWidget::loadGraph);
    connect(m_builder, &TableBuilder::signal_progress, this, [this](qint64 done, qint64 total) {
        m_progress->setValue(total > 0 ? int(done * 1000 / total) : 0);
    });
    connect(m_builder, &TableBuilder::signal_finished, this, &AnalystWidget::builtTable);
    updateCount();
}

AnalystWidget::~AnalystWidget()
{
    // The builder's thread ends before the table it would fill goes.
    m_builder->cancel();
    m_builder->wait();
}

void AnalystWidget::setWD(QString wd)
{
    m_wd = wd;
    m_plot->setWD(wd);
}

void AnalystWidget::setConjecturePanel(QWidget *panel)
{
    m_tabs->addTab(panel, tr("Conjectures"));
}

bool AnalystWidget::isBuilding() const
{
    return m_builder->isRunning();
}

void AnalystWidget::say(const QString &text, QColor colour)
{
    emit signal_console(text, false, 0, colour);
}

void AnalystWidget::fail(const QString &text)
{
    say(text, Qt::red);
    Prompts::instance().message(this, Prompts::Level::Warning, QStringLiteral("Warning"), text);
}

void AnalystWidget::startBuild(const QString &fileName)
{
    m_rebuildPending = false;
    m_buildFile = fileName;
    const bool g6 = fileName.endsWith(QStringLiteral(".g6"), Qt::CaseInsensitive);
    m_builder->build(m_board, m_vertexMode, m_graphs + m_pending, fileName, g6);
    m_pending.clear();
    m_progress->setValue(0);
    m_progress->show();
    m_cancelButton->show();
}

void AnalystWidget::slot_data_loaded()
{
    if (!m_loader)
        return;
    m_pending += m_loader->graphs();
    // During a search the graphs wait: the board is not copied while workers publish into it.
    if (!isBuilding() && !m_searchActive)
        startBuild();
}

bool AnalystWidget::loadGraphFile(const QString &fileName)
{
    if (isBuilding() || m_searchActive) {
        say(tr("The table is being built or a search runs; load the file later."), Qt::red);
        return false;
    }
    startBuild(fileName);
    return true;
}

void AnalystWidget::builtTable()
{
    TableBuilder::Result r = m_builder->takeResult();
    m_progress->hide();
    m_cancelButton->hide();
    const QString file = QFileInfo(m_buildFile).fileName();
    if (r.fileError) {
        fail(tr("Cannot read %1.").arg(m_buildFile));
    } else if (r.cancelled) {
        say(tr("Loading cancelled: the table is unchanged."), Qt::darkYellow);
    } else {
        m_graphs = r.graphs;
        showTable(r.header, std::move(r.rows), std::move(r.graphNos));
        if (!m_buildFile.isEmpty()) {
            m_badLines = r.badLines;
            QString summary = tr("%1: %2 graphs read, %3 lines skipped")
                                  .arg(file)
                                  .arg(r.fileGraphs)
                                  .arg(r.badLines.size());
            QStringList numbers;
            for (int k = 0; k < r.badLines.size() && k < 20; ++k)
                numbers << QString::number(r.badLines[k]);
            if (r.badLines.size() > 20)
                numbers << QStringLiteral("...");
            if (!numbers.isEmpty())
                summary += tr(" (line %1)").arg(numbers.join(QStringLiteral(", ")));
            summary += QLatin1Char('.');
            if (r.fileGraphs == 0 || !r.badLines.isEmpty())
                fail(summary);
            else
                say(summary, Qt::blue);
        }
    }
    m_buildFile.clear();
    if ((!m_pending.isEmpty() || m_rebuildPending) && !m_searchActive)
        startBuild();
    emit signal_table_ready();
}

void AnalystWidget::showTable(const QStringList &header, QVector<QVector<double>> rows,
                              QVector<int> graphNos)
{
    const bool changed = header != m_table->getHeader();
    m_table->setTable(header, std::move(rows), std::move(graphNos));
    m_table->setHighlightGraph(m_current <= m_graphs.size() ? m_current : 0);
    // The filter in the box, even one not applied yet, is read against the new columns.
    if (m_filterEdit->text() != m_rows->filter().text())
        setFilterText(m_filterEdit->text());
    updateCount();
    if (changed)
        emit signal_header_changed(header);
}

void AnalystWidget::updateCount()
{
    m_countLabel->setText(tr("%1 / %2 rows").arg(m_rows->rowCount()).arg(m_table->nbRows()));
    m_noColumnsLabel->setVisible(m_table->columnCount() == 0 && m_table->nbRows() > 0);
}

bool AnalystWidget::setFilterText(const QString &text)
{
    QString error;
    if (!m_rows->setFilterText(text, error)) {
        say(error, Qt::red);
        updateCount();
        m_countLabel->setText(error);
        return false;
    }
    m_filterEdit->setText(text);
    updateCount();
    return true;
}

void AnalystWidget::slot_clear_database()
{
    // Clearing reads the board's columns, which the workers are publishing into.
    if (m_searchActive) {
        say(tr("The database is not cleared while a search runs."), Qt::red);
        return;
    }
    m_builder->cancel();
    m_rebuildPending = false;
    m_pending.clear();
    m_graphs.clear();
    m_current = 0;
    m_badLines.clear();
    const QStringList header = m_board ? m_board->getReportNames(m_vertexMode) : QStringList();
    m_table->setTable(header, {}, {});
    m_table->setHighlightGraph(0);
    m_plot->setHighlightGraph(0);
    updateCount();
    emit signal_header_changed(header);
    emit signal_database_cleared();
}

void AnalystWidget::slot_cancel()
{
    m_builder->cancel();
    m_pending.clear();
    m_rebuildPending = false;
}

void AnalystWidget::slot_set_search_active(bool active)
{
    m_searchActive = active;
    m_clearButton->setEnabled(!active);
    if (!active && (!m_pending.isEmpty() || m_rebuildPending) && !isBuilding())
        startBuild();
}

void AnalystWidget::slot_rebuild()
{
    if (m_searchActive || isBuilding()) {
        m_rebuildPending = true;
        return;
    }
    if (m_graphs.isEmpty() && m_pending.isEmpty()) {
        // No graph to evaluate: the columns are those of the board on the main graph.
        showTable(m_board ? m_board->getReportNames(m_vertexMode) : QStringList(), {}, {});
        return;
    }
    startBuild();
}

bool AnalystWidget::loadGraph(int graphNo)
{
    if (m_searchActive) {
        say(tr("No graph is loaded while a search runs."), Qt::red);
        return false;
    }
    if (graphNo < 1 || graphNo > m_graphs.size() || !m_mainGraph)
        return false;
    m_mainGraph->loadmvx(m_graphs[graphNo - 1], true);
    layOut(m_mainGraph);
    m_current = graphNo;
    m_table->setHighlightGraph(graphNo);
    m_plot->setHighlightGraph(graphNo);
    for (int r = 0; r < m_rows->rowCount(); ++r) {
        const QModelIndex index = m_rows->index(r, 0);
        if (index.isValid() && m_table->graphNo(m_rows->mapToSource(index).row()) == graphNo) {
            m_view->scrollTo(index);
            break;
        }
    }
    return true;
}

void AnalystWidget::layOut(Graph *graph)
{
    // On a circle where distances say too little (fewer than 3 vertices, at most one edge).
    if (graph->getNbNodes() >= 3 && graph->getNbEdges() > 1)
        MDS(graph, 200, 2);
    else
        graph->place_circle(200);
    graph->update_display();
}

void AnalystWidget::slot_load_next()
{
    // By graph number, whatever column the rows are sorted by.
    int next = 0;
    for (int r : m_rows->keptRows()) {
        const int no = m_table->graphNo(r);
        if (no > m_current && (next == 0 || no < next))
            next = no;
    }
    if (next > 0)
        loadGraph(next);
}

bool AnalystWidget::saveGraphList(const QString &fileName)
{
    // Written in the format its suffix names, which is the one it is read back in.
    const bool g6 = fileName.endsWith(QStringLiteral(".g6"), Qt::CaseInsensitive);
    QByteArray text;
    for (const QString &graph : qAsConst(m_graphs)) {
        BitGraph g;
        if (g6 && readGraphString(graph, g))
            text += writeGraph6(g);
        else
            text += graph.toLatin1();
        text += '\n';
    }
    if (writeWholeFile(fileName, text)) {
        say(tr("%1 graphs saved to %2.").arg(m_graphs.size()).arg(fileName), Qt::blue);
        return true;
    }
    fail(tr("Failed to save graphs."));
    return false;
}

bool AnalystWidget::saveTable(const QString &fileName)
{
    if (writeWholeFile(fileName, m_table->tableText())) {
        say(tr("Table saved to %1.").arg(fileName), Qt::blue);
        return true;
    }
    fail(tr("Failed to save table."));
    return false;
}

int AnalystWidget::exportGraphPdfs(const QString &folder)
{
    QVector<int> nos;
    for (int r : m_rows->keptRows())
        if (nos.isEmpty() || nos.last() != m_table->graphNo(r))
            nos << m_table->graphNo(r);
    // A graph of its own: what the user drew in the main graph stays there.
    Graph page(QStringLiteral("PDF"), true);
    if (m_mainGraph)
        page.resize(m_mainGraph->size());
    int written = 0;
    for (int no : qAsConst(nos)) {
        page.loadmvx(m_graphs[no - 1], true);
        layOut(&page);
        page.scaleCoords(400, 300);
        if (page.printToFile(QDir(folder).filePath(QStringLiteral("%1.pdf").arg(no))))
            ++written;
    }
    if (written < nos.size())
        fail(tr("Failed to write %1 of %2 graph PDF files.")
                 .arg(nos.size() - written)
                 .arg(nos.size()));
    else
        say(tr("%1 graph PDF files written to %2.").arg(written).arg(folder), Qt::blue);
    return written;
}

void AnalystWidget::slot_load_graphs()
{
    const QString name = Prompts::instance().openFileName(
        this, tr("Load graphs"), m_wd, QStringLiteral("Graph lists (*.dmvx3 *.g6)"));
    if (!name.isEmpty())
        loadGraphFile(name);
}

void AnalystWidget::slot_save_graphs()
{
    const QString name = Prompts::instance().saveFileName(
        this, tr("Save graphs"), m_wd, QStringLiteral("Graph lists (*.dmvx3);;graph6 (*.g6)"));
    if (!name.isEmpty())
        saveGraphList(name);
}

void AnalystWidget::slot_save_table()
{
    const QString name =
        Prompts::instance().saveFileName(this, tr("Save table"), m_wd, QStringLiteral("*.txt"));
    if (!name.isEmpty())
        saveTable(name);
}

void AnalystWidget::slot_export_pdfs()
{
    const QString folder = Prompts::instance().directory(this, tr("Graphs to PDF"), m_wd);
    if (!folder.isEmpty())
        exportGraphPdfs(folder);
}
