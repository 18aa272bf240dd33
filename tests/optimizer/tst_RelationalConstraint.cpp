#include "CommonTest.h"

#include "graph/Graph.h"
#include "catalogue/BuildCalculus.h"
#include "items/Invariant.h"

#include <QtTest>

#include <cmath>
#include <memory>

using Matrix = QVector<QVector<double>>;
static const char *const keywords[] = {"==", ">=", ">", "<=", "<"};

/// An argument holding whatever the test puts in `data`, with its logical shape given apart
/// so that an empty or smaller shape can sit over stale storage.
class Fixed : public Invariant
{
public:
    Fixed() { initItem("FIXED", "", "", false, Report::Free, false); }
    void recompute() override
    {
        if (failNext)
            return fail("fixed failed");
        for (int i = 0; i < data.size(); ++i)
            for (int j = 0; j < data[i].size(); ++j)
                M[i][j] = data[i][j];
        rows = r;
        cols = c;
    }
    void set(const Matrix &m, int rr = -1, int cc = -1)
    {
        data = m;
        r = rr >= 0 ? rr : m.size();
        c = cc >= 0 ? cc : (m.isEmpty() ? 0 : m[0].size());
    }
    Matrix data;
    int r = 0, c = 0;
    bool failNext = false;
};

/// One constraint with two fixed arguments on a graph of its own.
struct Rig {
    Graph g{"G", false};
    Fixed a, b;
    std::unique_ptr<Calculus> c;
    explicit Rig(const QString &keyword) : c(BuildCalculus().makeCalculus(keyword, false))
    {
        for (Calculus *item : {static_cast<Calculus *>(&a), static_cast<Calculus *>(&b), c.get()})
            item->setGraph(&g);
        c->setArg1(&a);
        c->setArg2(&b);
    }
    double run()
    {
        g.changeBest();
        a.compute(true);
        b.compute(true);
        c->compute(true);
        return c->getValue(1);
    }
    double run(const Matrix &A, const Matrix &B)
    {
        a.set(A);
        b.set(B);
        return run();
    }
};

/// The relation summed pair by pair over B spread to A's shape; -1 when the shapes do not pair.
static double reference(const QString &kw, const Matrix &A, int r1, int c1, const Matrix &B, int r2,
                        int c2)
{
    const bool value = r2 == 1 && c2 == 1, column = c2 == 1 && r2 == r1, row = r2 == 1 && c2 == c1,
               same = r2 == r1 && c2 == c1;
    if (!r1 || !c1 || !r2 || !c2 || !(value || column || row || same))
        return -1;
    double sum = 0;
    for (int i = 0; i < r1; ++i)
        for (int j = 0; j < c1; ++j) {
            const double a = A[i][j], b = B[same || column ? i : 0][same || row ? j : 0];
            const double d2 = (a - b) * (a - b);
            if (kw == "==")
                sum += d2;
            else if (std::isnan(a) || std::isnan(b))
                continue;
            else if ((kw == ">=" && b - a > 1e-6) || (kw == "<=" && a - b > 1e-6))
                sum += d2;
            else if ((kw == ">" && !(a - b >= 1e-6)) || (kw == "<" && !(b - a >= 1e-6)))
                sum += d2 + 1;
        }
    return sum;
}

class tst_RelationalConstraint : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }

    /// Random shapes (pairable or not, empty included) over stale storage, NaN among values,
    /// differences inside and well outside the tolerance.
    void randomAgainstReference()
    {
        const double offsets[] = {0, 4e-7, 0.5, -0.25, 1e-3};
        auto draw = [&] {
            return qrand() % 40 == 0 ? qQNaN() : double(qrand() % 7 - 3) + offsets[qrand() % 5];
        };
        for (const char *kw : keywords) {
            Rig rig(kw);
            int formats = 0, violated = 0, held = 0;
            for (int round = 0; round < 3000; ++round) {
                const int r1 = qrand() % 6, c1 = qrand() % 6, pick = qrand() % 5;
                const int r2 = pick == 0 || pick == 2 ? 1 : pick == 4 ? qrand() % 6 : r1;
                const int c2 = pick == 0 || pick == 1 ? 1 : pick == 4 ? qrand() % 6 : c1;
                Matrix A(6, QVector<double>(6, -7)), B(6, QVector<double>(6, -7));
                for (int i = 0; i < 6; ++i)
                    for (int j = 0; j < 6; ++j) {
                        if (i < r1 && j < c1)
                            A[i][j] = draw();
                        if (i < r2 && j < c2)
                            B[i][j] = draw();
                    }
                const double expected = reference(kw, A, r1, c1, B, r2, c2);
                const double before = rig.c->M[0][0];
                rig.a.set(A, r1, c1);
                rig.b.set(B, r2, c2);
                const double value = rig.run();
                const QString where =
                    QString("%1x%2 %3 %4x%5").arg(r1).arg(c1).arg(kw).arg(r2).arg(c2);
                QVERIFY2(rig.c->getError() == (expected < 0), qPrintable(where));
                if (expected < 0) {
                    ++formats; // refused, with the last value kept
                    QVERIFY(rig.c->rows == 0 && rig.c->cols == 0 &&
                            fuzzyCompare(rig.c->M[0][0], before, 0));
                    QCOMPARE(rig.c->savedTooltip, QString("Format error"));
                    continue;
                }
                QVERIFY(rig.c->rows * rig.c->cols == 1 && rig.c->savedTooltip == kw);
                QVERIFY2(fuzzyCompare(value, expected, 1e-12),
                         qPrintable(where + QString(": %1 != %2").arg(value).arg(expected)));
                ++(expected > 0 ? violated : held);
            }
            QVERIFY(formats > 100 && violated > 100 && held > 100);
        }
    }

    /// A missing or failed argument: error, last value kept, computing again once sound.
    void brokenArguments()
    {
        for (const char *kw : keywords) {
            Rig rig(kw);
            rig.run({{1}}, {{2}});
            const double before = rig.c->M[0][0];
            rig.a.failNext = true;
            rig.run();
            QVERIFY(rig.c->getError() && rig.c->rows == 0 && rig.c->M[0][0] == before);
            QCOMPARE(rig.c->savedTooltip, QString(kw));
            rig.a.failNext = false;
            QCOMPARE(rig.run(), reference(kw, {{1}}, 1, 1, {{2}}, 1, 1));
            const double kept = rig.c->M[0][0];
            QCOMPARE(rig.c->formula(), QString("FIXED(G) %1 FIXED(G)").arg(kw));
            rig.c->setArg2(nullptr);
            QCOMPARE(rig.c->formula(), QString("MISSING ARGUMENT"));
            rig.run();
            QVERIFY(rig.c->getError() && rig.c->rows == 0 && rig.c->M[0][0] == kept);
            QCOMPARE(rig.c->savedTooltip, QString("Missing arguments"));
        }
    }
};

QTEST_MAIN(tst_RelationalConstraint)
#include "tst_RelationalConstraint.moc"
