#include "optimizer/OptimalSolutions.h"
#include "optimizer/Solution.h"
#include "problem/Eval.h"

#include <QtTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(QVector<double>)

namespace
{

using Objectives = QVector<QVector<double>>;

Eval record(const QVector<double> &values, const Objectives &objectives)
{
    Eval e;
    for (double v : values)
        e.push_back(v);
    for (const QVector<double> &z : objectives)
        e.addZ(z);
    return e;
}

/// Offers a new solution; a refused one is deleted here, as every caller must.
bool offer(OptimalSolutions &archive, const QVector<double> &values, const Objectives &z,
           const QString &graph = QStringLiteral("g"))
{
    const Eval e = record(values, z);
    Solution *s = new Solution(&e, graph);
    if (archive.addSolution(s))
        return true;
    delete s;
    return false;
}

bool frontHolds(const OptimalSolutions &archive, const QVector<double> &point)
{
    for (const QVector<double> &p : archive.points())
        if (p == point)
            return true;
    return false;
}

} // namespace

class tst_OptimalSolutions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(Solution::nbocc.load(), 0); }

    void firstEntryIsTakenWithoutPoint()
    {
        OptimalSolutions a;
        QVERIFY(offer(a, {0.0}, {{7.0}}, "first"));
        QCOMPARE(a.size(), 1);
        QCOMPARE(a.nbPoints(), 0);
        // Whatever the values, the next one meets an empty front.
        QVERIFY(offer(a, {0.0}, {{9.0}}, "second"));
        QCOMPARE(a.graphs(), QVector<QString>({"second"}));
        QCOMPARE(a.points(), QList<QVector<double>>({{9.0}}));
    }

    void sameGraphTwiceKeepsBoth()
    {
        OptimalSolutions a;
        QVERIFY(offer(a, {0.0}, {{3.0, 4.0}}, "x"));
        QVERIFY(offer(a, {0.0}, {{3.0, 4.0}}, "x"));
        QCOMPARE(a.size(), 2);
        // A third identical one ties with the recorded point and is refused.
        QVERIFY(!offer(a, {0.0}, {{3.0, 4.0}}, "x"));
        QCOMPARE(a.size(), 2);
    }

    void updateDropsUnrecordedFirstEntry()
    {
        OptimalSolutions a;
        QVERIFY(offer(a, {0.0}, {{1.0}}));
        a.updateSolutions();
        QCOMPARE(a.size(), 0);
        QVERIFY(offer(a, {0.0}, {}));
        a.updateSolutions();
        QCOMPARE(a.size(), 1);
    }

    void front_data()
    {
        QTest::addColumn<QVector<double>>("point");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("oldKept");
        QTest::newRow("half tolerance above")
            << QVector<double>{1.0 + 0.5e-6, 2.0} << false << 1 << true;
        QTest::newRow("exact tie") << QVector<double>{1.0, 2.0} << false << 1 << true;
        QTest::newRow("beside it") << QVector<double>{0.9, 2.5} << true << 2 << true;
        QTest::newRow("below it") << QVector<double>{0.9, 1.9} << true << 1 << false;
        QTest::newRow("worse both") << QVector<double>{1.5, 2.5} << false << 1 << true;
    }
    void front()
    {
        QFETCH(QVector<double>, point);
        QFETCH(bool, accepted);
        QFETCH(int, points);
        QFETCH(bool, oldKept);
        OptimalSolutions a;
        QVERIFY(offer(a, {0.0}, {{5.0}, {5.0}}, "seed"));
        QVERIFY(offer(a, {0.0}, {{1.0}, {2.0}}, "old"));
        QCOMPARE(a.points(), QList<QVector<double>>({{1.0, 2.0}}));
        QCOMPARE(offer(a, {0.0}, {{point[0]}, {point[1]}}, "new"), accepted);
        QCOMPARE(a.nbPoints(), points);
        QCOMPARE(a.graphs().contains("old"), oldKept);
        QCOMPARE(frontHolds(a, {1.0, 2.0}), oldKept);
        QCOMPARE(a.graphs().contains("new"), accepted);
    }

    void broadcastMembers()
    {
        OptimalSolutions a;
        QVERIFY(offer(a, {0.0}, {{9.0}, {9.0}}, "seed"));
        QVERIFY(offer(a, {0.0}, {{5.0}, {1.0, 2.0, 3.0}}, "family"));
        // (5,2) and (5,3) are dominated by (5,1), recorded first.
        QCOMPARE(a.points(), QList<QVector<double>>({{5.0, 1.0}}));
        QCOMPARE(a.graphs(), QVector<QString>({"family"}));
        // (4,3) beats the broadcast (5,*) in the first coordinate: recorded beside it.
        QVERIFY(offer(a, {0.0}, {{4.0}, {3.0}}, "single"));
        QCOMPARE(a.nbPoints(), 2);
        QCOMPARE(a.size(), 2);

        OptimalSolutions plain;
        plain.setFamily(false);
        QVERIFY(!offer(plain, {0.0}, {{5.0}, {1.0, 2.0, 3.0}}));
        QCOMPARE(plain.size(), 0);
    }

    void familyOffKeepsOne()
    {
        OptimalSolutions a;
        a.setFamily(false);
        QVERIFY(offer(a, {0.0}, {{3.0}, {3.0}}, "first"));
        QVERIFY(offer(a, {0.0}, {{1.0}, {5.0}}, "second"));
        QCOMPARE(a.graphs(), QVector<QString>({"second"}));
        // Not dominated but incomparable: still the newcomer replaces the holder.
        QVERIFY(offer(a, {0.0}, {{5.0}, {1.0}}, "third"));
        QCOMPARE(a.graphs(), QVector<QString>({"third"}));
        QCOMPARE(a.points(), QList<QVector<double>>({{5.0, 1.0}}));
    }

    void violations_data()
    {
        QTest::addColumn<QVector<double>>("values");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("size");
        QTest::newRow("second worse by half tolerance, third decides")
            << QVector<double>{0.0, 2.0 + 0.5e-6, 5.0} << false << 1;
        QTest::newRow("second better") << QVector<double>{0.0, 1.9, 9.0} << true << 1;
        // The held first entry has no recorded point: the update after the newcomer drops it.
        QTest::newRow("equal, goes on to the front") << QVector<double>{0.0, 2.0, 0.0} << true << 1;
        QTest::newRow("error flag weighs first") << QVector<double>{1.0, 0.0, 0.0} << false << 1;
        QTest::newRow("feasible newcomer") << QVector<double>{0.0, 0.0, 0.0} << true << 1;
        QTest::newRow("shorter record reads 1e12") << QVector<double>{0.0, 2.0} << false << 1;
    }
    void violations()
    {
        QFETCH(QVector<double>, values);
        QFETCH(bool, accepted);
        QFETCH(int, size);
        OptimalSolutions a;
        QVERIFY(offer(a, {0.0, 2.0, 0.0}, {{10.0}}, "held"));
        QCOMPARE(offer(a, values, {{1.0}}, "new"), accepted);
        QCOMPARE(a.size(), size);
        QCOMPARE(a.graphs().contains("new"), accepted);
        if (accepted)
            QCOMPARE(a.lastSolution()->getValue()->value(1), values[1]);
    }

    void feasibleAfterInfeasibleWithoutObjectives()
    {
        OptimalSolutions a;
        QVERIFY(offer(a, {0.0, 3.0}, {}, "bad"));
        QVERIFY(!offer(a, {0.0, 3.0}, {}, "tie"));
        QVERIFY(offer(a, {0.0, 0.0}, {}, "good"));
        QCOMPARE(a.graphs(), QVector<QString>({"good"}));
        QCOMPARE(a.nbPoints(), 0);
        // Feasible held, no member point: every further feasible offer is refused.
        QVERIFY(!offer(a, {0.0, 0.0}, {}, "other"));
        QVERIFY(!offer(a, {0.0, 5.0}, {}, "worse"));
        QCOMPARE(a.size(), 1);
    }

    void feasibleNewcomerEmptiesInfeasibleFront()
    {
        OptimalSolutions a;
        QVERIFY(offer(a, {0.0, 3.0}, {{1.0}}, "bad1"));
        QVERIFY(offer(a, {0.0, 3.0}, {{0.5}}, "bad2"));
        QCOMPARE(a.nbPoints(), 1);
        // Far worse objective, but feasible.
        QVERIFY(offer(a, {0.0, 0.0}, {{100.0}}, "good"));
        QCOMPARE(a.graphs(), QVector<QString>({"good"}));
        QCOMPARE(a.points(), QList<QVector<double>>({{100.0}}));
        QVERIFY(!offer(a, {0.0, 1.0}, {{-5.0}}, "infeasible"));
    }

    void refusals_data()
    {
        QTest::addColumn<QVector<double>>("values");
        QTest::addColumn<QVector<double>>("z");
        QTest::newRow("empty objective vector") << QVector<double>{0.0} << QVector<double>{};
    }
    void refusals()
    {
        QFETCH(QVector<double>, values);
        QFETCH(QVector<double>, z);
        OptimalSolutions a;
        QVERIFY(!offer(a, values, {z}));
        QCOMPARE(a.size(), 0);
        QVERIFY(!a.addSolution(nullptr));
    }

    void nanNeverEnters()
    {
        OptimalSolutions a;
        QVERIFY(offer(a, {0.0}, {{1.0}}));
        QVERIFY(offer(a, {0.0}, {{2.0}}));
        Eval e = record({0.0}, {{0.0}});
        e.z(0)[0] = std::numeric_limits<double>::quiet_NaN();
        QVERIFY(!a.offer(&e, nullptr));
        Solution *s = new Solution(&e, "nan");
        QVERIFY(!a.addSolution(s));
        delete s;
        for (const QVector<double> &p : a.points())
            QVERIFY(!std::isnan(p[0]));
        QVERIFY(!a.graphs().contains("nan"));
    }

    void acceptedIsNeverDeletedByItsOwnOffer()
    {
        OptimalSolutions a;
        QVERIFY(offer(a, {0.0}, {{1.0}, {1.0}}, "seed"));
        QVERIFY(offer(a, {0.0}, {{2.0}, {2.0}}, "pair"));
        // A record of another objective count meets a stored point of another length: taken
        // without a point, and the update that follows must not drop it.
        const Eval odd = record({0.0}, {{0.5}});
        Solution *s = new Solution(&odd, "odd");
        QVERIFY(a.addSolution(s));
        QCOMPARE(a.lastSolution(), s);
        QCOMPARE(s->getGraph(), QString("odd"));
        a.updateSolutions();
        QVERIFY(!a.graphs().contains("odd"));
    }

    void closedRefusesEverything()
    {
        OptimalSolutions a;
        a.close();
        QVERIFY(a.isClosed());
        QVERIFY(!offer(a, {0.0}, {{1.0}}));
        a.open();
        QVERIFY(offer(a, {0.0}, {{1.0}}));
    }

    void offerBuildsOnlyOnAcceptance()
    {
        OptimalSolutions a;
        const Eval good = record({0.0}, {{1.0}});
        QVERIFY(a.offer(&good, nullptr));
        const int live = Solution::nbocc.load();
        QVERIFY(a.offer(&good, nullptr)); // Empty front after the first entry.
        QVERIFY(!a.offer(&good, nullptr));
        QCOMPARE(Solution::nbocc.load(), live + 1);
    }

    /// Random integer points against the brute-force set of distinct Pareto-minimal points.
    void frontMatchesBruteForce_data()
    {
        QTest::addColumn<int>("dimension");
        QTest::addColumn<int>("seed");
        QTest::newRow("two objectives") << 2 << 1234;
        QTest::newRow("three objectives") << 3 << 99;
        QTest::newRow("one objective") << 1 << 7;
    }
    void frontMatchesBruteForce()
    {
        QFETCH(int, dimension);
        QFETCH(int, seed);
        qsrand(seed);
        OptimalSolutions a;
        QVERIFY(offer(a, {0.0}, Objectives(dimension, {1e9})));
        QList<QVector<double>> offered;
        for (int k = 0; k < 300; ++k) {
            QVector<double> p(dimension);
            Objectives z;
            for (double &x : p) {
                x = qrand() % 15;
                z.append(QVector<double>{x});
            }
            offered.append(p);
            offer(a, {0.0}, z);
        }
        QList<QVector<double>> minimal;
        for (const QVector<double> &v : offered) {
            bool beaten = false;
            for (const QVector<double> &w : offered) {
                bool le = true;
                for (int i = 0; i < dimension; ++i)
                    le = le && w[i] <= v[i];
                beaten = beaten || (le && w != v);
            }
            if (!beaten && !minimal.contains(v))
                minimal.append(v);
        }
        QCOMPARE(a.nbPoints(), minimal.size());
        for (const QVector<double> &v : minimal)
            QVERIFY(frontHolds(a, v));
        // Every held solution stands on the front.
        for (int i = 0; i < a.size(); ++i) {
            QVector<double> p;
            for (const QVector<double> &z : a.OSSolution(i)->getValue()->z())
                p.append(z[0]);
            QVERIFY(frontHolds(a, p));
        }
    }

    void accessorsOutOfRange()
    {
        OptimalSolutions a;
        QVERIFY(a.lastSolution() == nullptr);
        QVERIFY(a.OSSolution(0) == nullptr);
        QCOMPARE(a.graph(-1), QString());
        QVERIFY(offer(a, {0.0, 4.0}, {{1.0}}, "g0"));
        QCOMPARE(a.graph(0), QString("g0"));
        QCOMPARE(a.graph(1), QString());
        QCOMPARE(a.OSSolution(0)->violation(1), 4.0);
        QCOMPARE(a.OSSolution(0)->violation(2), 0.0);
        a.clear();
        QCOMPARE(a.size(), 0);
    }
};

QTEST_APPLESS_MAIN(tst_OptimalSolutions)
#include "tst_OptimalSolutions.moc"
