#pragma once

#include "Patience.h"
#include "conjectures/ConjectureEngine.h"
#include "conjectures/ConjectureScheduler.h"

#include <QDeadlineTimer>
#include <QPair>
#include <QThread>
#include <QVector>

#include <algorithm>
#include <mutex>

/// The runs of RecordingEngines as they begin, each with its engine's id and its job's
/// weights; engine threads add to it. Every hand-out of a scheduler starts one run, so these
/// are the scheduler's hand-outs, of which it tells nothing itself.
class RecordedRuns
{
public:
    void add(int engine, const QVector<double> &weights)
    {
        std::lock_guard<std::mutex> lock(mutex);
        runs.append(qMakePair(engine, weights));
    }
    int size() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return runs.size();
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(mutex);
        runs.clear();
    }
    /// Waits until n runs have begun, handling no event meanwhile, so that no other job is
    /// handed out; false when they have not within kPatienceMs.
    bool waitFor(int n) const
    {
        const QDeadlineTimer deadline(kPatienceMs);
        while (size() < n && !deadline.hasExpired())
            QThread::msleep(1);
        return size() >= n;
    }
    /// (job from 1, engine) of every run so far, the job being the one of the patterns whose
    /// weights the run was given (0 when none); by job, since runs started together may
    /// begin in either order, and as they began among equal jobs.
    QVector<QPair<int, int>> handOuts(const QVector<int> &patterns) const
    {
        std::lock_guard<std::mutex> lock(mutex);
        QVector<QPair<int, int>> out;
        for (const QPair<int, QVector<double>> &run : runs)
            out << qMakePair(jobOf(patterns, run.second), run.first);
        std::stable_sort(
            out.begin(), out.end(),
            [](const QPair<int, int> &a, const QPair<int, int> &b) { return a.first < b.first; });
        return out;
    }

private:
    static int jobOf(const QVector<int> &patterns, const QVector<double> &weights)
    {
        const int free = ConjectureScheduler::freeVariables(patterns);
        for (int j = 0; free <= ConjectureScheduler::MAX_FREE_VARIABLES && j < (1 << free); ++j)
            if (ConjectureScheduler::job(patterns, j) == weights)
                return j + 1;
        return 0;
    }

    // std::mutex rather than QMutex, whose contended lock the thread sanitizer cannot see
    // inside Qt.
    mutable std::mutex mutex;
    QVector<QPair<int, QVector<double>>> runs;
};

/// A real engine that adds each of its runs to a record as the run begins.
class RecordingEngine : public ConjectureEngine
{
public:
    /// The record is not owned and must outlive the engine.
    RecordingEngine(int id, RecordedRuns *record)
        : ConjectureEngine(id), engineId(id), record(record)
    {
    }
    void run() override
    {
        // The weights as the hand-out set them: the run below appends derived ones.
        record->add(engineId, getWeights());
        ConjectureEngine::run();
    }

private:
    int engineId;
    RecordedRuns *record;
};
