#include "BoardFixtures.h"

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

/// Edge lists "order:a-b,c-d"; built edge by edge so that every change moves the counter.
void build(Graph &g, const QString &spec)
{
    g.clear();
    const int n = spec.section(':', 0, 0).toInt();
    for (int i = 0; i < n; ++i)
        g.addNode();
    for (const QString &e : spec.section(':', 1).split(',', QString::SkipEmptyParts))
        g.addEdge(e.section('-', 0, 0).toInt(), e.section('-', 1).toInt());
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
    void inErrorReportsUndefined_data();
    void inErrorReportsUndefined();
};

void tst_ProblemReport::algDefinition_data()
{
    QTest::addColumn<QStringList>("items"); // keyword, or keyword/argument1/argument2 by index
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QStringList{} << "";
    QTest::newRow("maximise with constraint")
        << QStringList{"SIZE", "ORDER", "WIENER", ">=/0/1", "MAXIMIZE/2"}
        << "Max\tZ1 = WIENER(G)\nSubject to\nConstraint1 : SIZE(G) >= ORDER(G)\n";
    QTest::newRow("both directions and minimise")
        << QStringList{"~SIZE", "MAXMIN/0", "MINIMIZE"}
        << "MinMax\tZ1 = SIZE(GBAR)\nMin\tZ2 = MISSING ARGUMENT\n";
    QTest::newRow("constraints only")
        << QStringList{"~CONNECTED", "<"}
        << "Subject to\nConstraint1 : CONNECTED(GBAR)\nConstraint2 : MISSING ARGUMENT\n";
}

void tst_ProblemReport::algDefinition()
{
    QFETCH(QStringList, items);
    QFETCH(QString, expected);
    Graph g("G", false);
    g.randomGraph(5);
    Problem p(&g, "board", false);
    QStringList records;
    for (const QString &entry : items) {
        const QStringList parts = entry.split('/');
        const bool complement = parts[0].startsWith('~');
        QStringList args = parts.mid(1);
        while (args.size() < 4)
            args << "NULL";
        records << line(parts[0].mid(complement), args, {},
                        complement ? "0\t0\t0\t1" : "0\t0\t0\t0");
    }
    QVERIFY(p.openString(text(records)));
    QCOMPARE(p.algDefinition(), expected);
}

void tst_ProblemReport::namesAndValuesLineUp_data()
{
    QTest::addColumn<int>("n");
    for (int n : {0, 1, 5})
        QTest::newRow(qPrintable(QString("n = %1").arg(n))) << n;
}

void tst_ProblemReport::namesAndValuesLineUp()
{
    QFETCH(int, n);
    Graph g("G", false);
    g.randomGraph(n);
    Problem p(&g, "board", false);
    // Report flags: 1 in the report, 2 node value, 4 vector.
    const struct {
        const char *keyword, *given;
        int flags;
    } items[] = {{"ORDER", "", 1}, {"DEGREES", "deg", 3}, {"DEGREES", "dv", 5}, {"SIZE", "", 0},
                 {"ORDER", "deg", 1}, {"KCHERRIES", "kc", 7}};
    for (const auto &it : items) {
        Calculus *c = make(it.keyword, it.given);
        p.addInvariantItemLoadMode(c);
        c->setInReport(it.flags & 1);
        c->setNodInReport(it.flags & 2);
        c->setVecInReport(it.flags & 4);
    }
    Calculus *connected = make("CONNECTED"), *z = make("MINIMIZE", "obj");
    p.addConstraintItem(connected);
    p.addZItem(z);
    p.link1(p.getItems()[0], z);
    connected->setInReport(true);
    z->setInReport(true);
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
    QVector<double> outside = {double(n), 1e12};
    outside << deg << double(n) << 1e12 << double(n);
    QCOMPARE(p.getReportValues(33), outside);
}

void tst_ProblemReport::inErrorReportsUndefined_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("before");  // a graph the item computes on
    QTest::addColumn<QString>("failing"); // a graph on which it fails
    QTest::newRow("AVDIST, disconnected") << "AVDIST"
                                          << "4:0-1,1-2,2-3"
                                          << "4:0-1,2-3";
    QTest::newRow("BALABAN, disconnected") << "BALABAN"
                                           << "4:0-1,0-2,0-3,1-2"
                                           << "5:0-1,2-3";
    QTest::newRow("CHROMATIC of K1") << "CHROMATIC"
                                     << "4:0-1,0-2,0-3,1-2,1-3,2-3"
                                     << "1:";
    QTest::newRow("KIRCHHOFF of K2") << "KIRCHHOFF"
                                     << "3:0-1,1-2,0-2"
                                     << "2:0-1";
}

/// An item in error shows the undefined value in both rows, never an earlier graph's value;
/// computed again on a sound graph it shows its value again.
void tst_ProblemReport::inErrorReportsUndefined()
{
    QFETCH(QString, keyword);
    QFETCH(QString, before);
    QFETCH(QString, failing);
    Graph g("G", false);
    Problem p(&g, "board", false);
    Calculus *c = make(qPrintable(keyword));
    p.addInvariantItemLoadMode(c);
    c->setInReport(true);
    for (const QString &spec : {before, failing, before}) {
        build(g, spec);
        p.compute(true);
        const bool fails = spec == failing;
        QCOMPARE(c->getError(), fails);
        const double shown = p.getReportValues().value(0);
        QCOMPARE(shown == 1e12, fails);
        QVERIFY(fails || shown == c->getValue(1));
        QCOMPARE(p.getReportValues(1).value(0), shown);
    }
}

QTEST_MAIN(tst_ProblemReport)
#include "tst_ProblemReport.moc"
