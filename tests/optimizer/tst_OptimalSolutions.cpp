#include "optimizer/OptimalSolutions.h"
#include "optimizer/Solution.h"
#include "problem/Eval.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace
{

/// One offer: its values (error flag, then violations), objective vectors and graph name.
struct Offer {
    QVector<double> values;
    QVector<QVector<double>> z;
    QString name;
};
using Offers = QVector<Offer>;
using Points = QList<QVector<double>>;

Eval record(const Offer &o)
{
    Eval e;
    for (double v : o.values)
        e.push_back(v);
    for (const QVector<double> &z : o.z)
        e.addZ(z);
    return e;
}

/// Offers a new solution; a refused one is deleted here, as every caller must.
bool offer(OptimalSolutions &archive, const Offer &o)
{
    const Eval e = record(o);
    Solution *s = new Solution(&e, o.name);
    if (archive.addSolution(s))
        return true;
    delete s;
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Offers)

class tst_OptimalSolutions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(Solution::nbocc.load(), 0); }

    /// Offers in order: which are taken, which graphs stay, which points the front keeps.
    void ladder_data()
    {
        QTest::addColumn<bool>("family");
        QTest::addColumn<Offers>("offers");
        QTest::addColumn<QString>("taken");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<Points>("front");
        const Offer seed{{0}, {{5}, {5}}, "seed"};
        const Offer old{{0}, {{1}, {2}}, "old"};
        QTest::newRow("first entry has no point, next meets an empty front")
            << true << Offers{{{0}, {{7}}, "a"}, {{0}, {{9}}, "b"}} << "YY" << QStringList{"b"}
            << Points{{9}};
        QTest::newRow("same graph twice: both kept, a third ties and is refused")
            << true << Offers{{{0}, {{3, 4}}, "x"}, {{0}, {{3, 4}}, "x"}, {{0}, {{3, 4}}, "x"}}
            << "YYN" << QStringList{"x", "x"} << Points{{3}};
        QTest::newRow("half tolerance above")
            << true << Offers{seed, old, {{0}, {{1 + 0.5e-6}, {2}}, "new"}} << "YYN"
            << QStringList{"old"} << Points{{1, 2}};
        QTest::newRow("beside") << true << Offers{seed, old, {{0}, {{0.9}, {2.5}}, "new"}} << "YYY"
                                << QStringList{"old", "new"} << Points{{1, 2}, {0.9, 2.5}};
        QTest::newRow("below") << true << Offers{seed, old, {{0}, {{0.9}, {1.9}}, "new"}} << "YYY"
                               << QStringList{"new"} << Points{{0.9, 1.9}};
        QTest::newRow("broadcast members: (5,1) recorded, (5,2) and (5,3) dominated")
            << true << Offers{{{0}, {{9}, {9}}, "seed"}, {{0}, {{5}, {1, 2, 3}}, "family"}} << "YY"
            << QStringList{"family"} << Points{{5, 1}};
        QTest::newRow("family off refuses a vector")
            << false << Offers{{{0}, {{5}, {1, 2, 3}}, "v"}} << "N" << QStringList{} << Points{};
        QTest::newRow("family off: an incomparable newcomer replaces")
            << false
            << Offers{{{0}, {{3}, {3}}, "a"}, {{0}, {{1}, {5}}, "b"}, {{0}, {{5}, {1}}, "c"}}
            << "YYY" << QStringList{"c"} << Points{{5, 1}};
        const Offer held{{0, 2, 0}, {{10}}, "held"};
        QTest::newRow("second worse by half tolerance, the third decides")
            << true << Offers{held, {{0, 2 + 0.5e-6, 5}, {{1}}, "new"}} << "YN"
            << QStringList{"held"} << Points{};
        QTest::newRow("second better replaces all")
            << true << Offers{held, {{0, 1.9, 9}, {{1}}, "new"}} << "YY" << QStringList{"new"}
            << Points{};
        QTest::newRow("equal violations go on to the front")
            << true << Offers{held, {{0, 2, 0}, {{1}}, "new"}} << "YY" << QStringList{"new"}
            << Points{{1}};
        QTest::newRow("error flag weighs first") << true << Offers{held, {{1, 0, 0}, {{1}}, "new"}}
                                                 << "YN" << QStringList{"held"} << Points{};
        QTest::newRow("shorter record reads 1e12") << true << Offers{held, {{0, 2}, {{1}}, "new"}}
                                                   << "YN" << QStringList{"held"} << Points{};
        QTest::newRow("feasible newcomer empties the infeasible front")
            << true
            << Offers{{{0, 3}, {{1}}, "bad1"},
                      {{0, 3}, {{0.5}}, "bad2"},
                      {{0, 0}, {{100}}, "good"},
                      {{0, 1}, {{-5}}, "infeasible"}}
            << "YYYN" << QStringList{"good"} << Points{{100}};
        QTest::newRow("no objectives: ties refused, feasible wins, then nothing more")
            << true
            << Offers{{{0, 3}, {}, "bad"},
                      {{0, 3}, {}, "tie"},
                      {{0, 0}, {}, "good"},
                      {{0, 0}, {}, "other"},
                      {{0, 5}, {}, "worse"}}
            << "YNYNN" << QStringList{"good"} << Points{};
        QTest::newRow("empty objective vector")
            << true << Offers{{{0}, {{}}, "e"}} << "N" << QStringList{} << Points{};
        // Another objective count meets stored points of another length: taken without a
        // point, and the offer's own update does not drop it.
        QTest::newRow("accepted survives its own update")
            << true
            << Offers{{{0}, {{1}, {1}}, "s"}, {{0}, {{2}, {2}}, "pair"}, {{0}, {{0.5}}, "odd"}}
            << "YYY" << QStringList{"pair", "odd"} << Points{{2, 2}};
    }
    void ladder()
    {
        QFETCH(bool, family);
        QFETCH(Offers, offers);
        QFETCH(QString, taken);
        QFETCH(QStringList, kept);
        QFETCH(Points, front);
        OptimalSolutions a;
        a.setFamily(family);
        QString result;
        for (const Offer &o : offers)
            result += offer(a, o) ? 'Y' : 'N';
        QCOMPARE(result, taken);
        QCOMPARE(QStringList(a.graphs().toList()), kept);
        QCOMPARE(a.points(), front);
    }

    void updatesAndClosing()
    {
        OptimalSolutions a;
        QVERIFY(offer(a, {{0}, {{1}}, "first"}));
        a.updateSolutions(); // No recorded point: dropped.
        QCOMPARE(a.size(), 0);
        QVERIFY(offer(a, {{0}, {}, "plain"}));
        a.updateSolutions(); // No objectives: kept.
        QCOMPARE(a.size(), 1);
        a.close();
        QVERIFY(!offer(a, {{0}, {}, "late"}));
        a.clear();
        QVERIFY(!offer(a, {{0}, {}, "late"}));
        a.open();
        QVERIFY(offer(a, {{0}, {}, "again"}));
        QVERIFY(!a.addSolution(nullptr));
    }

    void nanNeverEnters()
    {
        OptimalSolutions a;
        QVERIFY(offer(a, {{0}, {{1}}, "a"}));
        QVERIFY(offer(a, {{0}, {{2}}, "b"}));
        Eval e = record({{0}, {{0}}, ""});
        e.z(0)[0] = std::numeric_limits<double>::quiet_NaN();
        QVERIFY(!a.offer(&e, nullptr));
        Solution s(&e, "nan");
        QVERIFY(!a.addSolution(&s));
        QCOMPARE(a.points(), Points{{2}});
    }

    void offerBuildsOnlyOnAcceptance()
    {
        OptimalSolutions a;
        const Eval good = record({{0}, {{1}}, ""});
        QVERIFY(a.offer(&good, nullptr));
        QVERIFY(a.offer(&good, nullptr)); // Empty front after the first entry.
        const int live = Solution::nbocc.load();
        QVERIFY(!a.offer(&good, nullptr));
        QCOMPARE(Solution::nbocc.load(), live);
    }

    /// Random integer points against the brute-force set of distinct Pareto-minimal points.
    void frontMatchesBruteForce_data()
    {
        QTest::addColumn<int>("dimension");
        QTest::addColumn<int>("seed");
        QTest::newRow("one objective") << 1 << 7;
        QTest::newRow("two objectives") << 2 << 1234;
        QTest::newRow("three objectives") << 3 << 99;
    }
    void frontMatchesBruteForce()
    {
        QFETCH(int, dimension);
        QFETCH(int, seed);
        qsrand(seed);
        OptimalSolutions a;
        QVERIFY(offer(a, {{0}, QVector<QVector<double>>(dimension, {1e9}), "seed"}));
        Points offered;
        for (int k = 0; k < 300; ++k) {
            Offer o{{0}, {}, "p"};
            QVector<double> p;
            for (int i = 0; i < dimension; ++i) {
                p << qrand() % 15;
                o.z << QVector<double>{p.last()};
            }
            offered << p;
            offer(a, o);
        }
        Points minimal;
        for (const QVector<double> &v : offered) {
            bool beaten = false;
            for (const QVector<double> &w : offered) {
                bool le = w != v;
                for (int i = 0; i < dimension; ++i)
                    le = le && w[i] <= v[i];
                beaten = beaten || le;
            }
            if (!beaten && !minimal.contains(v))
                minimal << v;
        }
        QCOMPARE(a.nbPoints(), minimal.size());
        for (const QVector<double> &v : minimal)
            QVERIFY(a.points().contains(v));
        for (int i = 0; i < a.size(); ++i) {
            QVector<double> p;
            for (const QVector<double> &z : a.OSSolution(i)->getValue()->z())
                p << z[0];
            QVERIFY(a.points().contains(p));
        }
    }
};

QTEST_APPLESS_MAIN(tst_OptimalSolutions)
#include "tst_OptimalSolutions.moc"
