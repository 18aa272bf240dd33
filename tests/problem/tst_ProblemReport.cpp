#include "../items/StderrCapture.h"

#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "problem/Problem.h"

#include <QSignalSpy>
#include <QtTest>

namespace
{

Calculus *make(const char *keyword, const QString &given = QString(), bool graphical = false)
{
    Calculus *c = BuildCalculus().makeCalculus(keyword, graphical);
    if (!given.isEmpty())
        c->setGivenName(given);
    return c;
}

/// Columns of a label under the explorer's naming: L alone for one, L[1]..L[k] for more.
QStringList columns(const QString &label, int count)
{
    QStringList out;
    for (int k = 1; k <= count; ++k)
        out << (count >= 2 ? QString("%1[%2]").arg(label).arg(k) : label);
    return out;
}

} // namespace

class tst_ProblemReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void algDefinition_data();
    void algDefinition();
    void namesAndValuesLineUp_data();
    void namesAndValuesLineUp();
    void currentDescription();
    void listing_data();
    void listing();
    void titleAndDescription();
};

void tst_ProblemReport::algDefinition_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << "empty"
                           << "";
    QTest::newRow("maximise with constraint")
        << "max"
        << "Max\tZ1 = WIENER(G)\nSubject to\nConstraint1 : SIZE(G) >= ORDER(G)\n";
    QTest::newRow("both directions and minimise")
        << "two"
        << "MinMax\tZ1 = SIZE(GBAR)\nMin\tZ2 = MISSING ARGUMENT\n";
    QTest::newRow("constraints only")
        << "constraints"
        << "Subject to\nConstraint1 : CONNECTED(GBAR)\nConstraint2 : MISSING "
           "ARGUMENT\n";
}

void tst_ProblemReport::algDefinition()
{
    QFETCH(QString, board);
    QFETCH(QString, expected);
    Graph g("G", false);
    g.randomGraph(5);
    Problem p(&g, "board", false);
    if (board == "max") {
        Calculus *size = make("SIZE"), *order = make("ORDER"), *wiener = make("WIENER");
        Calculus *ge = make(">="), *z = make("MAXIMIZE");
        for (Calculus *c : {size, order, wiener})
            p.addInvariantItemLoadMode(c);
        p.addConstraintItem(ge);
        p.addZItem(z);
        p.link1(size, ge);
        p.link2(order, ge);
        p.link1(wiener, z);
    } else if (board == "two") {
        Calculus *size = make("SIZE");
        size->setInvertGraph(true);
        Calculus *both = make("MAXMIN"), *none = make("MINIMIZE");
        p.addInvariantItemLoadMode(size);
        p.addZItem(both);
        p.addZItem(none);
        p.link1(size, both);
    } else if (board == "constraints") {
        Calculus *connected = make("CONNECTED");
        connected->setInvertGraph(true);
        p.addConstraintItem(connected);
        p.addConstraintItem(make("<"));
    }
    QCOMPARE(p.algDefinition(), expected);
}

void tst_ProblemReport::namesAndValuesLineUp_data()
{
    QTest::addColumn<int>("n");
    for (int n : {0, 1, 5, 32})
        QTest::newRow(qPrintable(QString("n = %1").arg(n))) << n;
}

void tst_ProblemReport::namesAndValuesLineUp()
{
    QFETCH(int, n);
    Graph g("G", false);
    g.randomGraph(n);
    Problem p(&g, "board", false);
    Calculus *order = make("ORDER");
    Calculus *node = make("DEGREES", "deg");
    Calculus *vec = make("DEGREES", "dv");
    Calculus *hidden = make("SIZE");
    Calculus *twin = make("ORDER", "deg");
    Calculus *both = make("KCHERRIES", "kc");
    Calculus *connected = make("CONNECTED");
    Calculus *z = make("MINIMIZE", "obj");
    for (Calculus *c : {order, node, vec, hidden, twin, both})
        p.addInvariantItemLoadMode(c);
    p.addConstraintItem(connected);
    p.addZItem(z);
    p.link1(order, z);
    for (Calculus *c : {order, node, vec, twin, both, connected, z})
        c->setInReport(true);
    node->setNodInReport(true);
    vec->setVecInReport(true);
    both->setNodInReport(true);
    both->setVecInReport(true);
    p.compute(true);

    // Degrees and pendant neighbours counted pair by pair.
    QVector<double> deg(n), kc(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            deg[i] += g.edge(i, j);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            kc[i] += g.edge(i, j) && deg[j] == 1;

    const QStringList graphNames = QStringList{"ORDER"} + columns("deg", n) + columns("dv", n) +
                                   QStringList{"deg"} + columns("kc", n) + QStringList{"obj"};
    QVector<double> graphRow = {double(n)};
    graphRow << deg << deg << double(n) << kc << double(n);
    QCOMPARE(p.getReportNames(false), graphNames);
    QCOMPARE(p.getReportValues(), graphRow);

    const QStringList vertexNames =
        QStringList{"ORDER", "deg"} + columns("dv", n) + QStringList{"deg", "kc", "obj"};
    QCOMPARE(p.getReportNames(true), vertexNames);
    for (int v = 1; v <= n; ++v) {
        QVector<double> row = {double(n), deg[v - 1]};
        row << deg << double(n) << kc[v - 1] << double(n);
        QCOMPARE(p.getReportValues(v), row);
    }
    // Outside 1..32 a node value is the undefined value.
    const QVector<double> outside = p.getReportValues(33);
    QCOMPARE(outside.size(), vertexNames.size());
    QCOMPARE(outside[1], 1e12);
    QCOMPARE(outside[outside.size() - 2], 1e12);
}

void tst_ProblemReport::currentDescription()
{
    Graph g("G", false);
    g.randomGraph(4);
    Problem p(&g, "board", true);
    Calculus *size = make("SIZE", QString(), true), *order = make("ORDER", "n", true);
    Calculus *ge = make(">=", QString(), true);
    p.addInvariantItemLoadMode(size);
    p.addInvariantItemLoadMode(order);
    p.addConstraintItem(ge);
    p.link1(size, ge);
    p.link2(order, ge);
    QCOMPARE(p.currentDescription(), QString("Invariant-1: SIZE\nRows: 1\nColumns: 1\n\n"
                                             "Invariant-2: ORDER (n)\nRows: 1\nColumns: 1\n\n"
                                             "Constraint-501: >=\nRows: NA\nColumns: NA\n"
                                             "arg1 = Invariant-1\narg2 = Invariant-2\n\n"));
}

void tst_ProblemReport::listing_data()
{
    QTest::addColumn<bool>("debug");
    QTest::newRow("debug") << true;
    QTest::newRow("not debug") << false;
}

void tst_ProblemReport::listing()
{
    QFETCH(bool, debug);
    Graph g("G", false);
    g.randomGraph(4);
    Problem p(&g, "board", false);
    Calculus *size = make("SIZE"), *order = make("ORDER"), *ge = make(">=");
    p.addInvariantItemLoadMode(size);
    // Inserted in front: the list is ORDER, SIZE.
    p.addInvariantItem(order);
    p.addConstraintItem(ge);
    p.addZItem(make("MINIMIZE"));
    p.link1(size, ge);
    p.link2(order, ge);
    QSignalSpy console(&p, &Problem::signal_console);
    const QByteArray err = captureStderr([&] { p.display(debug); });
    QCOMPARE(console.count(), 1);
    const QString text = console.at(0).at(0).toString();
    QCOMPARE(console.at(0).at(1).toBool(), debug);
    QCOMPARE(err, text.toUtf8() + "\n");
    const QStringList lines = text.split('\n');
    // Rulers, three names, three item lines each followed by an empty line, final newline.
    QCOMPARE(lines.size(), 1 + 3 + 6 + 1 + 1);
    QCOMPARE(lines[0], QString(19, '='));
    QCOMPARE(lines.mid(1, 3), QStringList({"Name     = board", "FileName = ", "BaseName = "}));
    QVERIFY(lines[4].startsWith("ORDER\t"));
    QVERIFY(lines[6].startsWith("SIZE\t"));
    QVERIFY(lines[8].startsWith(">=\t"));
    QVERIFY(lines[8].endsWith("\t1\t0\tNULL\tNULL"));
    QCOMPARE(lines[5] + lines[7] + lines[9], QString());
    QCOMPARE(lines[10], QString(19, '='));
}

void tst_ProblemReport::titleAndDescription()
{
    Graph g("G", false);
    Problem p(&g, "board", false);
    p.slot_set_title("  A title ");
    p.slot_set_description("first\n\tsecond\n");
    QCOMPARE(p.userTitle(), QString("  A title "));
    QCOMPARE(p.userDescription(), QString("first\n\tsecond\n"));
    p.addInvariantItemLoadMode(make("ORDER"));
    p.clear();
    QCOMPARE(p.userTitle(), QString("  A title "));
    p.slot_set_title(QString());
    QCOMPARE(p.userTitle(), QString());
}

QTEST_MAIN(tst_ProblemReport)
#include "tst_ProblemReport.moc"
