#include "StderrCapture.h"

#include "graph/Graph.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"

#include <QtTest>

#include <memory>

using Category = BuildCalculus::Category;
Q_DECLARE_METATYPE(Category)

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
    void lists();
    void categoryCodes_data();
    void categoryCodes();
    void registeredKeywordsAreKnown();
    void everyKeyword_data();
    void everyKeyword();
    void documentation();
};

void tst_BuildCalculus::lists()
{
    BuildCalculus c;
    const QList<QPair<QStringList, QString>> lists = {
        {c.InvariantsVal,
         "AVDIST BALABAN CLAWS CLIQMAX CHROMATIC DEGMAX DEGMIN DIAMETER DOMINATION ENERGY GIRTH "
         "HARARY K4 KIRCHHOFF NCONN ORDER PENDING PLATT RADIUS RANDIC SIZE STABLEMAX SZEGED "
         "TRIANGLES WIENER ZAGREBM1 ZAGREBM2"},
        {c.InvariantsVec,
         "CENTRALITY CLOSENESS CUTCENTRALITY CHROMATICVAL DCENTRALITY DCENTRALITY2 DEGREES "
         "DISTCLOSESTLEAF ECCENTRICITY HARMONIC IINDEX INCLIQMAX INDOMINATION INSTABLEMAX "
         "KCHERRIES NUMERO ONEVEC SUMDISTP TRANSMISSION"},
        {c.InvariantsMat,
         "ADJACENCY BETWEENNESS COMNEIGH DBETW DBETW2 DISTANCES EINCLIQMAX IDENTITY INGIRTH INPCC "
         "INDIAMETER LAPLACIAN MODULARITY NLAPLACIAN ONEMAT SLLAPLACIAN"},
        {c.InvariantsFam, "CATERPILLAR COMET LOBSTER PATH SPIDER STAR TREE"},
        {c.Operators,
         "CONSTANT + - * .* / ADDCOLS ANGLE ABS CENTER CEIL CHOLESKY COLUMN CORR DETERMINANT DIAG "
         "DPALINDROMIC ECORR EIGENVALUES EIGENVECTORS EUCLIDIANDIST EXP FIRST FLOOR IFGE INERTIA "
         "LAPLACIANOF LAST MANHATTANDIST MAX MAXCOL MAXROW MIN MMAX MMIN MOMENT NBEQ NBVALUES "
         "NORMALIZEMAT ROW SECOND SORT SQRT SUM SUMCOL SUMGE SUMPRODUCT SUMROW TRANSPOSE VALUE_AT "
         "VAR"},
        {c.Constraints, "< <= == >= > CONNECTED"}};
    QStringList all;
    for (const auto &list : lists) {
        QCOMPARE(list.first, list.second.split(' ').replaceInStrings("_", " "));
        all += list.first;
    }
    // All is the lists in order, then the objectives.
    QCOMPARE(c.All, all + QStringList({"Z", "OBJECTIVE", "MINIMIZE", "MAXIMIZE", "MAXMIN"}));
}

void tst_BuildCalculus::categoryCodes_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<Category>("category");
    // Keywords are exact: case, blanks and the category names are not keywords.
    const QStringList keywords{"WIENER", "DBETW2", "TREE", "VALUE AT", ".*", "CONNECTED", "Z",
                               "OBJECTIVE", "MINIMIZE", "MAXIMIZE", "MAXMIN", "order", " SIZE",
                               "SIZE ", "VALUEAT", "InvariantsVal"};
    const Category categories[] = {
        Category::Invariant, Category::Invariant,  Category::Family,    Category::Operator,
        Category::Operator,  Category::Constraint, Category::Objective, Category::Objective,
        Category::Objective, Category::Objective,  Category::Objective, Category::Unknown,
        Category::Unknown,   Category::Unknown,    Category::Unknown,   Category::Unknown};
    for (int i = 0; i < keywords.size(); ++i)
        QTest::newRow(qPrintable("'" + keywords[i] + "'")) << keywords[i] << categories[i];
}

void tst_BuildCalculus::categoryCodes()
{
    QFETCH(QString, keyword);
    QFETCH(Category, category);
    BuildCalculus catalogue;
    QVERIFY(catalogue.type(keyword) == category);
    if (category != Category::Unknown)
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
    const Category category = catalogue.type(keyword);
    const QMap<Category, QString> types = {
        {Category::Unknown, "Invariant"}, // NBETWEENNESS
        {Category::Invariant, "Invariant"}, {Category::Family, "Family"},
        {Category::Operator, "Operator"},   {Category::Constraint, "Constraint"},
        {Category::Objective, "Z"}};
    QCOMPARE(item->name, category == Category::Objective ? QStringLiteral("Z") : keyword);
    QCOMPARE(item->getType(), types[category]);
    QCOMPARE(item->getCalculusDisplay() != nullptr, graphical);
    // The tool tip reads the same texts as an item built with its dialog.
    if (graphical)
        QCOMPARE(catalogue.toolTip(keyword), item->name + ": " + item->textDocumentation());
    // Several graph invariants are undefined on a disconnected graph: compute on a connected one.
    Graph g("G", false);
    g.randomGraph(9);
    for (int v = 1; v < 9; ++v)
        g.addEdge(v - 1, v);
    item->setGraph(&g);
    item->bestBackup();
    if (category == Category::Invariant || category == Category::Family)
        QVERIFY(!item->getError());

    const QString givenName = graphical ? QString("name %1").arg(flags) : QString();
    void (Calculus::*const setFlag[])(bool) = {&Calculus::setInReport,
                                               &Calculus::setNodInReport,
                                               &Calculus::setVecInReport,
                                               &Calculus::setInvertGraph};
    item->setGivenName(givenName);
    for (int k = 0; k < 4; ++k)
        (item.get()->*setFlag[k])(flags & (1 << k));
    item->setPos(12.5 * flags, -40.25);
    const QString line = item->getCaractToSave();
    const QStringList f = fieldsOf(line);
    QVERIFY(f.size() >= 12);
    QCOMPARE(f.mid(0, 2) + f.mid(5, 7),
             QStringList({item->name, givenName, QString::number(flags >> 3),
                          QString::number(12.5 * flags), "-40.25", "NULL", "NULL", "NULL",
                          "NULL"}));
    // Read back through the fields alone, the item writes the same line.
    std::unique_ptr<Calculus> again(catalogue.makeCalculus(f[0], graphical));
    QVERIFY(again);
    again->setGivenName(f[1]);
    for (int k = 0; k < 4; ++k)
        (again.get()->*setFlag[k])(f[2 + k] == "1");
    again->setPos(f[6].toDouble(), f[7].toDouble());
    if (category == Category::Objective) { // the objective's direction travels in the line's tail
        again->setMin(f.value(12).endsWith("min"));
        again->setMax(f.value(12).startsWith("max"));
    }
    QCOMPARE(again->getCaractToSave(), line);
}

void tst_BuildCalculus::documentation()
{
    BuildCalculus c;
    const QString order = "ORDER : Order of the graph, n = |V| the number of vertices of G.\n";
    const QString degmax = "DEGMAX : Maximum degree among vertices of the graph.\n";
    QString values, vectors, lower, unknownTip;
    QCOMPARE(c.Documentation("ORDER"), order);
    QCOMPARE(c.toolTip("ORDER"), "ORDER: " + order);
    captureStderr([&] {
        values = c.Documentation("InvariantsVal");
        vectors = c.Documentation("InvariantsVec");
        unknownTip = c.toolTip("FOO");
    });
    QVERIFY(values.indexOf(degmax) >= 0);
    QVERIFY(values.indexOf(degmax) < values.indexOf(order)); // list order, not byte order
    QVERIFY(!vectors.contains(order));
    QCOMPARE(unknownTip, QStringLiteral("Undefined object."));
    const QByteArray err = captureStderr([&] { lower = c.Documentation("invariantsval"); });
    QCOMPARE(lower, QString());
    QCOMPARE(err, QByteArray("invariantsval unknown!!\n"));
}

QTEST_MAIN(tst_BuildCalculus)
#include "tst_BuildCalculus.moc"
