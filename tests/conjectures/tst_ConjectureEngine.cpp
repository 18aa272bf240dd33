#include "conjectures/ConjectureEngine.h"

#include "CommonTest.h"
#include "Patience.h"
#include "RelationText.h"

#include <QtTest>
#include <cmath>
#include <memory>
#include <random>
#include <set>

namespace
{

/// Receives an engine's signals in the test's thread, as the search panel does.
class Collector : public QObject
{
    Q_OBJECT
public:
    explicit Collector(ConjectureEngine *e)
    {
        using E = ConjectureEngine;
        on(e, &E::signal_conjecture, [this](QString t) { texts << t; });
        on(e, &E::signal_new_conjecture, [this](Conjecture *c) { records.emplace_back(c); });
        on(e, &E::signal_not_enough_points, [this] { ++notEnough; });
        on(e, &E::signal_progress, [this](int i, qint64 t, qint64 l) {
            progress << QVector<qint64>{i, t, l};
        });
        on(e, &E::signal_complete, [this] {
            if (completes++ == 0)
                recordsAtComplete = int(records.size());
        });
    }
    template <class S, class F> void on(ConjectureEngine *e, S signal, F f)
    {
        connect(e, signal, this, f, Qt::QueuedConnection);
    }
    std::vector<Conjecture> records;
    QStringList texts;
    QVector<QVector<qint64>> progress; // id, elapsed, limit
    int completes = 0, notEnough = 0, recordsAtComplete = -1;

    /// Waits for the completion and the thread's end, then for late signals; false on timeout.
    bool finish(ConjectureEngine &e)
    {
        const bool done = QTest::qWaitFor([&] { return completes > 0; }, kPatienceMs);
        if (!done)
            e.cancel(); // so that a failure ends
        e.wait();
        QTest::qWait(20);
        return done;
    }
};

struct Cloud {
    QStringList names;
    QVector<QVector<double>> rows;
    QVector<int> graphNos;
};

/// Column k drawn from [-5, 5] (or 0..4 when integer) times spread^k; two rows a graph.
Cloud randomCloud(int nvars, int npoints, bool integer, unsigned seed, double spread = 1.0)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> real(-5.0, 5.0);
    std::uniform_int_distribution<int> small(0, 4);
    Cloud c;
    for (int k = 0; k < nvars; ++k)
        c.names << QStringLiteral("x%1").arg(k);
    for (int i = 0; i < npoints; ++i) {
        QVector<double> row;
        for (int k = 0; k < nvars; ++k)
            row << (integer ? double(small(gen)) : real(gen)) * std::pow(spread, k);
        c.rows << row;
        c.graphNos << i / 2;
    }
    return c;
}

void setUp(ConjectureEngine &e, const Cloud &cloud, const QVector<double> &weights, bool sq = false,
           bool prod = false, bool combine = false)
{
    e.clear();
    e.setSq(sq);
    e.setProd(prod);
    e.setCombine(combine);
    e.setHeader(cloud.names);
    e.setWeights(weights);
    for (int i = 0; i < cloud.rows.size(); ++i)
        e.addPoint(cloud.rows[i], cloud.graphNos[i]);
}

/// Runs `cycles` search cycles: what it finds depends on the seed and the set-up alone.
bool runCycles(ConjectureEngine &e, Collector &c, int cycles)
{
    e.setCycleLimit(cycles);
    e.start();
    return c.finish(e);
}

/// Runs with the time limit driven by a timer, as the panel does; no cancel.
bool runToLimit(ConjectureEngine &e, Collector &c, qint64 limitMs)
{
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &e, &ConjectureEngine::slot_timer);
    e.setLimit(limitMs);
    timer.start(20);
    e.start();
    return c.finish(e);
}

/// Derived columns in the engine's order: base, squares, then pairwise products over the
/// base (or over base and squares with combine).
void derive(QStringList &names, QVector<double> &row, bool sq, bool prod, bool combine)
{
    const int d0 = names.size();
    for (int k = 0; sq && k < d0; ++k) {
        names << names[k] + "^2";
        row << row[k] * row[k];
    }
    const int dp = combine ? names.size() : d0;
    for (int a = 1; prod && a < dp; ++a)
        for (int b = 0; b < a; ++b) {
            names << "[" + names[b] + "*" + names[a] + "]";
            row << row[a] * row[b];
        }
}

} // namespace

class tst_ConjectureEngine : public QObject
{
    Q_OBJECT
private slots:
    void relationText_data()
    {
        QTest::addColumn<QVector<double>>("coefs");
        QTest::addColumn<double>("offset");
        QTest::addColumn<QVector<double>>("magnitude");
        QTest::addColumn<QString>("text");
        const QVector<double> ones{1, 1, 1};
        QTest::newRow("worked: small third coefficient")
            << QVector<double>{0.5, -1, 1e-7} << 1.5 << ones << "1 p <= 2 q+3";
        QTest::newRow("worked: no positive coefficient")
            << QVector<double>{-0.5, -1} << -1.5 << ones << "1 p+2 q >= 3";
        QTest::newRow("worked: negative offset on the left")
            << QVector<double>{0.5, -0.5} << -1.0 << ones << "1 p+2 <= 1 q";
        QTest::newRow("worked: empty right side")
            << QVector<double>{0.5, 0.5} << 0.0 << ones << "1 p+1 q <= 0";
        QTest::newRow("0.001 does not set the scale")
            << QVector<double>{0.001, -0.5} << 0.0 << ones << "0.002 p <= 1 q";
        QTest::newRow("all below 0.001: scale 1000")
            << QVector<double>{0.0005} << -0.0002 << ones << "5e-07 p+2e-07 <= 0";
        QTest::newRow("large scale writes exponents")
            << QVector<double>{-0.002, 1} << 2000.0 << ones << "500 q <= 1 p+1e+06";
        QTest::newRow("small coefficient on large values kept")
            << QVector<double>{0.5, -1, 1e-7} << 1.5 << QVector<double>{1, 1, 100}
            << "1 p+2e-07 r <= 2 q+3";
        QTest::newRow("moderate coefficient on tiny values dropped")
            << QVector<double>{0.5, -1, 0.01} << 1.5 << QVector<double>{1, 1, 1e-5}
            << "50 p <= 100 q+150";
        QTest::newRow("offset within 1e-6 dropped")
            << QVector<double>{-0.5, 0.25} << 5e-7 << ones << "1 q <= 2 p";
        QTest::newRow("empty left side reads 0")
            << QVector<double>{-0.5, -0.25} << 1e-7 << ones << "2 p+1 q >= 0";
    }
    void relationText()
    {
        QFETCH(QVector<double>, coefs);
        QFETCH(double, offset);
        QFETCH(QVector<double>, magnitude);
        QFETCH(QString, text);
        QCOMPARE(ConjectureEngine::relationText(coefs, offset, {"p", "q", "r"}, magnitude), text);
        QCOMPARE(ConjectureEngine::consoleText(text, 12, 1234567.0, 2),
                 text + QStringLiteral(" [12 ; 1.23457e+06] <2>"));
    }

    /// Repeats within 1e-6, short rows and non-finite points are left out, the last counted.
    void addPointFiltersRows()
    {
        ConjectureEngine e(0);
        // Registered by the engine itself, for connections made by name.
        QVERIFY(QMetaType::type("Conjecture*") != QMetaType::UnknownType);
        e.clear();
        e.setHeader({"a", "b"});
        e.addPoint({1.0, 2.0}, 7);
        e.addPoint({1.0 + 1e-6, 2.0 - 1e-6}, 8);
        e.addPoint({1.0, 2.0 + 3e-6}, 8);
        e.addPoint({1.0}, 9);
        for (const double bad : {qQNaN(), qInf(), -qInf()})
            e.addPoint({bad, 0.0}, 9);
        e.addPoint({5.0, 6.0}, 7);
        QVERIFY(e.getGraphNos() == QVector<int>({7, 8, 7}) && e.nbRefused() == 3);
        e.setHeader({"a"}); // a new table
        QVERIFY(e.nbPoints() == 0 && e.nbRefused() == 0);
    }

    void tooFewPoints_data()
    {
        QTest::addColumn<int>("nvars");
        QTest::addColumn<int>("npoints");
        QTest::addColumn<bool>("combine");
        QTest::addColumn<QString>("message"); // empty when the search goes ahead
        const QString text = QStringLiteral("Not enough data points to find conjectures. ");
        QTest::newRow("21 columns with products over squares") << 3 << 41 << true << text + "21 41";
        QTest::newRow("9 columns with squares and products") << 3 << 17 << false << text + "9 17";
        QTest::newRow("2 columns, 4 points: enough") << 2 << 4 << false << QString();
    }
    /// Fewer than twice as many points as columns (derived ones included): one message. What
    /// the engine's thread does at the completion, unlocked, is seen once its flag is read
    /// after the wait (under the thread sanitizer: that read orders it).
    void tooFewPoints()
    {
        QFETCH(int, nvars);
        QFETCH(int, npoints);
        QFETCH(bool, combine);
        QFETCH(QString, message);
        const bool derived = nvars > 2;
        ConjectureEngine e(3);
        e.setSeed(5);
        Collector c(&e);
        int completedOnItsThread = 0;
        QObject::connect(
            &e, &ConjectureEngine::signal_complete, &c, [&] { ++completedOnItsThread; },
            Qt::DirectConnection);
        setUp(e, randomCloud(nvars, npoints, false, 77), {1.0, 1.0, 1.0}, derived, derived,
              combine);
        e.start();
        if (message.isEmpty()) {
            QVERIFY(QTest::qWaitFor([&] { return !c.progress.isEmpty(); }, kPatienceMs));
            e.cancel();
        }
        QVERIFY(c.finish(e));
        QVERIFY(!e.isRunning() && completedOnItsThread == 1);
        QVERIFY(c.completes == 1 && c.notEnough == int(!message.isEmpty()));
        QVERIFY(message.isEmpty() || c.texts == QStringList{message});
    }

    void soundness_data()
    {
        QTest::addColumn<int>("nvars");
        QTest::addColumn<int>("npoints");
        QTest::addColumn<bool>("integer");
        QTest::addColumn<int>("derived"); // 1 squares, 2 products, 4 products over squares too
        QTest::addColumn<double>("spread");
        QTest::newRow("1 var integer") << 1 << 12 << true << 0 << 1.0;
        QTest::newRow("2 vars") << 2 << 20 << false << 0 << 1.0;
        QTest::newRow("5 vars, 200 points") << 5 << 200 << false << 0 << 1.0;
        QTest::newRow("4 vars integer") << 4 << 120 << true << 0 << 1.0;
        QTest::newRow("3 vars with products") << 3 << 50 << false << 2 << 1.0;
        QTest::newRow("3 vars integer, all derived") << 3 << 100 << true << 3 << 1.0;
        // Columns of very different sizes: tiny coefficients on large values matter.
        QTest::newRow("3 vars integer, spread 10, squares") << 3 << 80 << true << 1 << 10.0;
        QTest::newRow("2 vars integer, spread 20, combined") << 2 << 60 << true << 7 << 20.0;
    }
    /// Every relation holds on every point as a record (within the engine's tolerance) and as
    /// its text read back (within 1e-5 of its largest term); its support is its boundary.
    void soundness()
    {
        QFETCH(int, nvars);
        QFETCH(int, npoints);
        QFETCH(bool, integer);
        QFETCH(int, derived);
        QFETCH(double, spread);
        const bool sq = derived & 1, prod = derived & 2, combine = derived & 4;
        const unsigned seed = unsigned(QTest::currentDataTag()[0]) + unsigned(npoints);
        Cloud cloud = randomCloud(nvars, npoints, integer, seed, spread);
        // A point whose square overflows is held, then left out of the search; NaN is refused.
        if (sq) {
            cloud.rows << QVector<double>(nvars, 1e200) << QVector<double>(nvars, qQNaN());
            cloud.graphNos << 999 << 998;
        }
        std::mt19937 gen(seed);
        QVector<double> weights;
        for (int k = 0; k < nvars; ++k)
            weights << (gen() % 2 ? 1.0 : -1.0);
        ConjectureEngine e(1);
        e.setSeed(int(seed));
        Collector c(&e);
        setUp(e, cloud, weights, sq, prod, combine);
        QCOMPARE(e.nbRefused(), sq ? 1 : 0);
        QVERIFY(runCycles(e, c, 100));
        QVERIFY(e.nbRefused() == (sq ? 2 : 0) && c.completes == 1 && !c.records.empty());
        // Every record reached the receiver before the completion, each after its console line.
        QVERIFY(c.recordsAtComplete == e.getConjectures().size() &&
                c.texts.size() == int(c.records.size()));
        for (int i = 0; i < c.texts.size(); ++i)
            QVERIFY(c.texts[i] == ConjectureEngine::consoleText(c.records[size_t(i)].getFormula(),
                                                                c.records[size_t(i)].getTouching(),
                                                                c.records[size_t(i)].getSumErr(),
                                                                1));
        const QVector<Conjecture *> own = e.getConjectures();
        for (int k = 0; k + 1 < own.size(); ++k)
            QVERIFY(!(*own[k] < *own[k + 1])); // best first

        // The points as the engine holds them: deduplicated, derived, finite.
        QStringList names;
        QVector<QVector<double>> full;
        QVector<int> graphOf;
        for (int i = 0; i < cloud.rows.size(); ++i) {
            bool keep = true;
            for (int j = 0; j < i && keep; ++j) {
                bool same = true;
                for (int k = 0; k < nvars; ++k)
                    same = same && std::fabs(cloud.rows[i][k] - cloud.rows[j][k]) <= 1e-6;
                keep = !same;
            }
            names = cloud.names;
            QVector<double> row = cloud.rows[i];
            derive(names, row, sq, prod, combine);
            for (double x : row)
                keep = keep && std::isfinite(x);
            if (keep) {
                full << row;
                graphOf << cloud.graphNos[i];
            }
        }
        for (const Conjecture &r : c.records) {
            const QVector<double> coefs = r.getCoefs();
            QCOMPARE(coefs.size(), names.size());
            const QString text = r.getFormula();
            std::set<int> onBoundary, nearBoundary;
            double sumErr = 0.0, largest = 0.0;
            QVector<double> excess;
            for (int i = 0; i < full.size(); ++i) {
                double dot = 0.0;
                QHash<QString, double> values;
                for (int k = 0; k < names.size(); ++k) {
                    dot += coefs[k] * full[i][k];
                    values.insert(names[k], full[i][k]);
                }
                const double err = dot - r.getOffset();
                QVERIFY2(err <= 1e-6 + 1e-12,
                         qPrintable(QString("%1 fails at %2").arg(text).arg(i)));
                if (std::fabs(err) < 1e-6 - 1e-12)
                    onBoundary.insert(graphOf[i]);
                if (std::fabs(err) < 1e-6 + 1e-12)
                    nearBoundary.insert(graphOf[i]);
                if (err <= -1e-6)
                    sumErr += err * err;
                bool ok = true; // the text read back
                excess << relationExcess(text, values, largest, ok);
                QVERIFY2(ok, qPrintable("unreadable text: " + text));
            }
            for (int i = 0; i < excess.size(); ++i)
                QVERIFY2(excess[i] <= 1e-5 * largest,
                         qPrintable(QString("text %1 fails at %2").arg(text).arg(i)));
            const QVector<int> support = r.getSupport();
            const std::set<int> supportSet(support.begin(), support.end());
            QVERIFY(!support.isEmpty() && r.getTouching() == support.size() &&
                    int(supportSet.size()) == support.size());
            for (int g : onBoundary)
                QVERIFY(supportSet.count(g));
            for (int g : supportSet)
                QVERIFY(nearBoundary.count(g));
            FUZZY_COMPARE(r.getSumErr(), sumErr, 1e-9);
        }
    }

    /// At these sizes rounding alone moves a support point more than 1e-6 off its plane.
    void everyRelationTouchesAGraph()
    {
        for (const double scale : {1e11, 1e6}) {
            Cloud cloud = randomCloud(2, 60, false, 21);
            for (QVector<double> &row : cloud.rows)
                for (double &v : row)
                    v = (v + 5.0) * scale;
            ConjectureEngine e(0);
            e.setSeed(21);
            Collector c(&e);
            setUp(e, cloud, {1.0, -1.0}, scale < 1e7);
            QVERIFY(runCycles(e, c, 300));
            for (const Conjecture &r : c.records)
                QVERIFY2(r.getTouching() > 0 && r.getSupport().size() == r.getTouching(),
                         qPrintable(r.getFormula()));
        }
    }

    /// A column that is 0 on every row (a constant marked for the table) lies along every
    /// support's scatter: no relation that names no variable is listed.
    void zeroColumnGivesNoEmptyRelation()
    {
        Cloud cloud = randomCloud(2, 40, true, 5);
        cloud.names << QStringLiteral("CONSTANT");
        for (QVector<double> &row : cloud.rows)
            row << 0.0;
        ConjectureEngine e(0);
        e.setSeed(5);
        Collector c(&e);
        setUp(e, cloud, {1.0, -1.0, 1.0});
        QVERIFY(runCycles(e, c, 300));
        for (const Conjecture &r : c.records)
            QVERIFY2(r.getFormula().contains(QLatin1Char('x')), qPrintable(r.getFormula()));
    }

    /// Points in x, y >= 0, x + y <= 10, 15 on each side and 40 inside, one graph each; one
    /// engine per orientation of the variables, as the panel runs them.
    void recovery()
    {
        const QVector<QVector<double>> facets{{-1, 0, 0}, {0, -1, 0}, {1, 1, 10}}; // a.v <= b
        std::mt19937 gen(4321);
        std::uniform_real_distribution<double> t(0.5, 9.5);
        Cloud cloud = randomCloud(2, 0, false, 0);
        for (int i = 0; i < 15; ++i) {
            const double a = t(gen), b = t(gen), c = t(gen);
            cloud.rows << QVector<double>{0, a} << QVector<double>{b, 0}
                       << QVector<double>{c, 10 - c};
        }
        while (cloud.rows.size() < 85) {
            const double x = t(gen), y = t(gen);
            if (x + y < 9.5)
                cloud.rows << QVector<double>{x, y};
        }
        for (int i = 0; i < cloud.rows.size(); ++i)
            cloud.graphNos << i;
        auto matches = [](const Conjecture &r, const QVector<double> &f) {
            const QVector<double> c = r.getCoefs();
            const double s = std::hypot(c[0], c[1]) / std::hypot(f[0], f[1]); // positive factor
            return std::fabs(c[0] - s * f[0]) < 1e-6 * s && std::fabs(c[1] - s * f[1]) < 1e-6 * s &&
                   std::fabs(r.getOffset() - s * f[2]) < 1e-6 * s;
        };
        std::vector<std::unique_ptr<ConjectureEngine>> engines;
        std::vector<std::unique_ptr<Collector>> collectors;
        for (int j = 0; j < 4; ++j) {
            engines.emplace_back(new ConjectureEngine(j));
            collectors.emplace_back(new Collector(engines.back().get()));
            engines.back()->setSeed(1234 + j);
            engines.back()->setCycleLimit(20);
            setUp(*engines.back(), cloud, {j & 1 ? 1.0 : -1.0, j & 2 ? 1.0 : -1.0});
            engines.back()->start();
        }
        // Records matching a facet; each must have exactly the graphs on the facet as support.
        auto found = [&](const QVector<double> &f) {
            std::vector<const Conjecture *> out;
            for (auto &c : collectors)
                for (const Conjecture &r : c->records)
                    if (matches(r, f))
                        out.push_back(&r);
            return out;
        };
        for (size_t j = 0; j < engines.size(); ++j)
            QVERIFY(collectors[j]->finish(*engines[j]));
        for (const QVector<double> &f : facets) {
            QVERIFY(!found(f).empty());
            std::set<int> expected;
            for (int i = 0; i < cloud.rows.size(); ++i)
                if (std::fabs(f[0] * cloud.rows[i][0] + f[1] * cloud.rows[i][1] - f[2]) < 1e-9)
                    expected.insert(i);
            for (const Conjecture *r : found(f)) {
                const QVector<int> support = r->getSupport();
                QCOMPARE(std::set<int>(support.begin(), support.end()), expected);
                QCOMPARE(r->getTouching(), int(expected.size()));
            }
        }
    }

    /// Cancel ends the search after the current cycle with exactly one completion; a cancel
    /// before the start is honoured and the new run drops the old records.
    void cancelGivesOneCompletion()
    {
        ConjectureEngine e(2);
        e.setSeed(3);
        {
            Collector c(&e);
            setUp(e, randomCloud(3, 200, false, 11), {1.0, -1.0, 1.0}, true, true, false);
            e.start();
            QVERIFY(QTest::qWaitFor([&] { return !c.progress.isEmpty(); }, 20000));
            QTest::qWait(50);
            e.cancel();
            QVERIFY(c.finish(e));
            QTest::qWait(30);
            QVERIFY(c.completes == 1 && !e.isRunning());
            QVERIFY(c.recordsAtComplete == int(c.records.size()) &&
                    int(c.records.size()) == e.getConjectures().size());
            QVERIFY(c.progress.first()[0] == 2 &&
                    c.progress.first()[2] == ConjectureEngine::DEFAULT_LIMIT);
        }
        Collector c(&e);
        setUp(e, randomCloud(2, 50, false, 12), {1.0, 1.0});
        e.cancel();
        e.start();
        QVERIFY(c.finish(e));
        QVERIFY(c.completes == 1 && c.records.empty() && e.getConjectures().isEmpty());
    }

    void hugeValues_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("to its cycle limit") << false;
        QTest::newRow("cancelled") << true;
    }
    /// Undefined items stand in the table as 1e12: relations over them have sums of squared
    /// slacks near 1e24, and two of those found here are equal. The run still ends, and a
    /// cancel is answered.
    void hugeValues()
    {
        QFETCH(bool, cancelled);
        Cloud cloud;
        cloud.names = QStringList{"v1", "v2", "v3", "v4", "v5"};
        for (int i = 1; i <= 12; ++i) {
            cloud.rows << QVector<double>{double(i), 2.0 * i + 1, 2.0 * i + 2, 2.0 * i + 3,
                                          2.0 * i + 4};
            cloud.graphNos << i;
        }
        for (const QPoint &cell : {QPoint(1, 2), QPoint(3, 3), QPoint(6, 0), QPoint(7, 0)})
            cloud.rows[cell.x()][cell.y()] += 1e12 + 0.5;
        auto e = std::make_unique<ConjectureEngine>(0);
        e->setSeed(3);
        e->setCycleLimit(cancelled ? 0 : 20);
        Collector c(e.get());
        setUp(*e, cloud, {1.0, -1.0, -1.0, -1.0, -1.0});
        e->start();
        // As many as the run to its limit finds, the two equal ones among them.
        if (cancelled && QTest::qWaitFor([&] { return c.records.size() >= 3; }, kPatienceMs))
            e->cancel();
        if (!QTest::qWaitFor([&] { return c.completes > 0; }, kPatienceMs)) {
            e.release(); // still running: it cannot be destroyed
            QFAIL("the run never ended");
        }
        QVERIFY(c.finish(*e));
        int equal = 0;
        for (size_t i = 0; i < c.records.size(); ++i)
            for (size_t j = 0; j < i; ++j)
                equal += c.records[i].getTouching() == c.records[j].getTouching() &&
                         c.records[i].getSumErr() == c.records[j].getSumErr() &&
                         c.records[i].getSumErr() > 1e20;
        QVERIFY(equal > 0);
        const QVector<Conjecture *> own = e->getConjectures();
        for (int k = 0; !cancelled && k + 1 < own.size(); ++k)
            QVERIFY(!(*own[k] < *own[k + 1]));
    }

    /// The timer's ticks report progress from 0 on and end the run at the limit.
    void timeLimitStopsRun()
    {
        ConjectureEngine e(4);
        Collector c(&e);
        QCOMPARE(e.getLimit(), qint64(120000));
        e.slot_timer(); // idle: no report
        QTest::qWait(20);
        QVERIFY(c.progress.isEmpty());
        e.setSeed(2);
        setUp(e, randomCloud(3, 80, false, 13), {1.0, 1.0, -1.0});
        QVERIFY(runToLimit(e, c, 150));
        QVERIFY(c.completes == 1 && c.progress.size() >= 2);
        QVERIFY(c.progress.first()[1] == 0 && c.progress.last()[1] >= 150);
        for (int i = 0; i < c.progress.size(); ++i) {
            QVERIFY(c.progress[i][0] == 4 && c.progress[i][2] == 150);
            QVERIFY(i == 0 || c.progress[i - 1][1] <= c.progress[i][1]);
        }
    }
};

QTEST_GUILESS_MAIN(tst_ConjectureEngine)
#include "tst_ConjectureEngine.moc"
