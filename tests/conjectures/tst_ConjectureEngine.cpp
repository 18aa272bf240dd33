#include "conjectures/ConjectureEngine.h"

#include "CommonTest.h"

#include <QRegularExpression>
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
    explicit Collector(ConjectureEngine *engine)
    {
        connect(engine, &ConjectureEngine::signal_conjecture, this, &Collector::onText,
                Qt::QueuedConnection);
        connect(engine, &ConjectureEngine::signal_new_conjecture, this, &Collector::onRecord,
                Qt::QueuedConnection);
        connect(engine, &ConjectureEngine::signal_complete, this, &Collector::onComplete,
                Qt::QueuedConnection);
        connect(engine, &ConjectureEngine::signal_not_enough_points, this, &Collector::onNotEnough,
                Qt::QueuedConnection);
        connect(engine, &ConjectureEngine::signal_progress, this, &Collector::onProgress,
                Qt::QueuedConnection);
    }
    std::vector<Conjecture> records;
    QStringList texts;
    QVector<qint64> elapsed;
    QVector<qint64> limits;
    QVector<int> ids;
    int completes = 0;
    int notEnough = 0;
    int recordsAtComplete = -1;

public slots:
    void onText(QString t) { texts << t; }
    void onRecord(Conjecture *c) { records.emplace_back(c); }
    void onComplete()
    {
        ++completes;
        if (recordsAtComplete < 0)
            recordsAtComplete = int(records.size());
    }
    void onNotEnough() { ++notEnough; }
    void onProgress(int id, qint64 e, qint64 l)
    {
        ids << id;
        elapsed << e;
        limits << l;
    }
};

struct Cloud {
    QStringList names;
    QVector<QVector<double>> rows;
    QVector<int> graphNos;
};

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

/// Derived columns in the engine's variable order: base, squares, then pairwise products
/// over the base (or over base and squares with combine).
void derive(QStringList &names, QVector<double> &row, bool sq, bool prod, bool combine)
{
    const int d0 = names.size();
    if (sq) {
        for (int k = 0; k < d0; ++k) {
            names << names[k] + "^2";
            row << row[k] * row[k];
        }
    }
    const int dp = combine ? names.size() : d0;
    if (prod) {
        for (int a = 1; a < dp; ++a) {
            for (int b = 0; b < a; ++b) {
                names << "[" + names[b] + "*" + names[a] + "]";
                row << row[a] * row[b];
            }
        }
    }
}

struct SideValue {
    double sum = 0.0;
    double largest = 0.0;
    bool ok = true;
};

/// Value of one side of a relation text ("2 x+1.5 y+3") at a point given by name.
SideValue evalSide(const QString &side, const QHash<QString, double> &values)
{
    SideValue v;
    // Terms are joined by '+'; an exponent's '+' ("1e+06") follows an 'e'.
    const QStringList terms = side.split(QRegularExpression(QStringLiteral("(?<!e)\\+")));
    for (const QString &term : terms) {
        const int blank = term.indexOf(' ');
        bool numberOk = false;
        double t;
        if (blank < 0) {
            t = term.toDouble(&numberOk);
        } else {
            const QString name = term.mid(blank + 1);
            t = term.left(blank).toDouble(&numberOk);
            if (!values.contains(name))
                numberOk = false;
            t *= values.value(name);
        }
        v.ok = v.ok && numberOk;
        v.sum += t;
        v.largest = std::max(v.largest, std::fabs(t));
    }
    return v;
}

/// Runs the engine with its time limit driven as the panel drives it; false when it
/// did not complete.
bool runToLimit(ConjectureEngine &e, Collector &c, qint64 limitMs)
{
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &e, &ConjectureEngine::slot_timer);
    e.setLimit(limitMs);
    timer.start(20);
    e.start();
    const bool done = QTest::qWaitFor([&] { return c.completes > 0; }, 20000);
    e.wait();
    return done;
}

/// Column k is drawn from [-5, 5] (or 0..4 when integer) times spread^k.
/// Runs the engine until it has reported a first relation (for at most `patienceMs`), lets
/// it search `moreMs` longer, then cancels it; false when it did not complete.
bool runUntilFound(ConjectureEngine &e, Collector &c, int moreMs = 150, int patienceMs = 10000)
{
    e.start();
    if (QTest::qWaitFor([&] { return !c.records.empty() || c.completes > 0; }, patienceMs))
        QTest::qWait(moreMs);
    e.cancel();
    const bool done = QTest::qWaitFor([&] { return c.completes > 0; }, 20000);
    e.wait();
    return done;
}

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
        c.graphNos << i / 2; // two rows per graph, as vertex rows would be
    }
    return c;
}

} // namespace

class tst_ConjectureEngine : public QObject
{
    Q_OBJECT
private slots:
    void relationText_data();
    void relationText();
    void consoleText();
    void addPointFiltersRows();
    void conjecturePointerIsRegistered();
    void overflowingDerivedPointIsRefused();
    void tooFewPoints_data();
    void tooFewPoints();
    void soundness_data();
    void soundness();
    void everyRelationTouchesAGraph_data();
    void everyRelationTouchesAGraph();
    void recovery_data();
    void recovery();
    void cancelGivesOneCompletion();
    void cancelBeforeRunIsHonoured();
    void timeLimitStopsRun();
    void secondRunReplacesRecords();
};

void tst_ConjectureEngine::relationText_data()
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
    QTest::newRow("tiny coefficient written, not scaling")
        << QVector<double>{0.0005, 0.25} << 0.25 << ones << "0.002 p+1 q <= 1";
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
    QTest::newRow("column of zeros dropped")
        << QVector<double>{0.5, -1, 0.7} << 1.5 << QVector<double>{1, 1, 0} << "1 p <= 2 q+3";
    QTest::newRow("offset within 1e-6 dropped")
        << QVector<double>{-0.5, 0.25} << 5e-7 << ones << "1 q <= 2 p";
    QTest::newRow("empty left side reads 0")
        << QVector<double>{-0.5, -0.25} << 1e-7 << ones << "2 p+1 q >= 0";
    QTest::newRow("positive offset with no positive term")
        << QVector<double>{-0.5, -0.25} << 1.0 << ones << "2 p+1 q+4 >= 0";
}

void tst_ConjectureEngine::relationText()
{
    QFETCH(QVector<double>, coefs);
    QFETCH(double, offset);
    QFETCH(QVector<double>, magnitude);
    QFETCH(QString, text);
    const QVector<QString> names{"p", "q", "r"};
    QCOMPARE(ConjectureEngine::relationText(coefs, offset, names, magnitude), text);
}

void tst_ConjectureEngine::consoleText()
{
    QCOMPARE(ConjectureEngine::consoleText("1 p <= 2 q+3", 4, 0.5, 2),
             QStringLiteral("1 p <= 2 q+3 [4 ; 0.5] <2>"));
    QCOMPARE(ConjectureEngine::consoleText("1 x >= 0", 12, 1234567.0, 0),
             QStringLiteral("1 x >= 0 [12 ; 1.23457e+06] <0>"));
}

void tst_ConjectureEngine::addPointFiltersRows()
{
    ConjectureEngine e(0);
    e.clear();
    e.setHeader({"a", "b"});
    e.addPoint({1.0, 2.0}, 7);
    e.addPoint({1.0 + 1e-6, 2.0 - 1e-6}, 8); // repeat within 1e-6: first one stays
    e.addPoint({1.0, 2.0 + 3e-6}, 8);        // differs in one column: kept
    e.addPoint({1.0}, 9);                    // wrong length
    e.addPoint({qQNaN(), 0.0}, 9);           // not a number
    e.addPoint({0.0, qInf()}, 9);            // infinite
    e.addPoint({-qInf(), 0.0}, 9);
    e.addPoint({5.0, 6.0}, 7); // same graph, other values: kept
    QCOMPARE(e.nbPoints(), 3);
    QCOMPARE(e.getGraphNos(), QVector<int>({7, 8, 7}));
    QCOMPARE(e.nbRefused(), 3);

    // A new header starts a new table.
    e.setHeader({"a"});
    QCOMPARE(e.nbPoints(), 0);
    QCOMPARE(e.nbRefused(), 0);
}

void tst_ConjectureEngine::conjecturePointerIsRegistered()
{
    ConjectureEngine e(0);
    QVERIFY(QMetaType::type("Conjecture*") != QMetaType::UnknownType);
}

void tst_ConjectureEngine::overflowingDerivedPointIsRefused()
{
    Cloud cloud = randomCloud(2, 30, false, 31);
    cloud.rows << QVector<double>{1e200, 1.0} << QVector<double>{qQNaN(), 1.0};
    cloud.graphNos << 999 << 998;
    ConjectureEngine e(0);
    e.setSeed(31);
    Collector c(&e);
    setUp(e, cloud, {1.0, 1.0}, true);
    QCOMPARE(e.nbPoints(), 31);
    QCOMPARE(e.nbRefused(), 1);
    QVERIFY(runUntilFound(e, c));
    // The square of 1e200 is infinite: that point is left out of the search as well.
    QCOMPARE(e.nbRefused(), 2);
    QVERIFY(!c.records.empty());
    for (const Conjecture &r : c.records) {
        QVERIFY(!r.getSupport().contains(999));
        for (double x : r.getCoefs())
            QVERIFY(std::isfinite(x));
        QVERIFY(std::isfinite(r.getOffset()));
    }
}

void tst_ConjectureEngine::tooFewPoints_data()
{
    QTest::addColumn<int>("nvars");
    QTest::addColumn<int>("npoints");
    QTest::addColumn<bool>("sq");
    QTest::addColumn<bool>("prod");
    QTest::addColumn<bool>("combine");
    QTest::addColumn<QString>("message");
    const QString text = QStringLiteral("Not enough data points to find conjectures. ");
    QTest::newRow("one short of 2d") << 2 << 3 << false << false << false << text + "2 3";
    QTest::newRow("no variable") << 0 << 0 << false << false << false << text + "0 0";
    QTest::newRow("one variable, one point") << 1 << 1 << false << false << false << text + "1 1";
    QTest::newRow("three with all derived") << 3 << 41 << true << true << true << text + "21 41";
    QTest::newRow("three without combine") << 3 << 17 << true << true << false << text + "9 17";
    QTest::newRow("products of the base only") << 3 << 11 << false << true << true << text + "6 11";
    QTest::newRow("enough: exactly 2d") << 2 << 4 << false << false << false << QString();
    QTest::newRow("enough: 2d with all derived") << 3 << 42 << true << true << true << QString();
}

void tst_ConjectureEngine::tooFewPoints()
{
    QFETCH(int, nvars);
    QFETCH(int, npoints);
    QFETCH(bool, sq);
    QFETCH(bool, prod);
    QFETCH(bool, combine);
    QFETCH(QString, message);
    const Cloud cloud = randomCloud(nvars, npoints, false, 77);
    ConjectureEngine e(3);
    e.setSeed(5);
    Collector c(&e);
    setUp(e, cloud, QVector<double>(nvars, 1.0), sq, prod, combine);
    QCOMPARE(e.nbPoints(), npoints);
    e.start();
    if (message.isEmpty()) {
        // The search runs; stop it once it has begun.
        QVERIFY(QTest::qWaitFor([&] { return !c.elapsed.isEmpty(); }, 20000));
        e.cancel();
    }
    QVERIFY(QTest::qWaitFor([&] { return c.completes > 0; }, 20000));
    e.wait();
    QTest::qWait(20);
    QCOMPARE(c.completes, 1);
    if (message.isEmpty()) {
        QCOMPARE(c.notEnough, 0);
        QCOMPARE(c.texts.indexOf(QRegularExpression("^Not enough")), -1);
    } else {
        QCOMPARE(c.notEnough, 1);
        QCOMPARE(c.texts, QStringList{message});
        QVERIFY(c.records.empty());
    }
}

void tst_ConjectureEngine::soundness_data()
{
    QTest::addColumn<int>("nvars");
    QTest::addColumn<int>("npoints");
    QTest::addColumn<bool>("integer");
    QTest::addColumn<bool>("sq");
    QTest::addColumn<bool>("prod");
    QTest::addColumn<bool>("combine");
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<double>("spread");
    QTest::newRow("1 var, 10 points") << 1 << 10 << false << false << false << false << 13u << 1.0;
    QTest::newRow("1 var integer, 12 points")
        << 1 << 12 << true << false << false << false << 14u << 1.0;
    QTest::newRow("2 vars, 20 points") << 2 << 20 << false << false << false << false << 1u << 1.0;
    QTest::newRow("3 vars, 60 points") << 3 << 60 << false << false << false << false << 2u << 1.0;
    QTest::newRow("5 vars, 200 points")
        << 5 << 200 << false << false << false << false << 3u << 1.0;
    QTest::newRow("4 vars integer, 120 points")
        << 4 << 120 << true << false << false << false << 4u << 1.0;
    QTest::newRow("2 vars with squares") << 2 << 30 << false << true << false << false << 5u << 1.0;
    QTest::newRow("3 vars with products")
        << 3 << 50 << false << false << true << false << 6u << 1.0;
    QTest::newRow("3 vars, squares and products")
        << 3 << 120 << false << true << true << false << 7u << 1.0;
    QTest::newRow("2 vars, combined products")
        << 2 << 40 << false << true << true << true << 8u << 1.0;
    QTest::newRow("3 vars integer, squares and products")
        << 3 << 100 << true << true << true << false << 9u << 1.0;
    // Columns of very different sizes: tiny coefficients on large values matter.
    QTest::newRow("3 vars integer, spread 10, squares")
        << 3 << 80 << true << true << false << false << 10u << 10.0;
    QTest::newRow("4 vars, spread 30")
        << 4 << 100 << false << false << false << false << 11u << 30.0;
    QTest::newRow("2 vars integer, spread 20, combined products")
        << 2 << 60 << true << true << true << true << 12u << 20.0;
}

void tst_ConjectureEngine::soundness()
{
    QFETCH(int, nvars);
    QFETCH(int, npoints);
    QFETCH(bool, integer);
    QFETCH(bool, sq);
    QFETCH(bool, prod);
    QFETCH(bool, combine);
    QFETCH(unsigned, seed);
    QFETCH(double, spread);

    const Cloud cloud = randomCloud(nvars, npoints, integer, seed, spread);
    std::mt19937 gen(seed + 100);
    QVector<double> weights;
    for (int k = 0; k < nvars; ++k)
        weights << (gen() % 2 ? 1.0 : -1.0);

    ConjectureEngine e(1);
    e.setSeed(int(seed));
    Collector c(&e);
    setUp(e, cloud, weights, sq, prod, combine);
    QVERIFY(runUntilFound(e, c));
    QTest::qWait(20);
    QCOMPARE(c.completes, 1);
    QVERIFY2(!c.records.empty(), "no relation found");
    // Every stored record reached the receiver before the completion.
    QCOMPARE(c.recordsAtComplete, e.getConjectures().size());
    QCOMPARE(c.texts.size(), int(c.records.size()));
    // Each console line comes just before its record and quotes it, with the engine's number.
    for (int i = 0; i < c.texts.size(); ++i) {
        QVERIFY(c.texts[i].startsWith(c.records[size_t(i)].getFormula() + " ["));
        QVERIFY(c.texts[i].endsWith("] <1>"));
    }

    // The engine's own list ends best first.
    const QVector<Conjecture *> own = e.getConjectures();
    for (int k = 0; k + 1 < own.size(); ++k)
        QVERIFY(!(*own[k] < *own[k + 1]));

    // Points, deduplicated as the engine does, with their derived columns.
    QStringList names;
    QVector<QVector<double>> full;
    QVector<int> graphOf;
    for (int i = 0; i < cloud.rows.size(); ++i) {
        bool repeat = false;
        for (int j = 0; j < i && !repeat; ++j) {
            bool same = true;
            for (int k = 0; k < nvars; ++k)
                same = same && std::fabs(cloud.rows[i][k] - cloud.rows[j][k]) <= 1e-6;
            repeat = same;
        }
        if (repeat)
            continue;
        names = cloud.names;
        QVector<double> row = cloud.rows[i];
        derive(names, row, sq, prod, combine);
        full << row;
        graphOf << cloud.graphNos[i];
    }
    const int d = names.size();

    for (const Conjecture &r : c.records) {
        const QVector<double> coefs = r.getCoefs();
        QCOMPARE(coefs.size(), d);
        const QString text = r.getFormula();
        const bool le = text.contains(" <= ");
        QVERIFY2(le != text.contains(" >= "), qPrintable(text));
        const QStringList sides = text.split(le ? " <= " : " >= ");
        QCOMPARE(sides.size(), 2);
        // "a <= b" or "b >= a": small side first.
        const QString smallSide = le ? sides[0] : sides[1];
        const QString bigSide = le ? sides[1] : sides[0];

        std::set<int> onBoundary, nearBoundary;
        double sumErr = 0.0;
        for (int i = 0; i < full.size(); ++i) {
            double dot = 0.0;
            for (int k = 0; k < d; ++k)
                dot += coefs[k] * full[i][k];
            const double err = dot - r.getOffset();
            QVERIFY2(err <= 1e-6 + 1e-12,
                     qPrintable(QString("%1 fails at point %2 by %3").arg(text).arg(i).arg(err)));
            if (std::fabs(err) < 1e-6 - 1e-12)
                onBoundary.insert(graphOf[i]);
            if (std::fabs(err) < 1e-6 + 1e-12)
                nearBoundary.insert(graphOf[i]);
            if (err <= -1e-6)
                sumErr += err * err;
        }

        // The text, read back, within 1e-5 of its largest term over all points.
        QVector<double> excess;
        double largest = 0.0;
        for (int i = 0; i < full.size(); ++i) {
            QHash<QString, double> values;
            for (int k = 0; k < d; ++k)
                values.insert(names[k], full[i][k]);
            const SideValue s = evalSide(smallSide, values);
            const SideValue b = evalSide(bigSide, values);
            QVERIFY2(s.ok && b.ok, qPrintable("unreadable text: " + text));
            largest = std::max(largest, std::max(s.largest, b.largest));
            excess << s.sum - b.sum;
        }
        for (int i = 0; i < excess.size(); ++i)
            QVERIFY2(excess[i] <= 1e-5 * largest,
                     qPrintable(QString("text %1 fails at point %2 by %3 (largest term %4)")
                                    .arg(text)
                                    .arg(i)
                                    .arg(excess[i])
                                    .arg(largest)));
        const QVector<int> support = r.getSupport();
        QVERIFY(!support.isEmpty());
        QCOMPARE(r.getTouching(), support.size());
        const std::set<int> supportSet(support.begin(), support.end());
        QCOMPARE(int(supportSet.size()), support.size());
        for (int g : onBoundary)
            QVERIFY(supportSet.count(g));
        for (int g : supportSet)
            QVERIFY(nearBoundary.count(g));
        FUZZY_COMPARE(r.getSumErr(), sumErr, 1e-9);
    }
}

void tst_ConjectureEngine::everyRelationTouchesAGraph_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("sq");
    // At these sizes rounding alone moves a support point more than 1e-6 off its plane.
    QTest::newRow("values near 1e11") << 1e11 << false;
    QTest::newRow("values near 1e6, squared") << 1e6 << true;
}

void tst_ConjectureEngine::everyRelationTouchesAGraph()
{
    QFETCH(double, scale);
    QFETCH(bool, sq);
    Cloud cloud = randomCloud(2, 60, false, 21);
    for (QVector<double> &row : cloud.rows)
        for (double &v : row)
            v = (v + 5.0) * scale;
    ConjectureEngine e(0);
    e.setSeed(21);
    Collector c(&e);
    setUp(e, cloud, {1.0, -1.0}, sq);
    QVERIFY(runToLimit(e, c, 300));
    QTest::qWait(20);
    QCOMPARE(c.completes, 1);
    for (const Conjecture &r : c.records) {
        QVERIFY2(r.getTouching() > 0, qPrintable(r.getFormula()));
        QCOMPARE(r.getSupport().size(), r.getTouching());
    }
}

void tst_ConjectureEngine::recovery_data()
{
    // Each facet a.v <= b as a row of the matrix facets: a_0 .. a_(n-1), b.
    QTest::addColumn<int>("nvars");
    QTest::addColumn<QVector<QVector<double>>>("facets");
    QTest::addColumn<QVector<QVector<double>>>("vertices");
    QTest::newRow("triangle x,y >= 0, x+y <= 10")
        << 2 << QVector<QVector<double>>{{-1, 0, 0}, {0, -1, 0}, {1, 1, 10}}
        << QVector<QVector<double>>{{0, 0}, {10, 0}, {0, 10}};
    QTest::newRow("box [0,4] x [1,3]")
        << 2 << QVector<QVector<double>>{{-1, 0, 0}, {1, 0, 4}, {0, -1, -1}, {0, 1, 3}}
        << QVector<QVector<double>>{{0, 1}, {4, 1}, {4, 3}, {0, 3}};
    QTest::newRow("simplex x,y,z >= 0, x+y+z <= 6")
        << 3 << QVector<QVector<double>>{{-1, 0, 0, 0}, {0, -1, 0, 0}, {0, 0, -1, 0}, {1, 1, 1, 6}}
        << QVector<QVector<double>>{{0, 0, 0}, {6, 0, 0}, {0, 6, 0}, {0, 0, 6}};
}

void tst_ConjectureEngine::recovery()
{
    QFETCH(int, nvars);
    QFETCH(QVector<QVector<double>>, facets);
    QFETCH(QVector<QVector<double>>, vertices);

    // Points: convex combinations of the vertices, with many of them on a facet (drawn
    // from the vertices lying on it) and the rest strictly inside.
    std::mt19937 gen(4321);
    std::uniform_real_distribution<double> unit(0.05, 1.0);
    Cloud cloud;
    for (int k = 0; k < nvars; ++k)
        cloud.names << QStringLiteral("x%1").arg(k);
    auto onFacet = [&](const QVector<double> &f, const QVector<double> &v) {
        double s = 0.0;
        for (int k = 0; k < nvars; ++k)
            s += f[k] * v[k];
        return std::fabs(s - f[nvars]) < 1e-9;
    };
    auto combination = [&](const QVector<QVector<double>> &from) {
        QVector<double> w;
        double total = 0.0;
        for (int j = 0; j < from.size(); ++j) {
            w << unit(gen);
            total += w.last();
        }
        QVector<double> p(nvars, 0.0);
        for (int j = 0; j < from.size(); ++j)
            for (int k = 0; k < nvars; ++k)
                p[k] += w[j] / total * from[j][k];
        return p;
    };
    for (const QVector<double> &f : facets) {
        QVector<QVector<double>> on;
        for (const QVector<double> &v : vertices)
            if (onFacet(f, v))
                on << v;
        for (int i = 0; i < 15; ++i)
            cloud.rows << combination(on);
    }
    for (int i = 0; i < 40; ++i)
        cloud.rows << combination(vertices);
    for (int i = 0; i < cloud.rows.size(); ++i)
        cloud.graphNos << i;

    // The relation a.v <= b, up to a positive factor.
    auto matches = [&](const Conjecture &r, const QVector<double> &f) {
        double norm = 0.0;
        for (int k = 0; k < nvars; ++k)
            norm += f[k] * f[k];
        norm = std::sqrt(norm);
        const QVector<double> coefs = r.getCoefs();
        double rn = 0.0;
        for (double x : coefs)
            rn += x * x;
        rn = std::sqrt(rn);
        bool same = std::fabs(r.getOffset() / rn - f[nvars] / norm) < 1e-6;
        for (int k = 0; k < nvars; ++k)
            same = same && std::fabs(coefs[k] / rn - f[k] / norm) < 1e-6;
        return same;
    };

    // One engine per orientation of the variables, as the panel runs them.
    const int jobs = 1 << nvars;
    std::vector<std::unique_ptr<ConjectureEngine>> engines;
    std::vector<std::unique_ptr<Collector>> collectors;
    for (int j = 0; j < jobs; ++j) {
        engines.emplace_back(new ConjectureEngine(j));
        collectors.emplace_back(new Collector(engines.back().get()));
        QVector<double> w;
        for (int k = 0; k < nvars; ++k)
            w << ((j >> k) & 1 ? 1.0 : -1.0);
        engines.back()->setSeed(1234 + j);
        setUp(*engines.back(), cloud, w);
    }
    auto foundBy = [&](const QVector<double> &f) {
        for (auto &c : collectors)
            for (const Conjecture &r : c->records)
                if (matches(r, f))
                    return true;
        return false;
    };
    for (auto &e : engines)
        e->start();
    // Found or not, the verdict comes after the cancel below.
    (void)QTest::qWaitFor(
        [&] {
            for (const QVector<double> &f : facets)
                if (!foundBy(f))
                    return false;
            return true;
        },
        15000);
    for (auto &e : engines)
        e->cancel();
    QVERIFY(QTest::qWaitFor(
        [&] {
            for (auto &c : collectors)
                if (c->completes == 0)
                    return false;
            return true;
        },
        20000));
    for (auto &e : engines)
        e->wait();

    for (int fi = 0; fi < facets.size(); ++fi) {
        const QVector<double> &f = facets[fi];
        QVERIFY2(foundBy(f), qPrintable(QString("facet %1 not found").arg(fi)));
        // Graphs with a point on the facet: the boundary the relation must report.
        std::set<int> expected;
        for (int i = 0; i < cloud.rows.size(); ++i)
            if (onFacet(f, cloud.rows[i]))
                expected.insert(cloud.graphNos[i]);
        for (auto &c : collectors) {
            for (const Conjecture &r : c->records) {
                if (!matches(r, f))
                    continue;
                const QVector<int> support = r.getSupport();
                QCOMPARE(std::set<int>(support.begin(), support.end()), expected);
                QCOMPARE(r.getTouching(), int(expected.size()));
            }
        }
    }
}

void tst_ConjectureEngine::cancelGivesOneCompletion()
{
    // Heavy enough that the search is well under way when the cancel arrives.
    const Cloud cloud = randomCloud(3, 200, false, 11);
    ConjectureEngine e(2);
    e.setSeed(3);
    Collector c(&e);
    setUp(e, cloud, {1.0, -1.0, 1.0}, true, true, false);
    e.start();
    QVERIFY(QTest::qWaitFor([&] { return !c.elapsed.isEmpty(); }, 20000));
    QTest::qWait(50);
    e.cancel();
    QVERIFY(QTest::qWaitFor([&] { return c.completes > 0; }, 20000));
    QVERIFY(e.wait(20000));
    QTest::qWait(50);
    QCOMPARE(c.completes, 1);
    QVERIFY(!e.isRunning());
    QCOMPARE(c.notEnough, 0);
    // Nothing reported after the completion, and every record before it.
    QCOMPARE(c.recordsAtComplete, int(c.records.size()));
    QCOMPARE(int(c.records.size()), e.getConjectures().size());
    // The progress reports carry the engine's number and its default limit.
    QCOMPARE(c.ids.first(), 2);
    QCOMPARE(c.elapsed.first(), qint64(0));
    QCOMPARE(c.limits.first(), ConjectureEngine::DEFAULT_LIMIT);
}

void tst_ConjectureEngine::cancelBeforeRunIsHonoured()
{
    const Cloud cloud = randomCloud(2, 50, false, 12);
    ConjectureEngine e(0);
    e.setSeed(1);
    Collector c(&e);
    setUp(e, cloud, {1.0, 1.0});
    e.cancel();
    e.start();
    QVERIFY(QTest::qWaitFor([&] { return c.completes > 0; }, 20000));
    e.wait();
    QTest::qWait(20);
    QCOMPARE(c.completes, 1);
    QVERIFY(c.records.empty());
    QVERIFY(e.getConjectures().isEmpty());
}

void tst_ConjectureEngine::timeLimitStopsRun()
{
    ConjectureEngine idle(4);
    Collector quiet(&idle);
    idle.slot_timer();
    QTest::qWait(20);
    QVERIFY(quiet.elapsed.isEmpty());
    QCOMPARE(idle.getLimit(), qint64(120000));

    const Cloud cloud = randomCloud(3, 80, false, 13);
    ConjectureEngine e(4);
    e.setSeed(2);
    Collector c(&e);
    setUp(e, cloud, {1.0, 1.0, -1.0});
    // No cancel: only the limit can end this run.
    QVERIFY(runToLimit(e, c, 150));
    QTest::qWait(20);
    QCOMPARE(c.completes, 1);
    QVERIFY(c.elapsed.size() >= 2);
    QCOMPARE(c.elapsed.first(), qint64(0));
    QVERIFY(c.elapsed.last() >= 150);
    for (int i = 0; i < c.ids.size(); ++i) {
        QCOMPARE(c.ids[i], 4);
        QCOMPARE(c.limits[i], qint64(150));
    }
    // Measured within the run: the elapsed times never go backwards.
    for (int i = 0; i + 1 < c.elapsed.size(); ++i)
        QVERIFY(c.elapsed[i] <= c.elapsed[i + 1]);
}

void tst_ConjectureEngine::secondRunReplacesRecords()
{
    ConjectureEngine e(0);
    e.setSeed(9);
    {
        Collector c(&e);
        Cloud first = randomCloud(2, 40, false, 14);
        first.names = QStringList{"a0", "b0"};
        setUp(e, first, {1.0, 1.0});
        QVERIFY(runUntilFound(e, c, 50));
        QVERIFY(!e.getConjectures().isEmpty());
    }
    QTest::qWait(20);
    Collector c(&e);
    Cloud second = randomCloud(2, 40, false, 15);
    second.names = QStringList{"u1", "v1"};
    setUp(e, second, {-1.0, 1.0});
    QVERIFY(runUntilFound(e, c, 50));
    QTest::qWait(20);
    QCOMPARE(c.completes, 1);
    QVERIFY(!e.getConjectures().isEmpty());
    QCOMPARE(e.getConjectures().size(), int(c.records.size()));
    for (Conjecture *r : e.getConjectures()) {
        QVERIFY2(!r->getFormula().contains("a0") && !r->getFormula().contains("b0"),
                 qPrintable(r->getFormula()));
        QVERIFY(r->getFormula().contains("u1") || r->getFormula().contains("v1"));
    }
}

QTEST_GUILESS_MAIN(tst_ConjectureEngine)
#include "tst_ConjectureEngine.moc"
