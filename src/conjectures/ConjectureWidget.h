#pragma once

#include <QColor>
#include <QList>
#include <QMetaObject>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <mutex>

class Analyst;
class Conjecture;
class ConjectureEngine;
class ConjectureSettings;
class ConjecturesDisplay;
class ProgressBar;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

/// The conjecture panel of one explorer: turns the orientation patterns of its settings into
/// conjecture jobs (a weight -1 or +1 per column), runs them on up to four engine threads over
/// every row of the explorer's table, keeps the distinct relations found and, when the last
/// job has ended, lists them best first in the relations list. Lives on the GUI thread.
class ConjectureWidget : public QWidget
{
    Q_OBJECT
public:
    /// Searches of more jobs than this are refused (10 variables on "Both").
    static constexpr int MAX_JOBS = 1 << 10;

    /// None of the three is owned; all must outlive the panel.
    ConjectureWidget(Analyst *analyst, ConjectureSettings *settings, ConjecturesDisplay *display);
    ~ConjectureWidget() override;

    /// The relations list's texts, one per line, for the documentation report.
    QString getConjectures() const;
    /// Cancels the search and blocks until every engine thread has ended; the search then
    /// completes, with what was found, when the engines' completions are handled.
    void cancelAndWait();

    /// Number of variables on "Both" (pattern 0): the search has 2^k jobs.
    static int freeVariables(const QVector<int> &patterns);
    /// Job j of the patterns: -1 or +1 for "Lower" or "Upper"; for the b-th "Both" variable
    /// (from 0), -1 when bit b of j is 0 and +1 when it is 1. Built when handed out, so that
    /// a refused search never holds its jobs.
    static QVector<double> job(const QVector<int> &patterns, int j);

    /// Time limit of every job, in milliseconds (the engine's own default unless set).
    void setEngineLimit(qint64 ms) { engineLimit = ms; }
    /// Seeds engine k with seed + k; a negative seed (the default) seeds from the clock.
    void setEngineSeed(int seed) { engineSeed = seed; }

signals:
    void signal_console(QString text, bool debug, int level, QColor colour);
    void signal_timer();

public slots:
    void slot_run();
    void slot_job_complete();
    void cancel();
    void slot_add_conjecture(Conjecture *c);
    void slot_settings();
    void slot_load_graph(int graphNo);
    void slot_console(QString text);
    void slot_conjecture();
    /// The explorer's table was emptied: a search under way stops and lists nothing, since
    /// its relations name graphs that are gone.
    void slot_database_cleared();

protected:
    void timerEvent(QTimerEvent *event) override;
    /// Makes engine `id` of a search; the panel owns it until the search ends.
    virtual ConjectureEngine *createEngine(int id);

private:
    void setIdle();
    /// Hands job nextJob to engine k and starts it; false, ending the hand-outs, when the
    /// table no longer has the search's columns.
    bool handOut(int k);
    void complete();
    /// Shows, in red under the buttons, why the search did not start or ended early.
    void note(const QString &text);
    void showNotes();

    ConjectureSettings *settings;
    QVector<ConjectureEngine *> engines;
    QVector<Conjecture *> conjectures;
    ProgressBar *progressBar;
    Analyst *analyst;
    bool cancelled = false;
    /// The search's patterns and job count stand for its jobs (see job()).
    QVector<int> patterns;
    int nbJobs = 0;
    int nextJob = 0;
    QPushButton *searchButton;
    QPushButton *settingsButton;
    QPushButton *conjecturesButton;
    QPushButton *cancelButton;
    QCheckBox *sqCheck;
    QCheckBox *prodCheck;
    QCheckBox *combineCheck;
    QSpinBox *threadsSpin;
    std::mutex mutex;
    QStringList header;
    ConjecturesDisplay *display;
    int timerId = 0;
    QLabel *statusLabel;
    QStringList notes;
    /// Rows of the last hand-out with a cell that is empty (or not finite) in the search's
    /// columns; the engine leaves them out, so the relations need not hold on them.
    int leftOut = 0;
    int rowsRead = 0;
    /// The table was cleared during the search: nothing it found is kept.
    bool discarded = false;

    /// Per engine: started by the panel and its completion not yet handled. An engine is
    /// given a new job, and the search ends, only once its completion has been handled:
    /// then its relations have all arrived and its thread has ended.
    QVector<bool> busy;
    QList<QMetaObject::Connection> connections;
    qint64 engineLimit;
    int engineSeed = -1;
};
