#pragma once

#include "conjectures/ConjectureScheduler.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

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

/// The conjecture panel of one explorer: its buttons start and cancel a search of the
/// relations among the table's columns, which its scheduler runs on up to four engine
/// threads; it shows the search's progress and why it ended early, and when it has ended
/// lists the relations found best first in the relations list. Lives on the GUI thread.
class ConjectureWidget : public QWidget
{
    Q_OBJECT
public:
    /// None of the three is owned; all must outlive the panel.
    ConjectureWidget(Analyst *analyst, ConjectureSettings *settings, ConjecturesDisplay *display);
    ~ConjectureWidget() override;

    /// The relations list's texts, one per line, for the documentation report.
    QString getConjectures() const;
    /// Cancels the search and blocks until every engine thread has ended; the search then
    /// completes, with what was found, when the engines' completions are handled.
    void cancelAndWait();

    /// Time limit of every job, in milliseconds (the engine's own default unless set).
    void setEngineLimit(qint64 ms) { scheduler->setEngineLimit(ms); }
    /// Seeds job j with seed + j; a negative seed (the default) seeds from the clock.
    void setEngineSeed(int seed) { scheduler->setEngineSeed(seed); }
    /// Search cycles after which every job ends; 0 (the default): none.
    void setEngineCycleLimit(int cycles) { scheduler->setEngineCycleLimit(cycles); }

signals:
    void signal_console(QString text, bool debug, int level, QColor colour);
    void signal_timer();

public slots:
    void slot_run();
    /// An engine's completion, when an engine's signal_complete() is connected here.
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
    /// Makes engine `id` of a search; the panel's scheduler owns it until the search ends.
    virtual ConjectureEngine *createEngine(int id);

private:
    void setIdle();
    /// The search has ended: its relations go to the relations list.
    void finished();
    /// Shows, in red under the buttons, why the search did not start or ended early.
    void note(const QString &text);
    void clearNotes();
    void showNotes();

    ConjectureSettings *settings;
    ConjectureScheduler *scheduler;
    ProgressBar *progressBar;
    Analyst *analyst;
    QPushButton *searchButton;
    QPushButton *settingsButton;
    QPushButton *conjecturesButton;
    QPushButton *cancelButton;
    QCheckBox *sqCheck;
    QCheckBox *prodCheck;
    QCheckBox *combineCheck;
    QSpinBox *threadsSpin;
    ConjecturesDisplay *display;
    int timerId = 0;
    QLabel *statusLabel;
    QStringList notes;
    /// As the scheduler last told: rows of the search's table left out for empty cells, of
    /// all its rows.
    int leftOut = 0;
    int rowsRead = 0;
};
