#include "optimizer/OptimalSolutions.h"
#include "optimizer/Solution.h"
#include "problem/Eval.h"

#include <QtTest>

#include <algorithm>

namespace
{

/// A record from "values/objectives/name": values (error flag, then violations) and an
/// objective's members split by ',', objectives by ';', "_" an empty objective.
Eval record(const QString &text)
{
    const QStringList f = text.split('/');
    Eval e;
    for (const QString &v : f[0].split(','))
        e.push_back(v.toDouble());
    for (const QString &z : f[1].split(';', QString::SkipEmptyParts)) {
        QVector<double> members;
        for (const QString &v : z.split(',', QString::SkipEmptyParts))
            if (v != "_")
                members << v.toDouble();
        e.addZ(members);
    }
    return e;
}

/// Offers a new solution; a refused one is deleted here, as every caller must.
bool offer(OptimalSolutions &archive, const QString &text)
{
    const Eval e = record(text);
    Solution *s = new Solution(&e, text.section('/', 2));
    if (archive.addSolution(s))
        return true;
    delete s;
    return false;
}

} // namespace

class tst_OptimalSolutions : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(Solution::nbocc.load(), 0); }

    /// Offers in order: "which were taken | graphs kept | points of the front".
    void ladder_data()
    {
        QTest::addColumn<bool>("family");
        QTest::addColumn<QString>("offers");
        QTest::addColumn<QString>("outcome");
        const QString seed = "0/5;5/seed 0/1;2/old ", held = "0,2,0/10/held ";
        auto row = [](const char *name, const QString &offers, const char *outcome,
                      bool family = true) {
            QTest::newRow(name) << family << offers << QString(outcome);
        };
        row("first entry records its point: a worse second is refused",
            "0/7/a 0/9/b", "YN | a | 7");
        row("family off: a worse second is refused", "0/3;3/a 0/4;3/b", "YN | a | 3,3", false);
        row("the same graph again ties", "0/3,4/x 0/3,4/x 0/3,4/x", "YNN | x | 3");
        row("half tolerance above", seed + "0/1.0000005;2/new", "YYN | old | 1,2");
        row("beside", seed + "0/0.9;2.5/new", "YYY | old new | 1,2;0.9,2.5");
        row("below", seed + "0/0.9;1.9/new", "YYY | new | 0.9,1.9");
        row("broadcast members: (5,1) recorded, (5,2), (5,3) dominated",
            "0/9;9/seed 0/5;1,2,3/family", "YY | family | 5,1");
        row("family off refuses a vector", "0/5;1,2,3/v", "N |  | ", false);
        row("family off: an incomparable newcomer replaces",
            "0/3;3/a 0/1;5/b 0/5;1/c", "YYY | c | 5,1", false);
        row("second worse by half tolerance, the third decides",
            held + "0,2.0000005,5/1/new", "YN | held | 10");
        row("equal violations go on to the front", held + "0,2,0/1/new", "YY | new | 1");
        row("error flag weighs first", held + "1,0,0/1/new", "YN | held | 10");
        row("shorter record reads 1e12", held + "0,2/1/new", "YN | held | 10");
        row("the better infeasible records its point",
            held + "0,1.9,9/1/new 0,1.9,9/5/tie", "YYN | new | 1");
        row("feasible newcomer empties the infeasible front",
            "0,3/1/bad1 0,3/0.5/bad2 0,0/100/good 0,1/-5/infeasible", "YYYN | good | 100");
        row("no objectives: ties refused, feasible wins, then nothing more",
            "0,3//bad 0,3//tie 0,0//good 0,0//other 0,5//worse", "YNYNN | good | ");
        row("empty objective vector", "0/_/e", "N |  | ");
        // Another objective count meets stored points of another length: taken without a
        // point, and the offer's own update does not drop it.
        row("accepted survives its own update", "0/1;1/s 0/0.5/odd", "YY | s odd | 1,1");
    }
    void ladder()
    {
        QFETCH(bool, family);
        QFETCH(QString, offers);
        QFETCH(QString, outcome);
        OptimalSolutions a;
        a.setFamily(family);
        QString taken;
        for (const QString &o : offers.split(' '))
            taken += offer(a, o) ? 'Y' : 'N';
        QStringList front;
        for (const QVector<double> &p : a.points()) {
            QStringList coordinates;
            for (double x : p)
                coordinates << QString::number(x);
            front << coordinates.join(',');
        }
        QCOMPARE(taken + " | " + QStringList(a.graphs().toList()).join(' ') + " | " +
                     front.join(';'),
                 outcome);
    }

    /// Closing, clearing and reopening; NaN never enters; a refused offer builds nothing.
    void lifecycleAndRefusals()
    {
        OptimalSolutions a;
        QVERIFY(offer(a, "0/1/first"));
        a.updateSolutions(); // its point is on the front: kept
        QCOMPARE(a.size(), 1);
        a.clear();
        QVERIFY(offer(a, "0//plain"));
        a.updateSolutions(); // no objectives: kept
        QCOMPARE(a.size(), 1);
        a.close();
        QVERIFY(!offer(a, "0//late"));
        a.clear();
        QVERIFY(!offer(a, "0//late"));
        a.open();
        QVERIFY(offer(a, "0//again") && !a.addSolution(nullptr));

        OptimalSolutions b;
        const Eval good = record("0/1/");
        QVERIFY(b.offer(&good, nullptr));
        const int live = Solution::nbocc.load(); // a tie builds nothing
        QVERIFY(!b.offer(&good, nullptr));
        QCOMPARE(Solution::nbocc.load(), live);
        Eval nan = record("0/0/");
        nan.z(0)[0] = qQNaN();
        QVERIFY(!b.offer(&nan, nullptr));
        Solution s(&nan, "nan");
        QVERIFY(!b.addSolution(&s));
        QCOMPARE(b.points(), QList<QVector<double>>{{1}});
    }

    /// Random integer points against the brute-force set of distinct Pareto-minimal points.
    void frontMatchesBruteForce()
    {
        for (int dimension = 1; dimension <= 3; ++dimension) {
            qsrand(1234 + dimension);
            OptimalSolutions a;
            QVERIFY(offer(a, "0/" + QVector<QString>(dimension, "1e9").toList().join(';') + "/s"));
            QList<QVector<double>> offered, minimal;
            for (int k = 0; k < 300; ++k) {
                QVector<double> p;
                QStringList z;
                for (int i = 0; i < dimension; ++i) {
                    p << qrand() % 15;
                    z << QString::number(p.last());
                }
                offered << p;
                offer(a, "0/" + z.join(';') + "/p");
            }
            for (const QVector<double> &v : offered) {
                const bool beaten = std::any_of(offered.begin(), offered.end(), [&](auto &w) {
                    bool le = w != v;
                    for (int i = 0; i < dimension; ++i)
                        le = le && w[i] <= v[i];
                    return le;
                });
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
    }
};

QTEST_APPLESS_MAIN(tst_OptimalSolutions)
#include "tst_OptimalSolutions.moc"
