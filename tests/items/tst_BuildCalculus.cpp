#include "StderrCapture.h"

#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"

#include <QtTest>

#include <memory>

/// Fields of an item line cut at every tab, empty ones kept, as the problem reader cuts them.
static QStringList fieldsOf(const QString &line)
{
    return line.endsWith('\n') ? line.chopped(1).split('\t') : QStringList();
}

class tst_BuildCalculus : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void lists_data();
    void lists();
    void categoryCodes_data();
    void categoryCodes();
    void registeredKeywordsAreKnown();
    void everyKeyword_data();
    void everyKeyword();
    void documentation();
};

void tst_BuildCalculus::lists_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("InvariantsVal")
        << "InvariantsVal"
        << QString("AVDIST BALABAN CLAWS CLIQMAX CHROMATIC DEGMAX DEGMIN DIAMETER DOMINATION "
                   "ENERGY GIRTH HARARY K4 KIRCHHOFF NCONN ORDER PENDING PLATT RADIUS RANDIC "
                   "SIZE STABLEMAX SZEGED TRIANGLES WIENER ZAGREBM1 ZAGREBM2")
               .split(' ');
    QTest::newRow("InvariantsVec")
        << "InvariantsVec"
        << QString("CENTRALITY CLOSENESS CUTCENTRALITY CHROMATICVAL DCENTRALITY DCENTRALITY2 "
                   "DEGREES DISTCLOSESTLEAF ECCENTRICITY HARMONIC IINDEX INCLIQMAX "
                   "INDOMINATION INSTABLEMAX KCHERRIES NUMERO ONEVEC SUMDISTP TRANSMISSION")
               .split(' ');
    QTest::newRow("InvariantsMat")
        << "InvariantsMat"
        << QString("ADJACENCY BETWEENNESS COMNEIGH DBETW DBETW2 DISTANCES EINCLIQMAX IDENTITY "
                   "INGIRTH INPCC INDIAMETER LAPLACIAN MODULARITY NLAPLACIAN ONEMAT SLLAPLACIAN")
               .split(' ');
    QTest::newRow("InvariantsFam")
        << "InvariantsFam" << QString("CATERPILLAR COMET LOBSTER PATH SPIDER STAR TREE").split(' ');
    QStringList operators = QString("CONSTANT + - * .* / ADDCOLS ANGLE ABS CENTER CEIL CHOLESKY "
                                    "COLUMN CORR DETERMINANT DIAG DPALINDROMIC ECORR EIGENVALUES "
                                    "EIGENVECTORS EUCLIDIANDIST EXP FIRST FLOOR IFGE INERTIA "
                                    "LAPLACIANOF LAST MANHATTANDIST MAX MAXCOL MAXROW MIN MMAX "
                                    "MMIN MOMENT NBEQ NBVALUES NORMALIZEMAT ROW SECOND SORT SQRT "
                                    "SUM SUMCOL SUMGE SUMPRODUCT SUMROW TRANSPOSE")
                                .split(' ');
    operators << "VALUE AT"
              << "VAR";
    QTest::newRow("Operators") << "Operators" << operators;
    QTest::newRow("Constraints") << "Constraints"
                                 << QStringList{"<", "<=", "==", ">=", ">", "CONNECTED"};
}

void tst_BuildCalculus::lists()
{
    QFETCH(QString, list);
    QFETCH(QStringList, expected);
    BuildCalculus c;
    const QMap<QString, QStringList> byName = {
        {"InvariantsVal", c.InvariantsVal}, {"InvariantsVec", c.InvariantsVec},
        {"InvariantsMat", c.InvariantsMat}, {"InvariantsFam", c.InvariantsFam},
        {"Operators", c.Operators},         {"Constraints", c.Constraints}};
    QCOMPARE(byName[list], expected);
    // All is the lists in order, then the objectives.
    const QStringList all = c.InvariantsVal + c.InvariantsVec + c.InvariantsMat +
                            c.InvariantsFam + c.Operators + c.Constraints +
                            QStringList{"Z", "OBJECTIVE", "MINIMIZE", "MAXIMIZE", "MAXMIN"};
    QCOMPARE(c.All, all);
}

void tst_BuildCalculus::categoryCodes_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("code");
    QTest::newRow("value") << "WIENER" << 1;
    QTest::newRow("matrix") << "DBETW2" << 1;
    QTest::newRow("family") << "TREE" << 2;
    QTest::newRow("value at") << "VALUE AT" << 3;
    QTest::newRow("dot times") << ".*" << 3;
    QTest::newRow("connected") << "CONNECTED" << 4;
    for (const char *z : {"Z", "OBJECTIVE", "MINIMIZE", "MAXIMIZE", "MAXMIN"})
        QTest::newRow(z) << z << 5;
    QTest::newRow("lower case") << "order" << 0;
    QTest::newRow("leading blank") << " SIZE" << 0;
    QTest::newRow("trailing blank") << "SIZE " << 0;
    QTest::newRow("no blank") << "VALUEAT" << 0;
    QTest::newRow("category name") << "InvariantsVal" << 0;
}

void tst_BuildCalculus::categoryCodes()
{
    QFETCH(QString, keyword);
    QFETCH(int, code);
    BuildCalculus catalogue;
    QCOMPARE(catalogue.type(keyword), code);
    if (code != 0)
        return;
    Calculus *item = reinterpret_cast<Calculus *>(1);
    const QByteArray err = captureStderr([&] { item = catalogue.makeCalculus(keyword, false); });
    QVERIFY(!item);
    QCOMPARE(err, keyword.toUtf8() + " unknown!!\n");
}

void tst_BuildCalculus::registeredKeywordsAreKnown()
{
    BuildCalculus catalogue;
    const QStringList registered = BuildCalculus::registeredKeywords();
    QCOMPARE(registered.toSet().size(), registered.size());
    for (const QString &k : registered)
        QVERIFY2(catalogue.All.contains(k) || k == "NBETWEENNESS", qPrintable(k));
    // Every keyword of the lists answers either with an item or as unknown, never crashes.
    for (const QString &k : catalogue.All) {
        Calculus *item = nullptr;
        captureStderr([&] { item = catalogue.makeCalculus(k, false); });
        QCOMPARE(item != nullptr, registered.contains(k));
        delete item;
    }
}

void tst_BuildCalculus::everyKeyword_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<bool>("graphical");
    QTest::addColumn<int>("flags");
    int i = 0;
    for (const QString &k : BuildCalculus::registeredKeywords()) {
        ++i;
        QTest::newRow(qPrintable(k + " bare")) << k << false << (i % 16);
        QTest::newRow(qPrintable(k + " graphical")) << k << true << ((i * 7) % 16);
    }
}

void tst_BuildCalculus::everyKeyword()
{
    QFETCH(QString, keyword);
    QFETCH(bool, graphical);
    QFETCH(int, flags);
    BuildCalculus catalogue;
    std::unique_ptr<Calculus> item(catalogue.makeCalculus(keyword, graphical));
    QVERIFY(item);
    const int code = catalogue.type(keyword);
    const QStringList types = {"Invariant", "Invariant", "Family", "Operator", "Constraint", "Z"};
    QCOMPARE(item->name, code == 5 ? QStringLiteral("Z") : keyword);
    QCOMPARE(item->getType(), types[code]); // code 0: NBETWEENNESS
    QCOMPARE(item->getCalculusDisplay() != nullptr, graphical);
    // Several graph invariants are undefined on a disconnected graph: compute on a connected one.
    Graph g("G", false);
    g.randomGraph(9);
    for (int v = 1; v < 9; ++v)
        g.addEdge(v - 1, v);
    item->setGraph(&g);
    item->bestBackup();
    if (code == 1 || code == 2)
        QVERIFY(!item->getError());

    const QString givenName = graphical ? QString("name %1").arg(flags) : QString();
    item->setGivenName(givenName);
    item->setInReport(flags & 1);
    item->setNodInReport(flags & 2);
    item->setVecInReport(flags & 4);
    item->setInvertGraph(flags & 8);
    item->setPos(12.5 * flags, -40.25);
    const QString line = item->getCaractToSave();
    const QStringList f = fieldsOf(line);
    QVERIFY(f.size() >= 12);
    QCOMPARE(f[0], item->name);
    QCOMPARE(f[1], givenName);
    QCOMPARE(f[5] == "1", bool(flags & 8));
    QCOMPARE(f[6].toDouble(), 12.5 * flags);
    QCOMPARE(f[7].toDouble(), -40.25);
    QCOMPARE(f.mid(8, 4), (QStringList{"NULL", "NULL", "NULL", "NULL"}));

    std::unique_ptr<Calculus> again(catalogue.makeCalculus(f[0], graphical));
    QVERIFY(again);
    again->setGivenName(f[1]);
    again->setInReport(f[2] == "1");
    again->setNodInReport(f[3] == "1");
    again->setVecInReport(f[4] == "1");
    again->setInvertGraph(f[5] == "1");
    again->setPos(f[6].toDouble(), f[7].toDouble());
    if (again->getType() == QLatin1String("Z")) {
        // The objective's direction travels in the line's tail, not in its keyword.
        const QString direction = f.value(12);
        again->setMin(direction == "min" || direction == "maxmin");
        again->setMax(direction == "max" || direction == "maxmin");
    }
    QCOMPARE(again->getCaractToSave(), line);
}

void tst_BuildCalculus::documentation()
{
    BuildCalculus c;
    const QString order = "ORDER : Order of the graph, n = |V| the number of vertices of G.\n";
    const QString degmax = "DEGMAX : Maximum degree among vertices of the graph.\n";
    QCOMPARE(c.Documentation("ORDER"), order);
    QString values, vectors, lower;
    QByteArray err = captureStderr([&] {
        values = c.Documentation("InvariantsVal");
        vectors = c.Documentation("InvariantsVec");
    });
    QVERIFY(values.indexOf(degmax) >= 0);
    QVERIFY(values.indexOf(degmax) < values.indexOf(order)); // list order, not table order
    QVERIFY(!vectors.contains(order));
    err = captureStderr([&] { lower = c.Documentation("invariantsval"); });
    QCOMPARE(lower, QString());
    QCOMPARE(err, QByteArray("invariantsval unknown!!\n"));
    QCOMPARE(c.toolTip("ORDER"), "ORDER: " + order);
    captureStderr([&] { QCOMPARE(c.toolTip("FOO"), QStringLiteral("Undefined object.")); });
}

QTEST_MAIN(tst_BuildCalculus)
#include "tst_BuildCalculus.moc"
