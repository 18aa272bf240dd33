#include "items/CalculusDisplay.h"

#include "graph/Graph.h"
#include "common/writeDiagnostic.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

#include <algorithm>

CalculusDisplay::CalculusDisplay(QString name_, QString description_)
    : name(name_), description(description_), values(32, QVector<double>(32, 0.0)),
      lazyControls(true)
{
    setWindowTitle(tr("Item information"));
    setModal(false);
    // A board holds thousands of items whose dialogs are never opened: the controls are
    // built when first needed, and until then the settings live in plain members.
    graphInReportState = true;
    hide();
}

CalculusDisplay::CalculusDisplay() : values(32, QVector<double>(32, 0.0)) {}

CalculusDisplay::~CalculusDisplay() = default;

void CalculusDisplay::setVisible(bool visible)
{
    if (visible)
        buildControls();
    QDialog::setVisible(visible);
}

QTableWidget *CalculusDisplay::valueGrid()
{
    buildControls();
    return grid;
}

void CalculusDisplay::buildControls()
{
    if (!lazyControls || controlsBuilt)
        return;
    controlsBuilt = true;
    auto *outer = new QGridLayout(this);
    auto *tabs = new QTabWidget(this);
    outer->addWidget(tabs, 0, 0);

    auto *settings = new QWidget;
    auto *settingsGrid = new QGridLayout(settings);
    cbInvert = new QCheckBox(tr("Complement"));
    cbInvert->setChecked(invertGraphState);
    cbInvert->setEnabled(pending.invertEnabled);
    auto *doneSettings = new QPushButton(tr("Done"));
    le_name = new QLineEdit(pending.givenName);
    cbInReport = new QCheckBox(tr("Insert in explorer"));
    cbInReport->setChecked(inReportState);
    cbInReport->setEnabled(pending.reportEnabled);
    cbGraph = new QCheckBox(tr("Graph Value"));
    cbNode = new QCheckBox(tr("Node Value"));
    cbVector = new QCheckBox(tr("Vector"));
    settingsGrid->addWidget(cbInvert, 0, 0);
    settingsGrid->addWidget(doneSettings, 0, 1);
    settingsGrid->addWidget(new QLabel(tr("Name :")), 1, 0);
    settingsGrid->addWidget(le_name, 1, 1);
    settingsGrid->addWidget(cbInReport, 2, 0);
    settingsGrid->addWidget(cbGraph, 2, 1);
    settingsGrid->addWidget(cbNode, 3, 1);
    settingsGrid->addWidget(cbVector, 4, 1);

    natureGroup = new QButtonGroup(this);
    natureGroup->setExclusive(true);
    for (QCheckBox *b : {cbGraph, cbNode, cbVector}) {
        natureGroup->addButton(b);
        b->setEnabled(pending.natureEnabled);
    }
    cbGraph->setChecked(graphInReportState);
    cbNode->setChecked(nodInReportState);
    cbVector->setChecked(vecInReportState);

    auto *results = new QWidget;
    auto *resultsGrid = new QGridLayout(results);
    keywordLabel = new QLabel(pending.keyword);
    givenNameLabel = new QLabel(pending.givenName);
    auto *doneResults = new QPushButton(tr("Done"));
    grid = new QTableWidget(0, 0);
    resultsGrid->addWidget(keywordLabel, 0, 0);
    resultsGrid->addWidget(givenNameLabel, 0, 1);
    resultsGrid->addWidget(doneResults, 0, 2, 1, 2);
    resultsGrid->addWidget(grid, 2, 0, 1, 4);
    setValues(values, nbRows, nbCols);

    auto *descriptionEdit = new QTextEdit;
    descriptionEdit->setPlainText(description);
    descriptionEdit->setReadOnly(true);

    tabs->addTab(settings, tr("Settings"));
    tabs->addTab(results, tr("Results"));
    tabs->addTab(descriptionEdit, tr("Description"));

    connect(cbInvert, &QCheckBox::stateChanged, this, [this](int) { slot_apply(); });
    for (QPushButton *done : {doneSettings, doneResults}) {
        connect(done, &QPushButton::clicked, this, &QDialog::hide);
        connect(done, &QPushButton::clicked, this, &CalculusDisplay::slot_refresh);
    }
    connect(le_name, &QLineEdit::textChanged, givenNameLabel, &QLabel::setText);
    // What the user types or pastes is shown as it will be saved.
    connect(le_name, &QLineEdit::textEdited, this, [this](const QString &typed) {
        const QString safe = fieldSafe(typed);
        if (safe != typed)
            le_name->setText(safe);
    });
    if (pending.natureLinked) {
        natureLinks[0] = connect(cbInReport, &QCheckBox::clicked, cbGraph, &QWidget::setEnabled);
        natureLinks[1] = connect(cbInReport, &QCheckBox::clicked, cbNode, &QWidget::setEnabled);
        natureLinks[2] = connect(cbInReport, &QCheckBox::clicked, cbVector, &QWidget::setEnabled);
    }
    trackBoxes();
}

bool CalculusDisplay::waitingForControls() const
{
    return lazyControls && !controlsBuilt;
}

void CalculusDisplay::trackBoxes()
{
    const std::pair<QCheckBox *, std::atomic<bool> *> boxes[] = {{cbInReport, &inReportState},
                                                                 {cbInvert, &invertGraphState},
                                                                 {cbNode, &nodInReportState},
                                                                 {cbVector, &vecInReportState},
                                                                 {cbGraph, &graphInReportState}};
    for (const auto &b : boxes) {
        if (!b.first)
            continue;
        std::atomic<bool> *state = b.second;
        *state = b.first->isChecked();
        connect(b.first, &QCheckBox::toggled, this, [state](bool on) { *state = on; });
    }
    for (QCheckBox *box : {cbInReport, cbNode, cbVector, cbGraph})
        if (box)
            connect(box, &QCheckBox::clicked, this, &CalculusDisplay::signal_report_changed);
}

bool CalculusDisplay::clone()
{
    return false;
}

void CalculusDisplay::setNbRows(int n)
{
    nbRows = n;
    if (grid)
        grid->setRowCount(n);
}

void CalculusDisplay::setNbColumns(int n)
{
    nbCols = n;
    if (grid)
        grid->setColumnCount(n);
}

void CalculusDisplay::setValues(const QVector<QVector<double>> &m, int rows, int cols)
{
    // Never beyond the 32 x 32 store, nor beyond what the caller handed over.
    rows = std::max(0, std::min({rows, 32, int(m.size())}));
    for (int i = 0; i < rows; ++i)
        cols = std::min(cols, int(m[i].size()));
    cols = std::max(0, std::min(cols, 32));
    setNbRows(rows);
    setNbColumns(cols);
    if (values.size() < 32)
        values = QVector<QVector<double>>(32, QVector<double>(32, 0.0));
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) {
            values[i][j] = m[i][j];
            if (!grid)
                continue;
            const QString text = QString::number(m[i][j], 'g', 6);
            if (QTableWidgetItem *cell = grid->item(i, j))
                cell->setText(text);
            else
                grid->setItem(i, j, new QTableWidgetItem(text));
        }
}

void CalculusDisplay::setObjMin(bool) {}
bool CalculusDisplay::getObjMin()
{
    return true;
}
void CalculusDisplay::setObjMax(bool) {}
bool CalculusDisplay::getObjMax()
{
    return true;
}
QVector<QVector<double>> &CalculusDisplay::getM()
{
    return values;
}
void CalculusDisplay::setGraph(Graph *g)
{
    graph = g;
}
void CalculusDisplay::loadData(int, int, QVector<double>) {}

QString CalculusDisplay::givenName() const
{
    if (waitingForControls())
        return pending.givenName;
    if (!le_name) {
        writeDiagnostic(name.toUtf8() + " CalculusDisplay::givenName() => le_name not allocated");
        return name;
    }
    return fieldSafe(le_name->text());
}

void CalculusDisplay::setGivenName(const QString &s)
{
    const QString safe = fieldSafe(s);
    pending.givenName = safe;
    if (le_name)
        le_name->setText(safe);
    if (givenNameLabel)
        givenNameLabel->setText(safe);
}

QString CalculusDisplay::fieldSafe(const QString &name)
{
    QString safe = name;
    // A blank cannot be part of "<NEW>", so one pass leaves none behind.
    safe.replace(QLatin1String("<NEW>"), QLatin1String(" "));
    for (QChar &c : safe)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    return safe;
}

void CalculusDisplay::setName(const QString &n)
{
    name = n;
    pending.keyword = n;
    if (keywordLabel)
        keywordLabel->setText(n);
}

void CalculusDisplay::setInReport(bool b)
{
    if (waitingForControls())
        inReportState = b;
    else if (cbInReport)
        cbInReport->setChecked(b);
}

void CalculusDisplay::setNature(QCheckBox *box, std::atomic<bool> &state, bool b)
{
    if (!waitingForControls()) {
        if (box)
            box->setChecked(b);
        return;
    }
    // As the exclusive group of the boxes does: ticking one clears the others, and the
    // ticked one cannot be cleared by itself.
    if (!b)
        return;
    graphInReportState = false;
    nodInReportState = false;
    vecInReportState = false;
    state = true;
}

void CalculusDisplay::setGraphInReport(bool b)
{
    setNature(cbGraph, graphInReportState, b);
}

void CalculusDisplay::setNodInReport(bool b)
{
    setNature(cbNode, nodInReportState, b);
}

void CalculusDisplay::setVecInReport(bool b)
{
    setNature(cbVector, vecInReportState, b);
}

void CalculusDisplay::setInvertGraph(bool b)
{
    if (!waitingForControls()) {
        if (cbInvert)
            cbInvert->setChecked(b);
        return;
    }
    // The box republishes the graph when it changes; so does its setting without the box.
    if (invertGraphState.exchange(b) != b)
        slot_apply();
}

void CalculusDisplay::enableReport(bool b)
{
    pending.reportEnabled = b;
    if (cbInReport)
        cbInReport->setEnabled(b);
}

void CalculusDisplay::enableNatureInReport(bool b)
{
    pending.natureEnabled = b;
    for (QCheckBox *c : {cbNode, cbVector, cbGraph})
        if (c)
            c->setEnabled(b);
}

void CalculusDisplay::enableInvertGraph(bool b)
{
    pending.invertEnabled = b;
    if (cbInvert)
        cbInvert->setEnabled(b);
}

void CalculusDisplay::disconnectReport()
{
    pending.natureLinked = false;
    for (QMetaObject::Connection &c : natureLinks)
        disconnect(c);
}

void CalculusDisplay::slot_apply()
{
    if (graph)
        graph->changeBest();
}

void CalculusDisplay::slot_refresh()
{
    emit signal_refresh();
}
