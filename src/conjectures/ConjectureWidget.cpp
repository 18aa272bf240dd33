#include "conjectures/ConjectureWidget.h"

#include "common/ProgressBar.h"
#include "common/Prompts.h"
#include "common/writeDiagnostic.h"
#include "conjectures/ConjectureEngine.h"
#include "conjectures/ConjectureScheduler.h"
#include "conjectures/ConjectureSettings.h"
#include "conjectures/ConjecturesDisplay.h"
#include "explorer/Analyst.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimerEvent>

namespace
{

const int kTimerMs = 100;
const QString kTitle = QStringLiteral("Conjecture engine");

// 2^k written out, for the refusal of a search that is too large to run.
QString powerOfTwo(int k)
{
    return k < 63 ? QString::number(qint64(1) << k) : QStringLiteral("2^%1").arg(k);
}

} // namespace

ConjectureWidget::ConjectureWidget(Analyst *analyst, ConjectureSettings *settings,
                                   ConjecturesDisplay *display)
    : QWidget(nullptr), settings(settings), scheduler(new ConjectureScheduler(analyst, this)),
      analyst(analyst), display(display)
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
    threadsSpin->setRange(1, ConjectureScheduler::MAX_THREADS);
    threadsSpin->setValue(ConjectureScheduler::MAX_THREADS);
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
        if (scheduler->isActive())
            note(tr("Search cancelled: the relations found so far are listed."));
        scheduler->stop();
    };
    connect(cancelButton, &QPushButton::clicked, this, userCancel);
    connect(settingsButton, &QPushButton::clicked, this, &ConjectureWidget::slot_settings);
    connect(searchButton, &QPushButton::clicked, this, &ConjectureWidget::slot_run);
    connect(progressBar, &ProgressBar::signal_cancel, this, userCancel);
    connect(display, &ConjecturesDisplay::signal_load_graph, this,
            &ConjectureWidget::slot_load_graph);
    connect(conjecturesButton, &QPushButton::clicked, this, &ConjectureWidget::slot_conjecture);

    // The check boxes are read at each hand-out, so later jobs see changes made meanwhile.
    connect(sqCheck, &QCheckBox::toggled, scheduler, &ConjectureScheduler::setSq);
    connect(prodCheck, &QCheckBox::toggled, scheduler, &ConjectureScheduler::setProd);
    connect(combineCheck, &QCheckBox::toggled, scheduler, &ConjectureScheduler::setCombine);
    scheduler->setEngineFactory([this](int id) { return createEngine(id); });
    connect(this, &ConjectureWidget::signal_timer, scheduler, &ConjectureScheduler::slot_timer);
    connect(scheduler, &ConjectureScheduler::signal_progress, progressBar,
            &ProgressBar::slot_progress);
    connect(scheduler, &ConjectureScheduler::signal_conjecture, this,
            &ConjectureWidget::slot_console);
    connect(scheduler, &ConjectureScheduler::signal_console, this,
            &ConjectureWidget::signal_console);
    connect(scheduler, &ConjectureScheduler::signal_note, this, &ConjectureWidget::note);
    connect(scheduler, &ConjectureScheduler::signal_rows_read, this, [this](int out, int rows) {
        leftOut = out;
        rowsRead = rows;
        showNotes();
    });
    connect(scheduler, &ConjectureScheduler::signal_finished, this, &ConjectureWidget::finished);
    // What the panel says of a finished search is of the table it searched.
    connect(analyst, &Analyst::modelReset, this, [this] {
        if (!scheduler->isActive())
            clearNotes();
    });
}

ConjectureWidget::~ConjectureWidget()
{
    delete progressBar;
}

QString ConjectureWidget::getConjectures() const
{
    return display->getConjectures();
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
    if (scheduler->isActive()) {
        note(tr("The previous search is still ending: search again when it has."));
        return;
    }
    clearNotes();
    cancelButton->setEnabled(true);
    searchButton->setEnabled(false);
    scheduler->clearConjectures();
    const int threads = threadsSpin->value();

    const QStringList header = analyst->getHeader();
    if (header.size() < 2) {
        Prompts::instance().message(this, Prompts::Level::Warning, kTitle,
                                    QStringLiteral("Not enough variables for conjectures. Be sure "
                                                   "to select variables from the White Board."));
        setIdle();
        return;
    }

    QVector<int> patterns = settings->getPatterns();
    if (patterns.size() != header.size()) {
        QByteArray text =
            QByteArray::number(patterns.size()) + ' ' + QByteArray::number(header.size()) + '\n';
        for (const QString &name : qAsConst(header))
            text += name.toUtf8() + '\n';
        writeDiagnostic(text + "ERROR in ConjectureSettings::getPatterns() call from "
                               "ConjectureWidget::slot_run()");
        patterns = QVector<int>(header.size(), 0);
    }

    const int free = ConjectureScheduler::freeVariables(patterns);
    if (free > ConjectureScheduler::MAX_FREE_VARIABLES) {
        Prompts::instance().message(
            this, Prompts::Level::Warning, kTitle,
            QStringLiteral("Too many conjecture jobs: %1 (%2 variables on \"Both\"). At most %3 "
                           "jobs: set some variables to \"Lower\" or \"Upper\" in the settings.")
                .arg(powerOfTwo(free))
                .arg(free)
                .arg(ConjectureScheduler::MAX_JOBS));
        setIdle();
        return;
    }

    progressBar->set_nb_bars(scheduler->start(header, patterns, threads));
    progressBar->show();
    timerId = startTimer(kTimerMs);
}

void ConjectureWidget::slot_job_complete()
{
    scheduler->jobComplete(sender());
}

void ConjectureWidget::finished()
{
    const QVector<Conjecture *> &conjectures = scheduler->getConjectures();
    if (conjectures.isEmpty() && notes.isEmpty())
        note(tr("No relation found."));
    display->clear();
    for (Conjecture *c : conjectures)
        display->addConjecture(c);
    display->rebuild();
    progressBar->hide();
    killTimer(timerId);
    timerId = 0;
    setIdle();
}

void ConjectureWidget::cancel()
{
    scheduler->cancel();
}

void ConjectureWidget::cancelAndWait()
{
    scheduler->stopAndWait();
}

void ConjectureWidget::slot_add_conjecture(Conjecture *c)
{
    scheduler->addConjecture(c);
}

void ConjectureWidget::slot_database_cleared()
{
    if (!scheduler->isActive()) {
        scheduler->clearConjectures();
        // What the notes say was of the table now gone.
        clearNotes();
        return;
    }
    scheduler->discard();
    note(tr("Search stopped: the database was cleared, so nothing it found is listed."));
}

void ConjectureWidget::note(const QString &text)
{
    if (!notes.contains(text))
        notes << text;
    showNotes();
}

void ConjectureWidget::clearNotes()
{
    notes.clear();
    leftOut = rowsRead = 0;
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
