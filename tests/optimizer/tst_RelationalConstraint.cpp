#include "CommonTest.h"

#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/CalculusDisplay.h"
#include "items/Invariant.h"

#include <QCheckBox>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

using Matrix = QVector<QVector<double>>;

/// An argument whose value is whatever the test puts in `data`, with the logical shape given
/// separately so that an empty shape can sit over stale storage.
class Fixed : public Invariant
{
public:
    Fixed() { initItem("FIXED", "", "", false, Report::Free, false); }
    void recompute() override
    {
        if (failNext) {
            fail("fixed failed");
            return;
        }
        for (int i = 0; i < data.size(); ++i)
            for (int j = 0; j < data[i].size(); ++j)
                M[i][j] = data[i][j];
        rows = r;
        cols = c;
    }
    void set(const Matrix &m)
    {
        data = m;
        r = m.size();
        c = r ? m[0].size() : 0;
    }
    Matrix data;
    int r = 0, c = 0;
    bool failNext = false;
};

static Matrix column(const QVector<double> &v)
{
    Matrix m;
    for (double x : v)
        m.append(QVector<double>{x});
    return m;
}

/// One constraint with two fixed arguments on a graph of its own.
struct Rig {
    Graph g{"G", false};
    BuildCalculus catalogue;
    Fixed a, b;
    std::unique_ptr<Calculus> c;

    explicit Rig(const QString &keyword) : c(catalogue.makeCalculus(keyword, false))
    {
        for (Calculus *item : {static_cast<Calculus *>(&a), static_cast<Calculus *>(&b), c.get()})
            item->setGraph(&g);
        c->setArg1(&a);
        c->setArg2(&b);
    }
    /// Moves the graph's counter and computes the arguments, then the constraint.
    void run()
    {
        g.changeBest();
        a.compute(true);
        b.compute(true);
        c->compute(true);
    }
    double run(const Matrix &A, const Matrix &B)
    {
        a.set(A);
        b.set(B);
        run();
        return c->getValue(1);
    }
};

/// The relation written out pair by pair on B spread to A's shape; `format` tells whether the
/// shapes cannot be paired (an empty argument included).
static double reference(const QString &kw, const Matrix &A, int r1, int c1, const Matrix &B, int r2,
                        int c2, bool &format)
{
    format = true;
    if (r1 == 0 || c1 == 0 || r2 == 0 || c2 == 0)
        return 0;
    Matrix full(r1, QVector<double>(c1));
    for (int i = 0; i < r1; ++i)
        for (int j = 0; j < c1; ++j) {
            if (r2 == 1 && c2 == 1)
                full[i][j] = B[0][0];
            else if (c2 == 1 && r2 == r1)
                full[i][j] = B[i][0];
            else if (r2 == 1 && c2 == c1)
                full[i][j] = B[0][j];
            else if (r2 == r1 && c2 == c1)
                full[i][j] = B[i][j];
            else
                return 0;
        }
    format = false;
    double sum = 0;
    for (int i = 0; i < r1; ++i)
        for (int j = 0; j < c1; ++j) {
            const double a = A[i][j], b = full[i][j];
            if (kw == "==") {
                sum += (a - b) * (a - b);
                continue;
            }
            if (std::isnan(a) || std::isnan(b))
                continue;
            bool counts = false;
            double extra = 0;
            if (kw == ">=")
                counts = b - a > 1e-6;
            else if (kw == "<=")
                counts = a - b > 1e-6;
            else if (kw == ">") {
                counts = !(a - b >= 1e-6);
                extra = 1;
            } else if (kw == "<") {
                counts = !(b - a >= 1e-6);
                extra = 1;
            }
            if (counts)
                sum += (a - b) * (a - b) + extra;
        }
    return sum;
}

class tst_RelationalConstraint : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void amounts_data();
    void amounts();
    void pairing_data();
    void pairing();
    void randomAgainstReference_data();
    void randomAgainstReference();
    void formatError_data();
    void formatError();
    void missingArgument();
    void argumentInError();
    void formulaText();
    void texts_data();
    void texts();
};

void tst_RelationalConstraint::amounts_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QVector<double>>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::addColumn<double>("expected");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QVector<double> v = {1, -2, 3.5, 0};
    QTest::newRow(">= column over value")
        << ">=" << QVector<double>{1, 2, 3} << QVector<double>{2} << 1.0;
    QTest::newRow(">= within tolerance")
        << ">=" << QVector<double>{2} << QVector<double>{2 + 5e-7} << 0.0;
    QTest::newRow(">= by 0.5") << ">=" << QVector<double>{2} << QVector<double>{2.5} << 0.25;
    QTest::newRow("== by 0.5") << "==" << QVector<double>{2} << QVector<double>{2.5} << 0.25;
    QTest::newRow("== tiny difference")
        << "==" << QVector<double>{0} << QVector<double>{1e-9} << 1e-18;
    QTest::newRow("> holds") << ">" << QVector<double>{3} << QVector<double>{2} << 0.0;
    QTest::newRow("> broken") << ">" << QVector<double>{2} << QVector<double>{2.5} << 1.25;
    QTest::newRow("<= holds") << "<=" << QVector<double>{2} << QVector<double>{3} << 0.0;
    QTest::newRow("<= by 1") << "<=" << QVector<double>{3} << QVector<double>{2} << 1.0;
    QTest::newRow("<= by 2") << "<=" << QVector<double>{4} << QVector<double>{2} << 4.0;
    QTest::newRow("<= within tolerance")
        << "<=" << QVector<double>{2 + 5e-7} << QVector<double>{2} << 0.0;
    QTest::newRow("< holds") << "<" << QVector<double>{2} << QVector<double>{3} << 0.0;
    QTest::newRow("< broken") << "<" << QVector<double>{2.5} << QVector<double>{2} << 1.25;
    QTest::newRow("< too close") << "<" << QVector<double>{2} << QVector<double>{2 + 5e-7}
                                 << 1 + 5e-7 * 5e-7;
    for (const char *kw : {">=", "==", "<="})
        QTest::newRow(qPrintable(QString("%1 equal vectors").arg(kw))) << kw << v << v << 0.0;
    for (const char *kw : {">", "<"})
        QTest::newRow(qPrintable(QString("%1 equal vectors").arg(kw))) << kw << v << v << 4.0;
    QTest::newRow("== NaN") << "==" << QVector<double>{1, nan} << QVector<double>{1, 1} << nan;
    QTest::newRow(">= skips NaN") << ">=" << QVector<double>{nan, 1} << QVector<double>{2} << 1.0;
    QTest::newRow("<= skips NaN") << "<=" << QVector<double>{3, 1} << QVector<double>{2, nan}
                                  << 1.0;
    QTest::newRow("> skips NaN") << ">" << QVector<double>{nan} << QVector<double>{2} << 0.0;
    QTest::newRow("< skips NaN") << "<" << QVector<double>{1} << QVector<double>{nan} << 0.0;
}

void tst_RelationalConstraint::amounts()
{
    QFETCH(QString, keyword);
    QFETCH(QVector<double>, a);
    QFETCH(QVector<double>, b);
    QFETCH(double, expected);
    Rig rig(keyword);
    const double value = rig.run(column(a), column(b));
    QVERIFY(!rig.c->getError());
    QCOMPARE(rig.c->rows, 1);
    QCOMPARE(rig.c->cols, 1);
    FUZZY_COMPARE(value, expected, 1e-12);
    // The board item shows the keyword once the value is published.
    QCOMPARE(rig.c->savedTooltip, keyword);
}

void tst_RelationalConstraint::pairing_data()
{
    QTest::addColumn<Matrix>("b");
    QTest::addColumn<double>("expected");
    // Against A = [1 2; 3 4] under ">=": only pairs where b exceeds a count.
    QTest::newRow("value") << Matrix{{2}} << 1.0;
    QTest::newRow("row pairs by column") << Matrix{{0, 5}} << 9.0 + 1.0;
    QTest::newRow("column pairs by row") << Matrix{{5}, {0}} << 16.0 + 9.0;
    QTest::newRow("same shape") << Matrix{{0, 3}, {6, 0}} << 1.0 + 9.0;
}

void tst_RelationalConstraint::pairing()
{
    QFETCH(Matrix, b);
    QFETCH(double, expected);
    Rig rig(">=");
    QCOMPARE(rig.run(Matrix{{1, 2}, {3, 4}}, b), expected);
    QVERIFY(!rig.c->getError());
}

void tst_RelationalConstraint::randomAgainstReference_data()
{
    QTest::addColumn<QString>("keyword");
    for (const char *kw : {"==", ">=", ">", "<=", "<"})
        QTest::newRow(kw) << kw;
}

void tst_RelationalConstraint::randomAgainstReference()
{
    QFETCH(QString, keyword);
    Rig rig(keyword);
    // Differences either well inside or well outside the tolerance, never on its edge.
    const double offsets[] = {0, 4e-7, 0.5, -0.25, 1e-3};
    auto draw = [&]() {
        if (qrand() % 40 == 0)
            return std::numeric_limits<double>::quiet_NaN();
        return double(qrand() % 7 - 3) + offsets[qrand() % 5];
    };
    int formats = 0, violated = 0, held = 0;
    for (int round = 0; round < 3000; ++round) {
        const int r1 = qrand() % 6, c1 = qrand() % 6;
        int r2, c2;
        switch (qrand() % 5) {
        case 0:
            r2 = c2 = 1;
            break;
        case 1:
            r2 = r1;
            c2 = 1;
            break;
        case 2:
            r2 = 1;
            c2 = c1;
            break;
        case 3:
            r2 = r1;
            c2 = c1;
            break;
        default:
            r2 = qrand() % 6;
            c2 = qrand() % 6;
        }
        Matrix A(r1, QVector<double>(c1)), B(r2, QVector<double>(c2));
        for (auto &row : A)
            for (double &x : row)
                x = draw();
        for (auto &row : B)
            for (double &x : row)
                x = draw();
        bool format = false;
        const double expected = reference(keyword, A, r1, c1, B, r2, c2, format);
        // Leave stale numbers where an empty argument would be read.
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j)
                rig.a.M[i][j] = rig.b.M[i][j] = -7;
        rig.a.data = A;
        rig.a.r = r1;
        rig.a.c = c1;
        rig.b.data = B;
        rig.b.r = r2;
        rig.b.c = c2;
        rig.run();
        const QString where = QString("round %1: %2x%3 %4 %5x%6")
                                  .arg(round)
                                  .arg(r1)
                                  .arg(c1)
                                  .arg(keyword)
                                  .arg(r2)
                                  .arg(c2);
        QVERIFY2(rig.c->getError() == format, qPrintable(where));
        if (format) {
            ++formats;
            QCOMPARE(rig.c->rows, 0);
            QCOMPARE(rig.c->savedTooltip, QString("Format error"));
            continue;
        }
        QVERIFY2(fuzzyCompare(rig.c->getValue(1), expected, 1e-12),
                 qPrintable(where + QString(": %1 != %2").arg(rig.c->getValue(1)).arg(expected)));
        (expected > 0 ? violated : held) += 1;
    }
    // The draw covers every outcome.
    QVERIFY(formats > 100);
    QVERIFY(violated > 100);
    QVERIFY(held > 100);
}

void tst_RelationalConstraint::formatError_data()
{
    QTest::addColumn<int>("r1");
    QTest::addColumn<int>("c1");
    QTest::addColumn<int>("r2");
    QTest::addColumn<int>("c2");
    QTest::newRow("value against column") << 1 << 1 << 3 << 1;
    QTest::newRow("value against row") << 1 << 1 << 1 << 3;
    QTest::newRow("columns of other length") << 3 << 1 << 2 << 1;
    QTest::newRow("matrices of other width") << 2 << 3 << 2 << 2;
    QTest::newRow("row against wider row") << 1 << 2 << 1 << 3;
    QTest::newRow("argument 1 without rows") << 0 << 1 << 1 << 1;
    QTest::newRow("argument 1 without columns") << 3 << 0 << 1 << 1;
    QTest::newRow("argument 2 without rows") << 3 << 1 << 0 << 1;
    QTest::newRow("argument 2 without columns") << 3 << 1 << 1 << 0;
    QTest::newRow("both empty") << 0 << 0 << 0 << 0;
}

void tst_RelationalConstraint::formatError()
{
    QFETCH(int, r1);
    QFETCH(int, c1);
    QFETCH(int, r2);
    QFETCH(int, c2);
    for (const char *kw : {"==", ">=", ">", "<=", "<"}) {
        Rig rig(kw);
        rig.run(Matrix{{1}}, Matrix{{4}});
        QVERIFY(!rig.c->getError());
        const double before = rig.c->M[0][0];
        // Storage beyond the logical shape holds numbers that would break every relation.
        rig.a.data = Matrix(4, QVector<double>(4, -100));
        rig.b.data = Matrix(4, QVector<double>(4, 100));
        rig.a.r = r1;
        rig.a.c = c1;
        rig.b.r = r2;
        rig.b.c = c2;
        rig.run();
        QVERIFY(rig.c->getError());
        QCOMPARE(rig.c->rows, 0);
        QCOMPARE(rig.c->cols, 0);
        QCOMPARE(rig.c->savedTooltip, QString("Format error"));
        QCOMPARE(rig.c->M[0][0], before);
    }
}

void tst_RelationalConstraint::missingArgument()
{
    for (const char *kw : {"==", ">=", ">", "<=", "<"}) {
        Rig rig(kw);
        rig.run(Matrix{{1}}, Matrix{{2}});
        const double before = rig.c->M[0][0];
        rig.c->setArg2(nullptr);
        QCOMPARE(rig.c->formula(), QString("MISSING ARGUMENT"));
        rig.run();
        QVERIFY(rig.c->getError());
        QCOMPARE(rig.c->rows, 0);
        QCOMPARE(rig.c->savedTooltip, QString("Missing arguments"));
        QCOMPARE(rig.c->M[0][0], before);
    }
}

void tst_RelationalConstraint::argumentInError()
{
    Rig rig(">=");
    rig.run(Matrix{{1}}, Matrix{{2}});
    rig.a.failNext = true;
    rig.run();
    QVERIFY(rig.a.getError());
    QVERIFY(rig.c->getError());
    QCOMPARE(rig.c->rows, 0);
    QCOMPARE(rig.c->savedTooltip, QString(">="));
    // Back to a sound argument, the constraint computes again.
    rig.a.failNext = false;
    rig.run();
    QVERIFY(!rig.c->getError());
    QCOMPARE(rig.c->getValue(1), 1.0);
}

void tst_RelationalConstraint::formulaText()
{
    BuildCalculus catalogue;
    Graph g("G", false);
    std::unique_ptr<Calculus> size(catalogue.makeCalculus("SIZE", false));
    std::unique_ptr<Calculus> order(catalogue.makeCalculus("ORDER", false));
    for (const char *kw : {"==", ">=", ">", "<=", "<"}) {
        std::unique_ptr<Calculus> c(catalogue.makeCalculus(kw, false));
        c->setGraph(&g);
        c->setArg1(size.get());
        QCOMPARE(c->formula(), QString("MISSING ARGUMENT"));
        c->setArg2(order.get());
        QCOMPARE(c->formula(), QString("SIZE(G) %1 ORDER(G)").arg(kw));
    }
}

void tst_RelationalConstraint::texts_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("doc");
    QTest::newRow("==") << "=="
                        << "The first and second arguments should be equal.";
    QTest::newRow(">=") << ">="
                        << "The first  argument should be greater than or equal to the second.";
    QTest::newRow(">") << ">"
                       << "The first  argument should be greater than the second.";
    QTest::newRow("<=") << "<="
                        << "The first  argument should be less than or equal to the second.";
    QTest::newRow("<") << "<"
                       << "The first  argument should be less than the second.";
}

void tst_RelationalConstraint::texts()
{
    QFETCH(QString, keyword);
    QFETCH(QString, doc);
    BuildCalculus catalogue;
    QCOMPARE(catalogue.type(keyword), 4);
    for (bool graphical : {false, true}) {
        std::unique_ptr<Calculus> c(catalogue.makeCalculus(keyword, graphical));
        QVERIFY(c);
        QCOMPARE(c->name, keyword);
        QCOMPARE(c->textDoc, doc);
        QCOMPARE(c->latexDoc, doc);
        QCOMPARE(c->getCalculusDisplay() != nullptr, graphical);
        if (graphical) {
            QList<QCheckBox *> boxes = c->getCalculusDisplay()->findChildren<QCheckBox *>();
            QCheckBox *complement = nullptr;
            for (QCheckBox *b : boxes)
                if (b->text() == "Complement")
                    complement = b;
            QVERIFY(complement);
            QVERIFY(!complement->isEnabled());
        }
    }
}

QTEST_MAIN(tst_RelationalConstraint)
#include "tst_RelationalConstraint.moc"
