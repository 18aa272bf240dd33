#include "conjectures/ConjectureWidget.h"

#include "common/ProgressBar.h"
#include "common/Prompts.h"
#include "common/writeDiagnostic.h"
#include "conjectures/Conjecture.h"
#include "conjectures/ConjectureEngine.h"
#include "conjectures/ConjectureSettings.h"
#include "conjectures/ConjecturesDisplay.h"
#include "explorer/Analyst.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimerEvent>
#include <cmath>

namespace
{

const int kMaxThreads = 4;
const int kTimerMs = 100;
const int kMaxFreeVariables = 10;
const QString kTitle = QStringLiteral("Conjecture engine");

bool allFinite(const QVector<double> &x)
{
    for (double v : x)
        if (!std::isfinite(v))
            return false;
    return true;
}

// 2^k written out, for the refusal of a search that is too large to run.
QString powerOfTwo(int k)
{
    return k < 63 ? QString::number(qint64(1) << k) : QStringLiteral("2^%1").arg(k);
}

} // namespace

ConjectureWidget::ConjectureWidget(Analyst *analyst, ConjectureSettings *settings,
                                   ConjecturesDisplay *display)
    : QWidget(nullptr), settings(settings), analyst(analyst), display(display),
      engineLimit(ConjectureEngine::DEFAULT_LIMIT)
{
    QGridLayout *grid = new QGridLayout(this);
    sqCheck = new QCheckBox(QStringLiteral("x^2"), this);
    prodCheck = new QCheckBox(QStringLiteral("Products"), this);
    combineCheck = new QCheckBox(QStringLiteral("Combine prod."), this);
    settingsButton = new QPushButton(QStringLiteral("Settings"), this);
    searchButton = new QPushButton(QStringLiteral("Search"), this);
    conjecturesButton = new QPushButton(QStringLiteral("Conjectures"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setEnabled(false);
    QLabel *threadsLabel = new QLabel(QStringLiteral("max threads :"), this);
    threadsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    threadsSpin = new QSpinBox(this);
    threadsSpin->setRange(1, kMaxThreads);
    threadsSpin->setValue(kMaxThreads);
    grid->addWidget(sqCheck, 1, 0);
    grid->addWidget(prodCheck, 2, 0);
    grid->addWidget(combineCheck, 3, 0);
    grid->addWidget(settingsButton, 1, 1);
    grid->addWidget(searchButton, 1, 2);
    grid->addWidget(conjecturesButton, 2, 1);
    grid->addWidget(cancelButton, 2, 2);
    grid->addWidget(threadsLabel, 3, 1);
    grid->addWidget(threadsSpin, 3, 2);
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("status"));
    statusLabel->setWordWrap(true);
    QPalette red = statusLabel->palette();
    red.setBrush(QPalette::All, QPalette::WindowText, QBrush(Qt::red, Qt::SolidPattern));
    statusLabel->setPalette(red);
    grid->addWidget(statusLabel, 4, 0, 1, 3);

    progressBar = new ProgressBar();
    progressBar->setName(QStringLiteral("Searching Conjectures..."));
    progressBar->setWindowTitle(QStringLiteral("Searching Conjectures..."));

    const auto userCancel = [this] {
        if (!engines.isEmpty())
            note(tr("Search cancelled: the relations found so far are listed."));
        cancel();
    };
    connect(cancelButton, &QPushButton::clicked, this, userCancel);
    connect(settingsButton, &QPushButton::clicked, this, &ConjectureWidget::slot_settings);
    connect(searchButton, &QPushButton::clicked, this, &ConjectureWidget::slot_run);
    connect(progressBar, &ProgressBar::signal_cancel, this, userCancel);
    connect(display, &ConjecturesDisplay::signal_load_graph, this,
            &ConjectureWidget::slot_load_graph);
    connect(conjecturesButton, &QPushButton::clicked, this, &ConjectureWidget::slot_conjecture);
}

ConjectureWidget::~ConjectureWidget()
{
    for (const QMetaObject::Connection &c : qAsConst(connections))
        disconnect(c);
    for (ConjectureEngine *e : qAsConst(engines)) {
        e->cancel();
        e->wait();
        delete e;
    }
    qDeleteAll(conjectures);
    delete progressBar;
}

QString ConjectureWidget::getConjectures() const
{
    return display->getConjectures();
}

int ConjectureWidget::freeVariables(const QVector<int> &patterns)
{
    return int(patterns.count(0));
}

QVector<double> ConjectureWidget::job(const QVector<int> &patterns, int j)
{
    QVector<double> weights;
    weights.reserve(patterns.size());
    int bit = 0;
    for (int p : patterns) {
        if (p == 0)
            weights.append((j >> bit++) & 1 ? 1.0 : -1.0);
        else
            weights.append(p < 0 ? -1.0 : 1.0);
    }
    return weights;
}

ConjectureEngine *ConjectureWidget::createEngine(int id)
{
    return new ConjectureEngine(id);
}

void ConjectureWidget::setIdle()
{
    cancelButton->setEnabled(false);
    searchButton->setEnabled(true);
}

void ConjectureWidget::slot_run()
{
    // A search creates its engines from the first position: the last one must be over.
    if (!engines.isEmpty()) {
        note(tr("The previous search is still ending: search again when it has."));
        return;
    }
    notes.clear();
    leftOut = rowsRead = 0;
    discarded = false;
    showNotes();
    cancelButton->setEnabled(true);
    searchButton->setEnabled(false);
    qDeleteAll(conjectures);
    conjectures.clear();
    const int threads = qBound(1, threadsSpin->value(), kMaxThreads);

    header = analyst->getHeader();
    if (header.size() < 2) {
        Prompts::instance().message(this, Prompts::Level::Warning, kTitle,
                                    QStringLiteral("Not enough variables for conjectures. Be sure "
                                                   "to select variables from the White Board."));
        setIdle();
        return;
    }

    patterns = settings->getPatterns();
    if (patterns.size() != header.size()) {
        QByteArray text =
            QByteArray::number(patterns.size()) + ' ' + QByteArray::number(header.size()) + '\n';
        for (const QString &name : qAsConst(header))
            text += name.toUtf8() + '\n';
        writeDiagnostic(text + "ERROR in ConjectureSettings::getPatterns() call from "
                               "ConjectureWidget::slot_run()");
        patterns = QVector<int>(header.size(), 0);
    }

    const int free = freeVariables(patterns);
    if (free > kMaxFreeVariables) {
        Prompts::instance().message(
            this, Prompts::Level::Warning, kTitle,
            QStringLiteral("Too many conjecture jobs: %1 (%2 variables on \"Both\"). At most %3 "
                           "jobs: set some variables to \"Lower\" or \"Upper\" in the settings.")
                .arg(powerOfTwo(free))
                .arg(free)
                .arg(MAX_JOBS));
        setIdle();
        return;
    }
    nbJobs = 1 << free;

    const int nbEngines = qMin(nbJobs, threads);
    progressBar->set_nb_bars(nbEngines);
    progressBar->show();
    timerId = startTimer(kTimerMs);

    for (int k = 0; k < nbEngines; ++k) {
        ConjectureEngine *e = createEngine(k);
        engines.append(e);
        busy.append(false);
        const auto queued = Qt::QueuedConnection;
        connections << connect(e, &ConjectureEngine::signal_progress, progressBar,
                               &ProgressBar::slot_progress)
                    << connect(e, &ConjectureEngine::signal_conjecture, this,
                               &ConjectureWidget::slot_console, queued)
                    << connect(progressBar, &ProgressBar::signal_cancel, e,
                               &ConjectureEngine::cancel)
                    << connect(cancelButton, &QPushButton::clicked, e, &ConjectureEngine::cancel)
                    << connect(e, &ConjectureEngine::signal_complete, this,
                               &ConjectureWidget::slot_job_complete, queued)
                    << connect(e, &ConjectureEngine::signal_new_conjecture, this,
                               &ConjectureWidget::slot_add_conjecture, queued)
                    << connect(e, &ConjectureEngine::signal_not_enough_points, this,
                               &ConjectureWidget::cancel, queued)
                    << connect(this, &ConjectureWidget::signal_timer, e,
                               &ConjectureEngine::slot_timer);
    }

    cancelled = false;
    nextJob = 0;
    for (int k = 0; k < engines.size() && nextJob < nbJobs; ++k) {
        if (!busy[k] && !cancelled && !handOut(k))
            break;
    }
}

bool ConjectureWidget::handOut(int k)
{
    // The explorer may have rebuilt its table since the search began; its rows would then
    // no longer be points of the search's variables.
    if (analyst->getHeader() != header) {
        cancelled = true;
        for (ConjectureEngine *e : qAsConst(engines))
            e->cancel();
        const QString why = QStringLiteral("Conjecture search stopped: the table's columns "
                                           "changed during the search.");
        emit signal_console(why, false, 1, QColor(Qt::red));
        note(why);
        return false;
    }
    ConjectureEngine *e = engines[k];
    e->clear();
    e->setSq(sqCheck->isChecked());
    e->setProd(prodCheck->isChecked());
    e->setCombine(combineCheck->isChecked());
    e->setHeader(header);
    e->setWeights(job(patterns, nextJob));
    const int rows = analyst->nbRows();
    int incomplete = 0;
    for (int r = 0; r < rows; ++r) {
        const QVector<double> &x = analyst->getLine(r);
        if (!allFinite(x))
            ++incomplete;
        e->addPoint(x, analyst->graphNo(r));
    }
    if (incomplete != leftOut || rows != rowsRead) {
        leftOut = incomplete;
        rowsRead = rows;
        showNotes();
    }
    e->setLimit(engineLimit);
    e->setSeed(engineSeed < 0 ? -1 : engineSeed + k);
    emit signal_console(QStringLiteral("Conjecture job %1 of %2 on engine %3")
                            .arg(nextJob + 1)
                            .arg(nbJobs)
                            .arg(k),
                        true, 2, QColor(Qt::darkGray));
    busy[k] = true;
    ++nextJob;
    e->start();
    return true;
}

void ConjectureWidget::slot_job_complete()
{
    std::lock_guard<std::mutex> lock(mutex);
    // Compared as pointers only: a completion from no engine of this search is ignored.
    const QObject *from = sender();
    int done = 0;
    while (done < engines.size() && static_cast<QObject *>(engines[done]) != from)
        ++done;
    if (done == engines.size() || !busy[done])
        return;
    // The thread ends right after signal_complete(); a start given before that would be
    // lost. Reading the engine's flag after the wait orders its run before the next set-up.
    engines[done]->wait();
    busy[done] = engines[done]->isRunning();
    const ConjectureEngine *e = engines[done];
    if (e->hadTooFewPoints() && !discarded)
        note(tr("Not enough data points to find conjectures: %1 variables need at least %2 "
                "distinct rows without empty cells, and %3 were searched.")
                 .arg(e->searchedVariables())
                 .arg(2 * e->searchedVariables())
                 .arg(e->searchedPoints()));

    if (nextJob < nbJobs && !cancelled) {
        const int k = busy.indexOf(false);
        if (k >= 0 && handOut(k))
            return;
    }
    if (busy.contains(true))
        return;
    complete();
}

void ConjectureWidget::complete()
{
    if (discarded) {
        qDeleteAll(conjectures);
        conjectures.clear();
    } else if (conjectures.isEmpty() && notes.isEmpty()) {
        note(tr("No relation found."));
    }
    Conjecture::sortBestFirst(conjectures);
    display->clear();
    for (Conjecture *c : qAsConst(conjectures))
        display->addConjecture(c);
    display->rebuild();

    progressBar->hide();
    killTimer(timerId);
    timerId = 0;
    for (const QMetaObject::Connection &c : qAsConst(connections))
        disconnect(c);
    connections.clear();
    for (ConjectureEngine *e : qAsConst(engines)) {
        e->wait();
        delete e;
    }
    engines.clear();
    busy.clear();
    setIdle();
}

void ConjectureWidget::cancel()
{
    cancelled = true;
}

void ConjectureWidget::cancelAndWait()
{
    cancel();
    for (ConjectureEngine *e : qAsConst(engines))
        e->cancel();
    for (ConjectureEngine *e : qAsConst(engines))
        e->wait();
}

void ConjectureWidget::slot_add_conjecture(Conjecture *c)
{
    if (discarded)
        return;
    Conjecture *copy = new Conjecture(c);
    for (Conjecture *kept : qAsConst(conjectures)) {
        if (*kept == *copy) {
            delete copy;
            return;
        }
    }
    conjectures.append(copy);
}

void ConjectureWidget::slot_database_cleared()
{
    qDeleteAll(conjectures);
    conjectures.clear();
    if (engines.isEmpty()) {
        // What the notes say was of the table now gone.
        notes.clear();
        leftOut = rowsRead = 0;
        showNotes();
        return;
    }
    discarded = true;
    cancel();
    for (ConjectureEngine *e : qAsConst(engines))
        e->cancel();
    note(tr("Search stopped: the database was cleared, so nothing it found is listed."));
}

void ConjectureWidget::note(const QString &text)
{
    if (!notes.contains(text))
        notes << text;
    showNotes();
}

void ConjectureWidget::showNotes()
{
    QStringList lines;
    if (leftOut > 0)
        lines << tr("Left out of the search: %1 of %2 rows, with empty cells in the chosen "
                    "columns; the relations need not hold on them.")
                     .arg(leftOut)
                     .arg(rowsRead);
    statusLabel->setText((lines + notes).join(QLatin1Char('\n')));
}

void ConjectureWidget::slot_settings()
{
    settings->setVisible(settings->isHidden());
}

void ConjectureWidget::slot_conjecture()
{
    display->setVisible(display->isHidden());
}

void ConjectureWidget::slot_load_graph(int graphNo)
{
    analyst->load(graphNo);
}

void ConjectureWidget::slot_console(QString text)
{
    emit signal_console(text, false, 1, QColor(Qt::blue));
}

void ConjectureWidget::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == timerId)
        emit signal_timer();
}
