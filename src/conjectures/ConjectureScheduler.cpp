#include "conjectures/ConjectureScheduler.h"

#include "conjectures/Conjecture.h"
#include "conjectures/ConjectureEngine.h"
#include "explorer/Analyst.h"

#include <cmath>

namespace
{

bool allFinite(const QVector<double> &x)
{
    for (double v : x)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

ConjectureScheduler::ConjectureScheduler(Analyst *analyst, QObject *parent)
    : QObject(parent), analyst(analyst),
      engineFactory([](int id) { return new ConjectureEngine(id); }),
      engineLimit(ConjectureEngine::DEFAULT_LIMIT)
{
}

ConjectureScheduler::~ConjectureScheduler()
{
    stopAndWait();
    qDeleteAll(engines);
    qDeleteAll(conjectures);
}

int ConjectureScheduler::freeVariables(const QVector<int> &patterns)
{
    return int(patterns.count(0));
}

QVector<double> ConjectureScheduler::job(const QVector<int> &patterns, int j)
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

void ConjectureScheduler::clearConjectures()
{
    qDeleteAll(conjectures);
    conjectures.clear();
}

int ConjectureScheduler::start(const QStringList &names, const QVector<int> &orientations,
                               int threads)
{
    clearConjectures();
    header = names;
    patterns = orientations;
    nbJobs = 1 << freeVariables(patterns);
    cancelled = discarded = false;
    leftOut = rowsRead = 0;
    nextJob = 0;

    const int nbEngines = qMin(nbJobs, qBound(1, threads, MAX_THREADS));
    for (int k = 0; k < nbEngines; ++k) {
        ConjectureEngine *e = engineFactory(k);
        engines.append(e);
        busy.append(false);
        // Deleting the engine at the end of the search undoes these.
        const auto queued = Qt::QueuedConnection;
        connect(e, &ConjectureEngine::signal_progress, this, &ConjectureScheduler::signal_progress);
        connect(e, &ConjectureEngine::signal_conjecture, this,
                &ConjectureScheduler::signal_conjecture, queued);
        connect(e, &ConjectureEngine::signal_complete, this,
                &ConjectureScheduler::slot_job_complete, queued);
        connect(e, &ConjectureEngine::signal_new_conjecture, this,
                &ConjectureScheduler::addConjecture, queued);
        // Every job searches the same points: none of the others would find enough either.
        connect(e, &ConjectureEngine::signal_not_enough_points, this, &ConjectureScheduler::cancel,
                queued);
    }
    for (int k = 0; k < engines.size() && nextJob < nbJobs && !cancelled; ++k)
        if (!handOut(k))
            break;
    return nbEngines;
}

bool ConjectureScheduler::handOut(int k)
{
    // The explorer may have rebuilt its table since the search began; its rows would then
    // no longer be points of the search's variables.
    if (analyst->getHeader() != header) {
        stop();
        const QString why = QStringLiteral("Conjecture search stopped: the table's columns "
                                           "changed during the search.");
        emit signal_console(why, false, 1, QColor(Qt::red));
        emit signal_note(why);
        return false;
    }
    ConjectureEngine *e = engines[k];
    e->clear();
    e->setSq(sq);
    e->setProd(prod);
    e->setCombine(combine);
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
        emit signal_rows_read(leftOut, rowsRead);
    }
    e->setLimit(engineLimit);
    e->setSeed(engineSeed < 0 ? -1 : engineSeed + nextJob);
    e->setCycleLimit(engineCycles);
    busy[k] = true;
    ++nextJob;
    e->start();
    return true;
}

void ConjectureScheduler::slot_job_complete()
{
    jobComplete(sender());
}

void ConjectureScheduler::jobComplete(const QObject *engine)
{
    // Compared as pointers only: the sender may be no engine at all.
    int done = 0;
    while (done < engines.size() && static_cast<const QObject *>(engines[done]) != engine)
        ++done;
    if (done == engines.size() || !busy[done])
        return;
    // The thread ends right after signal_complete(); a start given before that would be
    // lost. Reading the engine's flag after the wait orders its run before the next set-up.
    engines[done]->wait();
    busy[done] = engines[done]->isRunning();
    const ConjectureEngine *e = engines[done];
    if (e->hadTooFewPoints() && !discarded)
        emit signal_note(tr("Not enough data points to find conjectures: %1 variables need at "
                            "least %2 distinct rows without empty cells, and %3 were searched.")
                             .arg(e->searchedVariables())
                             .arg(2 * e->searchedVariables())
                             .arg(e->searchedPoints()));

    if (nextJob < nbJobs && !cancelled) {
        const int k = busy.indexOf(false);
        if (k >= 0 && handOut(k))
            return;
    }
    if (!busy.contains(true))
        finish();
}

void ConjectureScheduler::finish()
{
    if (discarded)
        clearConjectures();
    Conjecture::sortBestFirst(conjectures);
    for (ConjectureEngine *e : qAsConst(engines)) {
        e->wait();
        delete e;
    }
    engines.clear();
    busy.clear();
    emit signal_finished();
}

void ConjectureScheduler::addConjecture(Conjecture *c)
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

void ConjectureScheduler::cancel()
{
    cancelled = true;
}

void ConjectureScheduler::stop()
{
    cancel();
    for (ConjectureEngine *e : qAsConst(engines))
        e->cancel();
}

void ConjectureScheduler::discard()
{
    discarded = true;
    clearConjectures();
    stop();
}

void ConjectureScheduler::stopAndWait()
{
    stop();
    for (ConjectureEngine *e : qAsConst(engines))
        e->wait();
}

void ConjectureScheduler::slot_timer()
{
    for (ConjectureEngine *e : qAsConst(engines))
        e->slot_timer();
}
