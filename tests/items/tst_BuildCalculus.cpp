#include "StderrCapture.h"

#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"

#include <QtTest>

#include <memory>

/// An item line read back the way the problem reader reads it: fields cut at every tab,
/// empty ones kept; "1" is true; positions as numbers; arguments "NULL" or an index.
struct ItemLine {
    QString name, givenName;
    bool report = false, node = false, vector = false, complement = false;
    double x = 0, y = 0;
    QStringList args;
    QStringList tail;
    bool ok = false;
};

static ItemLine readItemLine(const QString &line)
{
    ItemLine r;
    if (!line.endsWith('\n'))
        return r;
    const QStringList f = line.left(line.size() - 1).split('\t');
    if (f.size() < 12)
        return r;
    r.name = f[0];
    r.givenName = f[1];
    r.report = f[2] == "1";
    r.node = f[3] == "1";
    r.vector = f[4] == "1";
    r.complement = f[5] == "1";
    r.x = f[6].toDouble();
    r.y = f[7].toDouble();
    r.args = f.mid(8, 4);
    r.tail = f.mid(12);
    r.ok = true;
    return r;
}

class tst_BuildCalculus : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void lists_data();
    void lists();
    void allList();
    void categoryCodes_data();
    void categoryCodes();
    void unknownKeywords_data();
    void unknownKeywords();
    void registeredKeywordsAreKnown();
    void everyKeywordBuilds_data();
    void everyKeywordBuilds();
    void itemLineRoundTrip_data();
    void itemLineRoundTrip();
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
    BuildCalculus catalogue;
    const QMap<QString, QStringList> byName = {
        {"InvariantsVal", catalogue.InvariantsVal}, {"InvariantsVec", catalogue.InvariantsVec},
        {"InvariantsMat", catalogue.InvariantsMat}, {"InvariantsFam", catalogue.InvariantsFam},
        {"Operators", catalogue.Operators},         {"Constraints", catalogue.Constraints}};
    QCOMPARE(byName[list], expected);
}

void tst_BuildCalculus::allList()
{
    BuildCalculus c;
    QCOMPARE(c.InvariantsVal.size(), 27);
    QCOMPARE(c.InvariantsVec.size(), 19);
    QCOMPARE(c.InvariantsMat.size(), 16);
    QCOMPARE(c.InvariantsFam.size(), 7);
    QCOMPARE(c.Operators.size(), 51);
    QCOMPARE(c.Constraints.size(), 6);
    QCOMPARE(c.All.size(), 131);
    QCOMPARE(c.All.mid(126), (QStringList{"Z", "OBJECTIVE", "MINIMIZE", "MAXIMIZE", "MAXMIN"}));
    QCOMPARE(c.All.mid(0, 27), c.InvariantsVal);
    QCOMPARE(c.All.mid(69, 51), c.Operators);
    QCOMPARE(c.All.mid(120, 6), c.Constraints);
    QCOMPARE(c.Operators.first(), QStringLiteral("CONSTANT"));
}

void tst_BuildCalculus::categoryCodes_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("code");
    QTest::newRow("value") << "WIENER" << 1;
    QTest::newRow("vector") << "DEGREES" << 1;
    QTest::newRow("matrix") << "DBETW2" << 1;
    QTest::newRow("family") << "TREE" << 2;
    QTest::newRow("constant") << "CONSTANT" << 3;
    QTest::newRow("value at") << "VALUE AT" << 3;
    QTest::newRow("dot times") << ".*" << 3;
    QTest::newRow("constraint") << "<=" << 4;
    QTest::newRow("connected") << "CONNECTED" << 4;
    for (const char *z : {"Z", "OBJECTIVE", "MINIMIZE", "MAXIMIZE", "MAXMIN"})
        QTest::newRow(z) << z << 5;
    QTest::newRow("nbetweenness") << "NBETWEENNESS" << 0;
    QTest::newRow("lower case") << "order" << 0;
    QTest::newRow("leading blank") << " ORDER" << 0;
    QTest::newRow("trailing blank") << "ORDER " << 0;
    QTest::newRow("category name") << "InvariantsVal" << 0;
    QTest::newRow("empty") << "" << 0;
}

void tst_BuildCalculus::categoryCodes()
{
    QFETCH(QString, keyword);
    QFETCH(int, code);
    BuildCalculus catalogue;
    QCOMPARE(catalogue.type(keyword), code);
}

void tst_BuildCalculus::unknownKeywords_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::newRow("lower case") << "order";
    QTest::newRow("no blank") << "VALUEAT";
    QTest::newRow("leading blank") << " SIZE";
    QTest::newRow("trailing blank") << "SIZE ";
    QTest::newRow("nonsense") << "FOO";
}

void tst_BuildCalculus::unknownKeywords()
{
    QFETCH(QString, keyword);
    BuildCalculus catalogue;
    Calculus *item = reinterpret_cast<Calculus *>(1);
    const QByteArray err = captureStderr([&] { item = catalogue.makeCalculus(keyword, false); });
    QVERIFY(!item);
    QCOMPARE(err, keyword.toUtf8() + " unknown!!\n");
}

void tst_BuildCalculus::registeredKeywordsAreKnown()
{
    BuildCalculus catalogue;
    const QStringList registered = BuildCalculus::registeredKeywords();
    QVERIFY(registered.size() >= 7);
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
    std::unique_ptr<Calculus> constant;
    captureStderr([&] { constant.reset(catalogue.makeConstant(false)); });
    QCOMPARE(constant != nullptr, registered.contains("CONSTANT"));
}

void tst_BuildCalculus::everyKeywordBuilds_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<bool>("graphical");
    for (const QString &k : BuildCalculus::registeredKeywords()) {
        QTest::newRow(qPrintable(k + " bare")) << k << false;
        QTest::newRow(qPrintable(k + " graphical")) << k << true;
    }
}

void tst_BuildCalculus::everyKeywordBuilds()
{
    QFETCH(QString, keyword);
    QFETCH(bool, graphical);
    BuildCalculus catalogue;
    std::unique_ptr<Calculus> item(catalogue.makeCalculus(keyword, graphical));
    QVERIFY(item);
    const int code = catalogue.type(keyword);
    const QMap<int, QString> typeOfCode = {
        {1, "Invariant"}, {2, "Family"}, {3, "Operator"}, {4, "Constraint"}, {5, "Z"}};
    if (code == 5)
        QCOMPARE(item->name, QStringLiteral("Z"));
    else
        QCOMPARE(item->name, keyword);
    if (code != 0)
        QCOMPARE(item->getType(), typeOfCode[code]);
    else
        QCOMPARE(item->getType(), QStringLiteral("Invariant")); // NBETWEENNESS
    QCOMPARE(item->graphical, graphical);
    QCOMPARE(item->getCalculusDisplay() != nullptr, graphical);
    QCOMPARE(item->M.size(), 32);
    if (graphical) {
        QCOMPARE(item->zValue(), 1.0);
        QVERIFY(item->isVisible());
        QCOMPARE(item->pos(), QPointF(item->x, item->y));
        QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
        QVERIFY(item->flags() & QGraphicsItem::ItemSendsGeometryChanges);
        QVERIFY(item->getCalculusDisplay()->isHidden());
    }
    // Computing on a connected graph, with and without its dialog, must not fail for a graph
    // invariant (several are undefined on a disconnected one).
    Graph g("G", false);
    g.randomGraph(9);
    for (int v = 1; v < 9; ++v)
        g.addEdge(v - 1, v);
    item->setGraph(&g);
    item->bestBackup();
    if (code == 1 || code == 2)
        QVERIFY(!item->getError());
}

void tst_BuildCalculus::itemLineRoundTrip_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<bool>("graphical");
    QTest::addColumn<QString>("givenName");
    QTest::addColumn<int>("flags");
    int i = 0;
    for (const QString &k : BuildCalculus::registeredKeywords()) {
        ++i;
        QTest::newRow(qPrintable(k + " bare")) << k << false << QString() << (i % 16);
        QTest::newRow(qPrintable(k + " graphical"))
            << k << true << QString("name %1").arg(i) << ((i * 7) % 16);
    }
}

void tst_BuildCalculus::itemLineRoundTrip()
{
    QFETCH(QString, keyword);
    QFETCH(bool, graphical);
    QFETCH(QString, givenName);
    QFETCH(int, flags);
    BuildCalculus catalogue;
    std::unique_ptr<Calculus> item(catalogue.makeCalculus(keyword, graphical));
    QVERIFY(item);
    item->setGivenName(givenName);
    item->setInReport(flags & 1);
    item->setNodInReport(flags & 2);
    item->setVecInReport(flags & 4);
    item->setInvertGraph(flags & 8);
    item->setPos(12.5 * flags, -40.25);
    const QString line = item->getCaractToSave();

    const ItemLine read = readItemLine(line);
    QVERIFY(read.ok);
    QCOMPARE(read.name, item->name);
    QCOMPARE(read.givenName, givenName);
    QCOMPARE(read.complement, bool(flags & 8));
    QCOMPARE(read.x, 12.5 * flags);
    QCOMPARE(read.y, -40.25);
    QCOMPARE(read.args, (QStringList{"NULL", "NULL", "NULL", "NULL"}));

    std::unique_ptr<Calculus> again(catalogue.makeCalculus(read.name, graphical));
    QVERIFY(again);
    again->setGivenName(read.givenName);
    again->setInReport(read.report);
    again->setNodInReport(read.node);
    again->setVecInReport(read.vector);
    again->setInvertGraph(read.complement);
    again->setPos(read.x, read.y);
    if (again->getType() == QLatin1String("Z")) {
        // The objective's direction travels in the line's tail, not in its keyword.
        const QString direction = line.section(QLatin1Char('\t'), 12, 12).trimmed();
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
    QCOMPARE(c.textDefinition("ORDER"), order);
    // Keywords of the lists without an item class yet answer as unknown on standard error.
    QString values, vectors, all;
    captureStderr([&] {
        values = c.Documentation("InvariantsVal");
        vectors = c.Documentation("InvariantsVec");
        all = c.Documentation("All");
    });
    QVERIFY(values.contains(order));
    QVERIFY(values.indexOf(degmax) >= 0);
    QVERIFY(values.indexOf(degmax) < values.indexOf(order)); // list order, not table order
    QVERIFY(!vectors.contains(order));
    QVERIFY(all.contains(order));

    QString lower;
    const QByteArray err = captureStderr([&] { lower = c.Documentation("invariantsval"); });
    QCOMPARE(lower, QString());
    QCOMPARE(err, QByteArray("invariantsval unknown!!\n"));

    QCOMPARE(c.toolTip("ORDER"), "ORDER: " + order);
    QCOMPARE(
        c.latexDefinition("SIZE"),
        QStringLiteral("Size of the graph, $m = |E|$, the number of edges of the graph.\\n\\n"));
    captureStderr([&] {
        QCOMPARE(c.toolTip("FOO"), QStringLiteral("Undefined object."));
        QCOMPARE(c.latexDefinition("FOO"), QStringLiteral("Undefined object."));
        QCOMPARE(c.textDefinition("FOO"), QStringLiteral("Undefined object."));
    });
}

QTEST_MAIN(tst_BuildCalculus)
#include "tst_BuildCalculus.moc"
