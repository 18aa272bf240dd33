#include "conjectures/ConjectureWidget.h"

#include "GraphFixtures.h"
#include "Patience.h"
#include "PresetPrompts.h"
#include "RecordedRuns.h"
#include "RelationText.h"
#include "ShownLines.h"
#include "StderrCapture.h"
#include "common/ProgressBar.h"
#include "conjectures/Conjecture.h"
#include "conjectures/ConjectureEngine.h"
#include "conjectures/ConjectureScheduler.h"
#include "conjectures/ConjectureSettings.h"
#include "conjectures/ConjecturesDisplay.h"
#include "conjectures/SimpleDisplay.h"
#include "explorer/Analyst.h"
#include "explorer/AnalystWidget.h"
#include "graph/Graph.h"
#include "common/writeWholeFile.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"
#include "problem/Problem.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <random>
#include <sys/resource.h>

namespace
{

struct Table {
    QStringList names;
    QVector<QVector<double>> rows;
    QVector<int> graphNos;
};

/// Columns x0, x1, ... of values drawn from [-5, 5]; two rows per graph.
Table randomTable(int columns, int rows, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> value(-5.0, 5.0);
    Table t;
    for (int k = 0; k < columns; ++k)
        t.names << QStringLiteral("x%1").arg(k);
    for (int i = 0; i < rows; ++i) {
        t.rows << QVector<double>(columns);
        for (double &v : t.rows.last())
            v = value(gen);
        t.graphNos << i / 2;
    }
    return t;
}

QAbstractButton *buttonOf(const QWidget &panel, const QString &text)
{
    for (QAbstractButton *b : panel.findChildren<QAbstractButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

/// The panel's own account of why a search did not start or ended early.
QString statusOf(const QWidget &panel)
{
    const QLabel *label = panel.findChild<QLabel *>("status");
    return label ? label->text() : QString();
}

/// An engine whose thread lingers after its completion signal, as any engine's may on a
/// loaded machine; records the runs that really took place.
class LingeringEngine : public RecordingEngine
{
public:
    LingeringEngine(int id, int lingerMs, RecordedRuns *runs)
        : RecordingEngine(id, runs), lingerMs(lingerMs)
    {
    }
    void run() override
    {
        // Nothing of the engine or the panel is touched once the run is over: the panel may
        // delete both as soon as the thread has ended.
        const ulong linger = ulong(lingerMs);
        RecordingEngine::run();
        QThread::msleep(linger);
    }

private:
    int lingerMs;
};

class LingeringPanel : public ConjectureWidget
{
public:
    using ConjectureWidget::ConjectureWidget;
    int lingerMs = 0;
    /// Engines made, by the GUI thread as a search starts.
    int made = 0;
    RecordedRuns runs;

protected:
    ConjectureEngine *createEngine(int id) override
    {
        ++made;
        return new LingeringEngine(id, lingerMs, &runs);
    }
};

/// One explorer's conjecture set around a real results table, as the shell builds it.
struct Panel {
    PresetPrompts prompts;
    Analyst analyst;
    ConjectureSettings settings;
    ConjecturesDisplay display;
    LingeringPanel widget{&analyst, &settings, &display};
    QSignalSpy console{&widget, &ConjectureWidget::signal_console};

    /// Each job runs `cycles` search cycles (none: to the time limit or a cancel); the time
    /// limit by default never ends one first.
    explicit Panel(int cycles = 5, qint64 limitMs = 2 * qint64(kPatienceMs))
    {
        widget.setEngineLimit(limitMs);
        widget.setEngineCycleLimit(cycles);
        widget.setEngineSeed(7);
    }
    void setTable(const Table &t, int threads = 4)
    {
        analyst.setTable(t.names, t.rows, t.graphNos);
        settings.setVariables(t.names);
        widget.findChild<QSpinBox *>()->setValue(threads);
    }
    QAbstractButton *button(const QString &text) { return buttonOf(widget, text); }
    /// Checks "Lower" (-1) or "Upper" (+1) where a pattern asks for it.
    void setPatterns(const QVector<int> &patterns)
    {
        QGridLayout *grid = settings.findChild<QGridLayout *>();
        for (QRadioButton *b : settings.findChildren<QRadioButton *>()) {
            int row, column, rs, cs;
            grid->getItemPosition(grid->indexOf(b), &row, &column, &rs, &cs);
            const int p = patterns.value(row + 21 * (column / 4));
            b->setChecked(b->isChecked() || (p < 0 && b->text() == "Lower") ||
                          (p > 0 && b->text() == "Upper"));
        }
    }
    ProgressBar *progress() const
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (ProgressBar *p = qobject_cast<ProgressBar *>(w))
                return p;
        return nullptr;
    }
    bool idle() { return button("Search")->isEnabled() && !button("Cancel")->isEnabled(); }
    QString status() const { return statusOf(widget); }
    bool waitIdle()
    {
        return QTest::qWaitFor([this] { return idle(); }, kPatienceMs);
    }

    /// (job of the patterns, engine) of every hand-out so far, by job: see RecordedRuns.
    QVector<QPair<int, int>> handOuts(const QVector<int> &patterns) const
    {
        return widget.runs.handOuts(patterns);
    }
    /// Texts of the non-debug console lines of level 1 in the colour.
    QStringList consoleTexts(const QColor &colour) const
    {
        QStringList out;
        for (const QList<QVariant> &args : console)
            if (!args[1].toBool() && args[2].toInt() == 1 && args[3].value<QColor>() == colour)
                out << args[0].toString();
        return out;
    }
};

/// A real graph-values explorer over a board of reported items, with its conjecture set wired
/// as the shell wires it.
struct Explored {
    PresetPrompts prompts;
    Graph mainGraph{"graph", true};
    Problem board{&mainGraph, "board", false};
    AnalystWidget explorer{"graphs", &board, &mainGraph, nullptr, false};
    ConjectureSettings settings;
    ConjecturesDisplay display;
    ConjectureWidget panel{explorer.analyst(), &settings, &display};
    QTemporaryDir dir;

    /// The items of the keywords in the report; those in `vectors` as vectors.
    Explored(const QStringList &keywords, const QStringList &vectors = {})
    {
        for (const QString &k : keywords + vectors) {
            Calculus *c = BuildCalculus().makeCalculus(k, false);
            board.addInvariantItemLoadMode(c);
            c->setInReport(true);
            c->setVecInReport(vectors.contains(k));
        }
        QObject::connect(&explorer, &AnalystWidget::signal_header_changed, &settings,
                         &ConjectureSettings::setVariables);
        QObject::connect(&explorer, &AnalystWidget::signal_database_cleared, &panel,
                         &ConjectureWidget::slot_database_cleared);
        QObject::connect(&explorer, &AnalystWidget::signal_database_cleared, &display,
                         &ConjecturesDisplay::clear);
        panel.setEngineLimit(2 * qint64(kPatienceMs));
        panel.setEngineCycleLimit(30);
        panel.setEngineSeed(11);
    }
    /// The graphs read into the explorer's table from a graph list file.
    bool load(const QStringList &graphs)
    {
        const QString name = dir.filePath("list.dmvx3");
        QSignalSpy ready(&explorer, &AnalystWidget::signal_table_ready);
        return writeWholeFile(name, (graphs.join('\n') + '\n').toLatin1()) &&
               explorer.loadGraphFile(name) && ready.wait(kPatienceMs);
    }
    QAbstractButton *button(const QString &text) { return buttonOf(panel, text); }
    bool search()
    {
        QTest::mouseClick(button("Search"), Qt::LeftButton);
        return QTest::qWaitFor([this] { return button("Search")->isEnabled(); }, kPatienceMs);
    }
    QString status() const { return statusOf(panel); }
    /// Small side minus large side of the relation on row r; +inf when it does not read.
    double excess(const QString &text, int r, double &largest)
    {
        Analyst *t = explorer.analyst();
        QHash<QString, double> values;
        for (int k = 0; k < t->getHeader().size(); ++k) {
            const double v = t->getLine(r)[k];
            values.insert(t->getHeader()[k], v);
            values.insert(t->getHeader()[k] + "^2", v * v);
        }
        bool ok = true;
        const double e = relationExcess(text, values, largest, ok);
        return ok ? e : qInf();
    }
    /// Rows of the table with no empty cell on which the relation fails.
    QVector<int> failingRows(const QString &text)
    {
        QVector<int> out;
        for (int r = 0; r < explorer.analyst()->nbRows(); ++r) {
            const QVector<double> &row = explorer.analyst()->getLine(r);
            double largest = 0.0;
            if (std::none_of(row.begin(), row.end(), [](double v) { return std::isnan(v); }) &&
                excess(text, r, largest) > 1e-5 * largest)
                out << r;
        }
        return out;
    }
};

/// Jobs 1 to n handed out once each (h in job order), the first ones to engines 0, 1, ... and
/// none to an engine beyond the count.
bool everyJobOnce(const QVector<QPair<int, int>> &h, int n, int engines)
{
    bool ok = h.size() == n;
    for (int i = 0; ok && i < n; ++i)
        ok = h[i].first == i + 1 && h[i].second < engines && (i >= engines || h[i].second == i);
    return ok;
}

long peakResidentKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

} // namespace

class tst_ConjectureWidget : public QObject
{
    Q_OBJECT
private slots:
    void panelAtRest()
    {
        Panel p;
        for (const char *c : {"x^2", "Products", "Combine prod."})
            QVERIFY(p.button(c) && !p.button(c)->isChecked());
        QSpinBox *spin = p.widget.findChild<QSpinBox *>();
        QVERIFY(spin->minimum() == 1 && spin->maximum() == 4 && spin->value() == 4);
        QVERIFY(p.idle() && p.progress()->isHidden());
        for (const bool shown : {true, false}) {
            QTest::mouseClick(p.button("Settings"), Qt::LeftButton);
            QTest::mouseClick(p.button("Conjectures"), Qt::LeftButton);
            QVERIFY(p.settings.isVisible() == shown && p.display.isVisible() == shown);
        }
        p.widget.slot_console("1 a <= 2 b [3 ; 0.5] <1>");
        QCOMPARE(p.consoleTexts(Qt::blue), QStringList{"1 a <= 2 b [3 ; 0.5] <1>"});
    }

    void enginesAndJobs_data()
    {
        QTest::addColumn<QVector<int>>("patterns");
        QTest::addColumn<int>("threads");
        QTest::addColumn<int>("engines");
        QTest::newRow("Both, Both on 4 threads") << QVector<int>{0, 0} << 4 << 4;
        QTest::newRow("Both, Both on 2 threads") << QVector<int>{0, 0} << 2 << 2;
        QTest::newRow("Lower, Both, Upper on 4 threads") << QVector<int>{-1, 0, 1} << 4 << 2;
        QTest::newRow("all fixed on 4 threads") << QVector<int>{1, -1, 1} << 4 << 1;
        QTest::newRow("three Both on 1 thread") << QVector<int>{0, 0, 0} << 1 << 1;
    }
    /// As many engines as jobs and threads allow, one bar each; the first jobs go to the new
    /// engines in order, the others to engines as they finish, every job once.
    void enginesAndJobs()
    {
        QFETCH(QVector<int>, patterns);
        QFETCH(int, threads);
        QFETCH(int, engines);
        Panel p;
        p.setTable(randomTable(patterns.size(), 30, 5), threads);
        p.setPatterns(patterns);
        QTest::mouseClick(p.button("Search"), Qt::LeftButton);
        QVERIFY(!p.idle() && p.progress()->isVisible() && p.progress()->nbBars() == engines);
        // No event is handled until the count: no job can have been followed by another.
        QVERIFY(p.widget.runs.waitFor(engines));
        QCOMPARE(p.widget.runs.size(), engines);
        QVERIFY(p.waitIdle());
        const int jobs = 1 << ConjectureScheduler::freeVariables(patterns);
        QVERIFY(everyJobOnce(p.handOuts(patterns), jobs, engines));
        QVERIFY(p.progress()->isHidden() && p.prompts.asked.isEmpty());
    }

    void tooFewColumns_data()
    {
        QTest::addColumn<int>("columns");
        QTest::newRow("one column") << 1;
        QTest::newRow("no column") << 0;
    }
    /// Refused with the warning; the panel stays idle and the list keeps its lines.
    void tooFewColumns()
    {
        QFETCH(int, columns);
        Panel p;
        Conjecture kept("1 a <= 2", {1.0}, 2.0, 1, 0.0, {0});
        p.display.addConjecture(&kept);
        p.display.rebuild();
        p.setTable(randomTable(columns, 10, 1));
        p.widget.slot_run();
        QCOMPARE(p.prompts.asked, QStringList{"message: Conjecture engine"});
        QCOMPARE(p.prompts.messages, QStringList{"Not enough variables for conjectures. Be sure to "
                                                 "select variables from the White Board."});
        QVERIFY(p.idle() && p.progress()->isHidden() && p.widget.made == 0);
        QCOMPARE(p.widget.getConjectures(), QStringLiteral("1 a <= 2\n"));
    }

    void tooManyJobs_data()
    {
        QTest::addColumn<int>("free");
        QTest::addColumn<int>("fixed");
        QTest::addColumn<QString>("count"); // empty when the search is accepted
        QTest::newRow("11 on Both") << 11 << 0 << "2048";
        QTest::newRow("20 on Both") << 20 << 0 << "1048576";
        QTest::newRow("30 on Both") << 30 << 0 << "1073741824";
        QTest::newRow("70 on Both") << 70 << 0 << "2^70";
        QTest::newRow("10 on Both, 5 fixed: accepted") << 10 << 5 << "";
    }
    /// More than 2^10 jobs: a warning naming the count, before anything starts or is built.
    void tooManyJobs()
    {
        QFETCH(int, free);
        QFETCH(int, fixed);
        QFETCH(QString, count);
        Panel p;
        p.setTable(randomTable(free + fixed, 0, 1)); // no rows: an accepted search ends at once
        p.setPatterns(QVector<int>(free, 0) << QVector<int>(fixed, 1));
        const long before = peakResidentKb();
        p.widget.slot_run();
        QVERIFY(peakResidentKb() - before < 50 * 1024); // 2^20 jobs would take over 100 MB
        if (count.isEmpty()) {
            QVERIFY(p.prompts.asked.isEmpty() && p.widget.runs.waitFor(4) &&
                    p.widget.runs.size() == 4);
            QVERIFY(p.waitIdle());
            return;
        }
        QCOMPARE(p.prompts.asked, QStringList{"message: Conjecture engine"});
        QVERIFY2(p.prompts.messages.first().contains(" " + count + " "),
                 qPrintable(p.prompts.messages.first()));
        QVERIFY(p.idle() && p.progress()->isHidden() && p.widget.made == 0);
    }

    /// No rows: each engine reports too few points, which stops the hand-outs, and the search
    /// completes with an empty list in place of the previous one.
    void emptyTable()
    {
        Panel p;
        Conjecture old("old", {1.0}, 2.0, 1, 0.0, {0});
        p.display.addConjecture(&old);
        p.display.rebuild();
        p.setTable(randomTable(3, 0, 1), 2);
        p.widget.slot_run();
        QVERIFY(p.waitIdle());
        QCOMPARE(p.widget.runs.size(), 2); // of 8 jobs
        const QString tooFew = QStringLiteral("Not enough data points to find conjectures. 3 0");
        QCOMPARE(p.consoleTexts(Qt::blue), QStringList() << tooFew << tooFew);
        QVERIFY(p.widget.getConjectures().isEmpty() && shownLines(p.display).isEmpty());
        // The panel itself says why nothing was found.
        QCOMPARE(p.status(),
                 QStringLiteral("Not enough data points to find conjectures: 3 variables need at "
                                "least 6 distinct rows without empty cells, and 0 were searched."));
    }

    void collectedRelations_data()
    {
        // Each record: touching, sumErr, first coefficient; its text shows the three.
        QTest::addColumn<QVector<QVector<double>>>("records");
        QTest::addColumn<QString>("listed");
        QTest::newRow("best first") << QVector<QVector<double>>{{3, 0.5, 1}, {5, 2.0, 2}, {3, 0.1, 3}}
                                    << "5 2 2\n3 0.1 3\n3 0.5 1\n";
        QTest::newRow("repeat from another engine dropped")
            << QVector<QVector<double>>{{3, 0.5, 1}, {3, 0.5 + 5e-7, 1 + 5e-7}, {3, 0.5, 2}}
            << "3 0.5 1\n3 0.5 2\n";
        QTest::newRow("sums within 1e-6 keep their order")
            << QVector<QVector<double>>{{4, 0.5 + 9e-7, 1}, {4, 0.5, 2}}
            << "4 0.5000009 1\n4 0.5 2\n";
        QTest::newRow("repeats at 1e25 with sums apart by rounding dropped")
            << QVector<QVector<double>>{{3, 1e25, 1},
                                        {3, 1e25 + 4e16, 1 + 5e-7},
                                        {3, 1e25 + 7e10, 1}}
            << "3 1e+25 1\n";
        QTest::newRow("repeat with infinite sums dropped")
            << QVector<QVector<double>>{{3, qInf(), 1}, {3, qInf(), 1 + 5e-7}, {3, 0.5, 2}}
            << "3 0.5 2\n3 inf 1\n";
        QTest::newRow("repeat with NaN sums dropped, listed last")
            << QVector<QVector<double>>{{3, qQNaN(), 1}, {3, qQNaN(), 1}, {3, 0.5, 2}}
            << "3 0.5 2\n3 nan 1\n";
        QTest::newRow("more boundary graphs first whatever the sums")
            << QVector<QVector<double>>{{1, 0.0, 1}, {2, 100.0, 2}} << "2 100 2\n1 0 1\n";
    }
    /// Records reported during a search are copied at once (the engine's may go), kept once
    /// and listed best first when the search completes.
    void collectedRelations()
    {
        QFETCH(QVector<QVector<double>>, records);
        QFETCH(QString, listed);
        Panel p;
        p.setTable(randomTable(2, 0, 1), 1);
        p.widget.slot_run();
        for (const QVector<double> &r : records) {
            auto c = std::make_unique<Conjecture>(
                QStringLiteral("%1 %2 %3").arg(r[0]).arg(r[1], 0, 'g', 8).arg(r[2]),
                QVector<double>{r[2], -1.0}, 0.0, int(r[0]), r[1], QVector<int>(int(r[0]), 0));
            p.widget.slot_add_conjecture(c.get());
        }
        QVERIFY(p.widget.getConjectures().isEmpty()); // not before the search completes
        QVERIFY(p.waitIdle());
        QCOMPARE(p.widget.getConjectures(), listed);
    }

    void backToBack_data()
    {
        QTest::addColumn<int>("threads");
        QTest::addColumn<int>("lingerMs");
        QTest::newRow("2 threads") << 2 << 0;
        QTest::newRow("4 threads") << 4 << 0;
        QTest::newRow("2 threads ending late") << 2 << 40;
        QTest::newRow("4 threads ending late") << 4 << 40;
    }
    /// Engines started together reach their limit on one tick and complete back to back; the
    /// next jobs go to different engines, each job runs once and the search completes, even
    /// when the threads end well after their completion signals. Three searches in a row.
    void backToBack()
    {
        QFETCH(int, threads);
        QFETCH(int, lingerMs);
        Panel p(0, 100);
        p.widget.lingerMs = lingerMs;
        p.setTable(randomTable(4, 24, 17), threads);
        p.setPatterns({0, 0, 0, 1});
        for (int round = 1; round <= 3; ++round) {
            p.widget.runs.clear();
            p.widget.slot_run();
            QVERIFY(p.waitIdle());
            QVERIFY(everyJobOnce(p.handOuts({0, 0, 0, 1}), 8, threads));
            QVERIFY(p.progress()->isHidden());
        }
    }

    void cancelDuringSearch_data()
    {
        QTest::addColumn<bool>("fromProgressWindow");
        QTest::newRow("panel's Cancel") << false;
        QTest::newRow("progress window's Cancel") << true;
    }
    /// No new job starts, the running engines stop early and the list shows what was found.
    void cancelDuringSearch()
    {
        QFETCH(bool, fromProgressWindow);
        Panel p(0);
        p.setTable(randomTable(2, 60, 23), 2);
        p.widget.slot_run();
        QVERIFY(QTest::qWaitFor([&] { return !p.consoleTexts(Qt::blue).isEmpty(); }, kPatienceMs));
        QTest::mouseClick(fromProgressWindow ? p.progress()->findChild<QAbstractButton *>()
                                             : p.button("Cancel"),
                          Qt::LeftButton);
        QVERIFY(p.waitIdle());
        QCOMPARE(p.widget.runs.size(), 2); // of 4 jobs
        QStringList found; // the relations' texts as the engines printed them
        for (const QString &t : p.consoleTexts(Qt::blue))
            found << t.left(t.indexOf(" ["));
        const QStringList listed = p.widget.getConjectures().split('\n', Qt::SkipEmptyParts);
        QVERIFY(!listed.isEmpty());
        for (const QString &t : listed)
            QVERIFY2(found.contains(t), qPrintable(t));
        QCOMPARE(p.status(), QStringLiteral("Search cancelled: the relations found so far are "
                                            "listed."));
    }

    void tableRebuiltDuringSearch_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("stops");
        QTest::newRow("a column more") << QStringList{"x0", "x1", "x2"} << true;
        QTest::newRow("a column less") << QStringList{"x0"} << true;
        QTest::newRow("other names") << QStringList{"x0", "y"} << true;
        QTest::newRow("same columns, other rows") << QStringList{"x0", "x1"} << false;
    }
    /// When the table no longer has the search's columns, no further job is handed out and
    /// the console says why; new rows under the same columns are searched.
    void tableRebuiltDuringSearch()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, stops);
        Panel p;
        p.setTable(randomTable(2, 30, 3), 1);
        p.widget.slot_run();
        Table other = randomTable(names.size(), 40, 4);
        p.analyst.setTable(names, other.rows, other.graphNos);
        QVERIFY(p.waitIdle());
        const QStringList red = p.consoleTexts(Qt::red);
        QCOMPARE(p.widget.runs.size(), stops ? 1 : 4);
        QCOMPARE(red.size(), int(stops));
        QVERIFY(!stops || red.first().contains("columns changed"));
        QCOMPARE(p.status().contains("columns changed"), stops);
    }

    /// Patterns out of step with the table: a diagnostic on standard error, then every
    /// variable on "Both" (rows enough for every job to run).
    void settingsOutOfStep()
    {
        Panel p;
        p.setTable(randomTable(2, 10, 1), 1);
        p.settings.setVariables({"only"});
        p.setPatterns({1});
        const QByteArray err = captureStderr([&] { p.widget.slot_run(); });
        QCOMPARE(err, QByteArray("1 2\nx0\nx1\nERROR in ConjectureSettings::getPatterns() call "
                                 "from ConjectureWidget::slot_run()\n"));
        QVERIFY(p.waitIdle());
        QVERIFY(everyJobOnce(p.handOuts({0, 0}), 4, 1));
    }

    void graphValues_data()
    {
        QTest::addColumn<bool>("squares");
        QTest::newRow("three columns") << false;
        QTest::newRow("three columns and their squares") << true;
    }
    void staleReason_data()
    {
        QTest::addColumn<bool>("refill");
        QTest::newRow("table refilled") << true;
        QTest::newRow("new search") << false;
    }
    /// The database cleared during a search: the panel says why it stopped until the table
    /// changes again or another search starts.
    void staleReason()
    {
        QFETCH(bool, refill);
        const QString why = "Search stopped: the database was cleared";
        qsrand(31);
        QStringList graphs;
        for (int i = 0; i < 40; ++i)
            graphs << toGraphString(randomBitGraph(5 + qrand() % 4));
        Explored x({"ORDER", "SIZE"});
        x.panel.setEngineCycleLimit(0); // runs until stopped
        QVERIFY(x.load(graphs));
        QTest::mouseClick(x.button("Search"), Qt::LeftButton);
        x.explorer.slot_clear_database();
        QVERIFY(QTest::qWaitFor([&] { return x.button("Search")->isEnabled(); }, kPatienceMs));
        QVERIFY2(x.status().startsWith(why), qPrintable(x.status()));
        QVERIFY(x.panel.getConjectures().isEmpty());
        if (refill) {
            QVERIFY(x.load(graphs));
            QCOMPARE(x.status(), QString());
        } else {
            x.panel.setEngineCycleLimit(30);
            QVERIFY(x.search());
            QVERIFY2(!x.status().contains(why), qPrintable(x.status()));
        }
    }

    /// 200 random graphs through a real explorer, with their order, size and triangle count:
    /// every relation listed holds on every row, the list is best first, and each line names
    /// the graph, by the number the table gives it, that a click loads.
    void graphValues()
    {
        QFETCH(bool, squares);
        qsrand(2024);
        QStringList graphs;
        for (int i = 0; i < 200; ++i)
            graphs << toGraphString(randomBitGraph(5 + qrand() % 8, 1 + qrand() % 3));
        Explored x({"ORDER", "SIZE", "TRIANGLES"});
        QVERIFY(x.load(graphs));
        QCOMPARE(x.explorer.analyst()->getHeader(), QStringList({"ORDER", "SIZE", "TRIANGLES"}));
        x.button("x^2")->setChecked(squares);
        QVERIFY(x.search());

        const QList<SimpleDisplay *> lines = shownLines(x.display);
        QVERIFY(!lines.isEmpty());
        QStringList texts;
        int lastTouching = INT_MAX;
        double lastSum = 0.0;
        for (SimpleDisplay *line : lines) {
            texts << line->getFormula();
            const QStringList score = line->findChildren<QLabel *>().last()->text().split('\t');
            const int touching = score[1].toInt();
            const double sum = score[0].toDouble();
            // Smaller sums first among equal counts, as far as six digits show.
            QVERIFY(touching > 0 && touching <= lastTouching);
            QVERIFY(touching < lastTouching ||
                    sum > lastSum - 1e-6 - 1e-5 * std::max(1.0, std::fabs(lastSum)));
            lastTouching = touching;
            lastSum = sum;
            QVERIFY2(x.failingRows(texts.last()).isEmpty(), qPrintable(texts.last()));
        }
        QCOMPARE(x.panel.getConjectures(), texts.join('\n') + '\n');
        QVERIFY(x.status().isEmpty());

        // The number shown is a boundary graph's, before and after each click, and the graph
        // a click loads is the one now shown: the relation is tight on its row.
        QLabel *number = lines.first()->findChild<QLabel *>();
        auto tightOnShown = [&] {
            const int g = number->text().toInt();
            double largest = 0.0;
            return g >= 1 && g <= graphs.size() &&
                   std::fabs(x.excess(texts.first(), g - 1, largest)) <= 1e-5 * largest;
        };
        QVERIFY(tightOnShown());
        for (int click = 0; click < 3; ++click) {
            QTest::mouseClick(lines.first()->findChild<QAbstractButton *>(), Qt::LeftButton);
            QVERIFY(tightOnShown());
            QCOMPARE(QString::number(x.explorer.currentGraph()), number->text());
            QCOMPARE(x.explorer.analyst()->highlightGraph(), x.explorer.currentGraph());
        }
    }

    /// Graphs of two orders with a vector column: the rows of the smaller order have empty
    /// cells. They are left out, the panel says how many, and every relation listed holds on
    /// every other row.
    void emptyCellsLeftOut()
    {
        qsrand(77);
        QStringList graphs;
        for (int i = 0; i < 30; ++i)
            graphs << toGraphString(randomBitGraph(4));
        graphs.insert(10, toGraphString(pathGraph(3)));
        Explored x({"ORDER"}, {"DEGREES"});
        QVERIFY(x.load(graphs));
        QCOMPARE(x.explorer.analyst()->getHeader().size(), 5);
        QVERIFY(std::isnan(x.explorer.analyst()->getLine(10)[4]));
        QVERIFY(x.search());
        QVERIFY2(x.status().startsWith("Left out of the search: 1 of 31 rows, with empty cells "
                                       "in the chosen columns"),
                 qPrintable(x.status()));
        QCOMPARE(x.panel.findChild<QLabel *>("status")->palette().color(QPalette::WindowText),
                 QColor(Qt::red));
        const QStringList listed = x.panel.getConjectures().split('\n', Qt::SkipEmptyParts);
        QVERIFY(!listed.isEmpty());
        for (const QString &text : listed)
            QVERIFY2(x.failingRows(text).isEmpty(), qPrintable(text));
    }
};

QTEST_MAIN(tst_ConjectureWidget)
#include "tst_ConjectureWidget.moc"
