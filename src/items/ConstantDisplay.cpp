#include "items/ConstantDisplay.h"

#include "common/GuiThread.h"
#include "common/writeDiagnostic.h"
#include "graph/Graph.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

ConstantDisplay::ConstantDisplay(QString name_, QString description_)
    : mirror(32, QVector<double>(32, 0.0))
{
    name = name_;
    description = description_;
    setWindowTitle(tr("Constant definition"));
    setModal(false);

    auto *outer = new QGridLayout(this);
    auto *tabs = new QTabWidget(this);
    outer->addWidget(tabs, 0, 0);

    auto *results = new QWidget;
    auto *resultsGrid = new QGridLayout(results);
    keywordLabel = new QLabel(QStringLiteral("NA"));
    givenNameLabel = new QLabel;
    auto *done = new QPushButton(tr("Done"));
    grid = new QTableWidget(1, 1);
    auto *addRow = new QPushButton(tr("add row"));
    auto *delRow = new QPushButton(tr("del row"));
    auto *addCol = new QPushButton(tr("add col"));
    auto *delCol = new QPushButton(tr("del col"));
    auto *cloneButton = new QPushButton(tr("Clone"));
    auto *apply = new QPushButton(tr("Apply"));
    resultsGrid->addWidget(keywordLabel, 0, 0, 1, 1);
    resultsGrid->addWidget(givenNameLabel, 0, 1, 1, 1);
    resultsGrid->addWidget(done, 0, 2, 1, 2);
    resultsGrid->addWidget(grid, 1, 0, 2, 4);
    resultsGrid->addWidget(addRow, 3, 0, 1, 2);
    resultsGrid->addWidget(delRow, 3, 2, 1, 2);
    resultsGrid->addWidget(addCol, 4, 0, 1, 2);
    resultsGrid->addWidget(delCol, 4, 2, 1, 2);
    resultsGrid->addWidget(cloneButton, 5, 0, 1, 2);
    resultsGrid->addWidget(apply, 5, 2, 1, 2);

    auto *descriptionEdit = new QTextEdit;
    descriptionEdit->setPlainText(description);
    descriptionEdit->setReadOnly(true);
    tabs->addTab(results, tr("Results"));
    tabs->addTab(descriptionEdit, tr("Description"));

    // The report and complement controls exist for the item's setters but are never shown.
    le_name = new QLineEdit(this);
    cbInReport = new QCheckBox(tr("Insert in explorer"), this);
    cbGraph = new QCheckBox(tr("Graph Value"), this);
    cbNode = new QCheckBox(tr("Node value"), this);
    cbVector = new QCheckBox(tr("Vector"), this);
    cbInvert = new QCheckBox(tr("Invert"), this);
    cbGraph->setChecked(true);
    for (QWidget *hidden : {static_cast<QWidget *>(le_name), static_cast<QWidget *>(cbInReport),
                            static_cast<QWidget *>(cbGraph), static_cast<QWidget *>(cbNode),
                            static_cast<QWidget *>(cbVector), static_cast<QWidget *>(cbInvert)})
        hidden->hide();
    trackBoxes();
    connect(le_name, &QLineEdit::textChanged, givenNameLabel, &QLabel::setText);

    connect(done, &QPushButton::clicked, this, &QDialog::hide);
    connect(addRow, &QPushButton::clicked, this, &ConstantDisplay::slot_add_row);
    connect(delRow, &QPushButton::clicked, this, &ConstantDisplay::slot_del_row);
    connect(addCol, &QPushButton::clicked, this, &ConstantDisplay::slot_add_col);
    connect(delCol, &QPushButton::clicked, this, &ConstantDisplay::slot_del_col);
    connect(cloneButton, &QPushButton::clicked, this, &ConstantDisplay::slot_clone);
    connect(apply, &QPushButton::clicked, this, &ConstantDisplay::slot_apply);
    connect(grid, &QTableWidget::cellChanged, this, &ConstantDisplay::cellEdited);

    nbRows = nbCols = 1;
    rebuildGrid();
    hide();
}

QTableWidgetItem *ConstantDisplay::newCell(double v) const
{
    auto *cell = new QTableWidgetItem(QString::number(v, 'g', 6));
    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return cell;
}

void ConstantDisplay::rebuildGrid()
{
    int r, c;
    QVector<QVector<double>> shown;
    {
        std::lock_guard<std::mutex> lock(mirrorMutex);
        r = mRows;
        c = mCols;
        shown = mirror;
    }
    rebuilding = true;
    grid->clearContents();
    grid->setRowCount(r);
    grid->setColumnCount(c);
    for (int i = 0; i < r; ++i)
        for (int j = 0; j < c; ++j)
            grid->setItem(i, j, newCell(shown[i][j]));
    rebuilding = false;
    nbRows = r;
    nbCols = c;
}

void ConstantDisplay::cellEdited(int row, int col)
{
    if (rebuilding || row < 0 || col < 0 || row >= 32 || col >= 32)
        return;
    const QTableWidgetItem *cell = grid->item(row, col);
    const double v = cell ? cell->text().toDouble() : 0.0;
    std::lock_guard<std::mutex> lock(mirrorMutex);
    mirror[row][col] = v;
}

bool ConstantDisplay::clone()
{
    std::lock_guard<std::mutex> lock(mirrorMutex);
    const bool requested = cloneRequest;
    cloneRequest = false;
    return requested;
}

void ConstantDisplay::setValues(const QVector<QVector<double>> &, int, int) {}

QVector<QVector<double>> &ConstantDisplay::getM()
{
    std::lock_guard<std::mutex> lock(mirrorMutex);
    for (int i = 0; i < mRows; ++i)
        for (int j = 0; j < mCols; ++j)
            values[i][j] = mirror[i][j];
    return values;
}

int ConstantDisplay::gridRows() const
{
    std::lock_guard<std::mutex> lock(mirrorMutex);
    return mRows;
}

int ConstantDisplay::gridCols() const
{
    std::lock_guard<std::mutex> lock(mirrorMutex);
    return mCols;
}

void ConstantDisplay::loadData(int rows, int cols, QVector<double> v)
{
    const bool fits = rows >= 0 && rows <= 32 && cols >= 0 && cols <= 32 && rows * cols == v.size();
    if (!fits) {
        writeDiagnostic("ERR r=" + QByteArray::number(rows) + " c=" + QByteArray::number(cols) +
                        " v.size()" + QByteArray::number(v.size()));
    }
    {
        std::lock_guard<std::mutex> lock(mirrorMutex);
        mRows = qBound(0, rows, 32);
        mCols = qBound(0, cols, 32);
        for (auto &row : mirror)
            row.fill(0.0);
        if (fits)
            for (int i = 0; i < rows; ++i)
                for (int j = 0; j < cols; ++j)
                    mirror[i][j] = v[i * cols + j];
    }
    GuiThread::run(this, [this] { rebuildGrid(); });
}

void ConstantDisplay::slot_apply()
{
    if (graph)
        graph->changeBest();
}

void ConstantDisplay::slot_add_row()
{
    resizeGrid(1, 0);
}
void ConstantDisplay::slot_add_col()
{
    resizeGrid(0, 1);
}
void ConstantDisplay::slot_del_row()
{
    resizeGrid(-1, 0);
}
void ConstantDisplay::slot_del_col()
{
    resizeGrid(0, -1);
}

void ConstantDisplay::resizeGrid(int dRows, int dCols)
{
    {
        std::lock_guard<std::mutex> lock(mirrorMutex);
        // Buttons add up to 32 and always leave at least one row and one column.
        if ((dRows > 0 && mRows >= 32) || (dRows < 0 && mRows < 2) || (dCols > 0 && mCols >= 32) ||
            (dCols < 0 && mCols < 2))
            return;
        if (dRows > 0)
            mirror[mRows].fill(0.0);
        if (dCols > 0)
            for (auto &row : mirror)
                row[mCols] = 0.0;
        mRows += dRows;
        mCols += dCols;
    }
    rebuildGrid();
}

void ConstantDisplay::slot_clone()
{
    {
        std::lock_guard<std::mutex> lock(mirrorMutex);
        cloneRequest = true;
    }
    if (graph)
        graph->changeBest();
}
