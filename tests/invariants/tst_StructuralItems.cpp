#include "graph/Graph.h"
#include "invariants/AdjacencyMatrices.h"
#include "invariants/CliqueSearch.h"
#include "invariants/Colouring.h"
#include "invariants/DegreeIndices.h"
#include "invariants/DominationSearch.h"
#include "invariants/HighlightSearch.h"
#include "invariants/SubgraphCounts.h"
#include "invariants/TreeFamilies.h"
#include "invariants/VertexConnectivity.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"

#include "../items/StderrCapture.h"
#include "CommonTest.h"
#include "StructuralFixtures.h"

#include <QCheckBox>
#include <QtTest>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(BitGraph)

namespace
{

const QStringList kValues = {"RANDIC",    "ZAGREBM1",   "ZAGREBM2", "PLATT",     "TRIANGLES",
                             "K4",        "CLAWS",      "NCONN",    "CHROMATIC", "CLIQMAX",
                             "STABLEMAX", "DOMINATION", "ENERGY",   "KIRCHHOFF"};
const QStringList kNodeVectors = {"ONEVEC", "NUMERO", "CHROMATICVAL"};
const QStringList kMarkVectors = {"INCLIQMAX", "INSTABLEMAX", "INDOMINATION"};
const QStringList kMatrices = {"ADJACENCY",   "COMNEIGH",   "IDENTITY",   "ONEMAT",  "LAPLACIAN",
                               "SLLAPLACIAN", "NLAPLACIAN", "MODULARITY", "INGIRTH", "INPCC"};
const QStringList kValueMatrices = {"EINCLIQMAX", "INDIAMETER"};
const QStringList kFamilies = {"TREE", "PATH", "STAR", "SPIDER", "CATERPILLAR", "COMET", "LOBSTER"};

void load(Graph &g, const BitGraph &b)
{
    g.clear();
    for (int v = 0; v < b.n; ++v)
        g.addNode();
    for (int i = 0; i < b.n; ++i)
        for (int j = i + 1; j < b.n; ++j)
            if (b.edge(i, j))
                g.addEdge(i, j);
}

std::unique_ptr<Calculus> make(const QString &keyword, Graph *g, bool complement = false)
{
    BuildCalculus catalogue;
    std::unique_ptr<Calculus> item(catalogue.makeCalculus(keyword, false));
    if (item) {
        item->setGraph(g);
        item->setInvertGraph(complement);
    }
    return item;
}

/// Computes keyword on b and returns the item.
std::unique_ptr<Calculus> on(const QString &keyword, Graph &g, const BitGraph &b,
                             bool complement = false)
{
    load(g, b);
    std::unique_ptr<Calculus> item = make(keyword, &g, complement);
    item->compute(true);
    return item;
}

QVector<double> block(const Calculus &item)
{
    QVector<double> out;
    for (int i = 0; i < item.rows; ++i)
        for (int j = 0; j < item.cols; ++j)
            out << item.M[i][j];
    return out;
}

QVector<double> marksOf(const BitGraph &marks)
{
    QVector<double> out;
    for (int i = 0; i < marks.n; ++i)
        for (int j = 0; j < marks.n; ++j)
            out << (marks.edge(i, j) ? 1.0 : 0.0);
    return out;
}

QCheckBox *checkBox(Calculus *item, const QString &text)
{
    for (QCheckBox *box : item->getCalculusDisplay()->findChildren<QCheckBox *>())
        if (box->text() == text)
            return box;
    return nullptr;
}

} // namespace

class tst_StructuralItems : public QObject
{
    Q_OBJECT
private slots:
    void catalogue();
    void dialogs();
    void randomGraphsFollowTheKernels();
    void complementFlag();
    void shapesWithoutVertices();
    void smallExamples();
    void spectralClosedForms_data();
    void spectralClosedForms();
    void spectralErrors();
    void highlights();
    void familyErrors();
    void withoutGraph();
};

void tst_StructuralItems::catalogue()
{
    BuildCalculus catalogue;
    auto check = [&](const QStringList &keywords, const char *type, const char *rows,
                     const char *cols, int code) {
        for (const QString &k : keywords) {
            std::unique_ptr<Calculus> item(catalogue.makeCalculus(k, false));
            QVERIFY2(item, qPrintable(k));
            QCOMPARE(item->name, k);
            QCOMPARE(item->getType(), QString(type));
            QCOMPARE(item->getSRows(), QString(rows));
            QCOMPARE(item->getSCols(), QString(cols));
            QCOMPARE(catalogue.type(k), code);
            QVERIFY(!item->getCalculusDisplay());
            QVERIFY(item->textDoc != "N/A" && !item->textDoc.isEmpty());
        }
    };
    check(kValues, "Invariant", "1", "1", 1);
    check(kNodeVectors + kMarkVectors, "Invariant", "n", "1", 1);
    check(kMatrices + kValueMatrices, "Invariant", "n", "n", 1);
    check(kFamilies, "Family", "1", "1", 2);
    std::unique_ptr<Calculus> instable(catalogue.makeCalculus("INSTABLEMAX", false));
    QCOMPARE(instable->latexDoc,
             QString("Vertices in a maximum stable set. To be used for display purpose."));
    QCOMPARE(instable->textDoc,
             QString("Vertices in a maximum stableset. To be used for display purpose."));
    std::unique_ptr<Calculus> randic(catalogue.makeCalculus("RANDIC", false));
    QVERIFY(
        randic->latexDoc.startsWith("Randi\\'c index, defined as $\\chi = \\sum_{(i,j)\\in E}"));
}

void tst_StructuralItems::dialogs()
{
    BuildCalculus catalogue;
    // Values, families and the display vectors and matrices take the value settings.
    for (const QString &k : kValues + kMarkVectors + kValueMatrices + kFamilies) {
        std::unique_ptr<Calculus> item(catalogue.makeCalculus(k, true));
        QVERIFY(item->getCalculusDisplay());
        QVERIFY2(item->getCalculusDisplay()->graphInReport(), qPrintable(k));
        QVERIFY(!item->getCalculusDisplay()->nodInReport());
        QCOMPARE(item->toolTip(), k);
        QCOMPARE(item->getCalculusDisplay()->getName(), k);
    }
    for (const QString &k : kNodeVectors) {
        std::unique_ptr<Calculus> item(catalogue.makeCalculus(k, true));
        QVERIFY2(item->getCalculusDisplay()->nodInReport(), qPrintable(k));
        QVERIFY(!item->getCalculusDisplay()->graphInReport());
    }
    // Every item offers the complement; only the matrices refuse the explorer.
    for (const QString &k :
         kValues + kNodeVectors + kMarkVectors + kMatrices + kValueMatrices + kFamilies) {
        std::unique_ptr<Calculus> item(catalogue.makeCalculus(k, true));
        QCheckBox *complement = checkBox(item.get(), "Complement");
        QCheckBox *explorer = checkBox(item.get(), "Insert in explorer");
        QVERIFY(complement && explorer);
        QVERIFY2(complement->isEnabled(), qPrintable(k));
        QCOMPARE(explorer->isEnabled(), !kMatrices.contains(k));
    }
}

void tst_StructuralItems::randomGraphsFollowTheKernels()
{
    qsrand(1234);
    Graph g("G", false);
    QMap<QString, std::shared_ptr<Calculus>> items;
    for (const QString &k :
         kValues + kNodeVectors + kMarkVectors + kMatrices + kValueMatrices + kFamilies)
        items[k] = make(k, &g);
    for (int round = 0; round < 120; ++round) {
        const BitGraph b = randomGraph(2 + round % 14, (qrand() % 101) / 100.0);
        load(g, b);
        for (auto &item : items)
            item->compute(true);
        const int n = b.n;
        SquareBlock m;
        uint32_t set = 0;
        auto value = [&](const char *k) { return items[k]->getValue(1); };
        QCOMPARE(value("RANDIC"), randicIndex(b));
        QCOMPARE(value("ZAGREBM1"), zagrebM1(b));
        QCOMPARE(value("ZAGREBM2"), zagrebM2(b));
        QCOMPARE(value("PLATT"), plattIndex(b));
        QCOMPARE(value("TRIANGLES"), double(triangleCount(b)));
        QCOMPARE(value("K4"), double(k4Count(b)));
        QCOMPARE(value("CLAWS"), double(clawCount(b)));
        QCOMPARE(value("NCONN"), double(vertexConnectivity(b)));
        int colour[32];
        QCOMPARE(value("CHROMATIC"), double(chromaticColouring(b, colour)));
        QCOMPARE(items["CHROMATICVAL"]->getFirstCol(), QVector<double>(colour, colour + n));
        QCOMPARE(value("CLIQMAX"), double(maximumClique(b, &set)));
        for (int v = 0; v < n; ++v)
            QCOMPARE(items["INCLIQMAX"]->M[v][0], double((set >> v) & 1u));
        QCOMPARE(value("STABLEMAX"), double(maximumStableSet(b, &set)));
        for (int v = 0; v < n; ++v)
            QCOMPARE(items["INSTABLEMAX"]->M[v][0], double((set >> v) & 1u));
        QCOMPARE(value("DOMINATION"), double(minimumDominatingSet(b, &set)));
        for (int v = 0; v < n; ++v)
            QCOMPARE(items["INDOMINATION"]->M[v][0], double((set >> v) & 1u));
        const std::pair<const char *, void (*)(const BitGraph &, SquareBlock &)> kernels[] = {
            {"ADJACENCY", adjacencyMatrix},
            {"COMNEIGH", commonNeighbourMatrix},
            {"LAPLACIAN", [](const BitGraph &x, SquareBlock &o) { laplacianMatrix(x, -1.0, o); }},
            {"SLLAPLACIAN", [](const BitGraph &x, SquareBlock &o) { laplacianMatrix(x, 1.0, o); }},
            {"NLAPLACIAN", normalizedLaplacianMatrix},
            {"MODULARITY", modularityMatrix}};
        for (const auto &k : kernels) {
            k.second(b, m);
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    QCOMPARE(items[k.first]->M[i][j], m[i][j]);
        }
        BitGraph marks;
        diameterPath(b, &marks);
        if (isConnected(b))
            QCOMPARE(block(*items["INDIAMETER"]), marksOf(marks));
        QCOMPARE(items["INDIAMETER"]->getError(), !isConnected(b));
        if (shortestCycle(b, &marks))
            QCOMPARE(block(*items["INGIRTH"]), marksOf(marks));
        QCOMPARE(items["INGIRTH"]->getError(), !isConnected(b) || !shortestCycle(b, nullptr));
        // Nobody pressed a vertex in this graph, so the tree grows from vertex 0.
        QCOMPARE(items["INPCC"]->getError(), !breadthFirstTree(b, 0, &marks));
        QCOMPARE(block(*items["INPCC"]), marksOf(marks));
        for (const QString &k : kFamilies) {
            const TreeFamily f = TreeFamily(kFamilies.indexOf(k));
            const FamilyAnswer a = treeFamilyMember(b, f);
            QCOMPARE(items[k]->getError(), a.error);
            QCOMPARE(items[k]->getValue(1), a.member ? 1.0 : 0.0);
        }
        // Shapes follow the order of this graph.
        for (const QString &k : kNodeVectors + kMarkVectors) {
            QCOMPARE(items[k]->rows, n);
            QCOMPARE(items[k]->cols, 1);
        }
        for (const QString &k : kMatrices) {
            QCOMPARE(items[k]->rows, n);
            QCOMPARE(items[k]->cols, n);
        }
    }
}

void tst_StructuralItems::complementFlag()
{
    qsrand(99);
    Graph g("G", false);
    Graph h("H", false);
    for (int round = 0; round < 40; ++round) {
        const BitGraph b = randomGraph(3 + round % 10, (qrand() % 101) / 100.0);
        load(g, b);
        load(h, b.complement());
        const int before = g.getID();
        for (const QString &k :
             kValues + kNodeVectors + kMarkVectors + kMatrices + kValueMatrices + kFamilies) {
            std::unique_ptr<Calculus> flagged = make(k, &g, true);
            std::unique_ptr<Calculus> direct = make(k, &h, false);
            flagged->compute(true);
            direct->compute(true);
            QCOMPARE(flagged->getError(), direct->getError());
            QCOMPARE(flagged->rows, direct->rows);
            QCOMPARE(flagged->cols, direct->cols);
            const QVector<double> a = block(*flagged), c = block(*direct);
            for (int i = 0; i < a.size(); ++i)
                FUZZY_COMPARE(a[i], c[i], 1e-9);
        }
        // The graph itself is untouched by the flagged computations.
        QCOMPARE(g.getID(), before);
        BitGraph after;
        g.snapshot(after);
        for (int v = 0; v < b.n; ++v)
            QCOMPARE(after.row[v], b.row[v]);
    }
}

void tst_StructuralItems::shapesWithoutVertices()
{
    Graph g("G", false);
    const BitGraph none = emptyGraph(0);
    for (const char *k : {"RANDIC", "ZAGREBM1", "ZAGREBM2", "PLATT", "TRIANGLES", "K4", "CLAWS",
                          "CLIQMAX", "STABLEMAX", "ENERGY"}) {
        auto item = on(k, g, none);
        QVERIFY2(!item->getError(), k);
        QCOMPARE(item->rows, 1);
        QCOMPARE(item->getValue(1), 0.0);
    }
    QCOMPARE(on("NCONN", g, none)->getValue(1), -1.0);
    // A graph without vertices has the empty set as its smallest dominating set.
    auto domination = on("DOMINATION", g, none);
    QVERIFY(!domination->getError());
    QCOMPARE(domination->getValue(1), 0.0);
    for (const char *k : {"INCLIQMAX", "INSTABLEMAX", "INDOMINATION", "ONEVEC", "NUMERO"}) {
        auto item = on(k, g, none);
        QCOMPARE(item->rows, 0);
        QCOMPARE(item->cols, 1);
    }
    for (const char *k : {"EINCLIQMAX", "INPCC", "INDIAMETER", "ADJACENCY", "MODULARITY"}) {
        auto item = on(k, g, none);
        QVERIFY2(!item->getError(), k);
        QCOMPARE(item->rows, 0);
        QCOMPARE(item->cols, 0);
    }
    auto girth = on("INGIRTH", g, none);
    QVERIFY(girth->getError());
    QCOMPARE(girth->rows, 0);
    for (int n : {0, 1}) {
        for (const char *k : {"CHROMATIC", "CHROMATICVAL", "KIRCHHOFF"}) {
            auto item = on(k, g, emptyGraph(n));
            QVERIFY(item->getError());
            QCOMPARE(item->rows, 0);
            QCOMPARE(item->cols, 0);
        }
    }
}

void tst_StructuralItems::smallExamples()
{
    Graph g("G", false);
    // The degrees stay below the index.
    auto randic = on("RANDIC", g, pathGraph(3));
    FUZZY_COMPARE(randic->getValue(1), std::sqrt(2.0), 1e-15);
    QCOMPARE(randic->M[1][0], 2.0);
    QCOMPARE(randic->M[2][0], 1.0);
    auto onevertex = on("NLAPLACIAN", g, emptyGraph(1));
    QCOMPARE(block(*onevertex), QVector<double>{1.0});
    QCOMPARE(block(*on("NUMERO", g, emptyGraph(4))), (QVector<double>{1, 2, 3, 4}));
    QCOMPARE(block(*on("IDENTITY", g, completeGraph(2))), (QVector<double>{1, 0, 0, 1}));
    QCOMPARE(block(*on("ONEMAT", g, emptyGraph(2))), (QVector<double>{1, 1, 1, 1}));
    QCOMPARE(block(*on("LAPLACIAN", g, pathGraph(3))),
             (QVector<double>{1, -1, 0, -1, 2, -1, 0, -1, 1}));
    QCOMPARE(block(*on("SLLAPLACIAN", g, pathGraph(3))),
             (QVector<double>{1, 1, 0, 1, 2, 1, 0, 1, 1}));
    QCOMPARE(block(*on("COMNEIGH", g, pathGraph(3))), (QVector<double>{0, 0, 1, 0, 0, 0, 1, 0, 0}));
    QCOMPARE(
        block(*on("CHROMATICVAL", g, graphOf(7, {{1, 3}, {1, 6}, {2, 4}, {2, 5}, {3, 4}, {5, 6}}))),
        (QVector<double>{1, 2, 1, 1, 2, 2, 1}));
    // Ties: cliques {0, 1, 4} and {0, 2, 3}.
    const BitGraph tie = graphOf(5, {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 4}, {2, 3}});
    QCOMPARE(block(*on("INCLIQMAX", g, tie)), (QVector<double>{1, 1, 0, 0, 1}));
    QCOMPARE(block(*on("EINCLIQMAX", g, tie)),
             (QVector<double>{0, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0, 0, 0,
                              0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0}));
    QCOMPARE(block(*on("EINCLIQMAX", g, emptyGraph(1))), QVector<double>{0.0});
    QCOMPARE(block(*on("INSTABLEMAX", g, completeGraph(3))), (QVector<double>{1, 0, 0}));
    QCOMPARE(block(*on("INDOMINATION", g, pathGraph(4))), (QVector<double>{1, 0, 1, 0}));
    QCOMPARE(on("CLAWS", g, starGraph(4))->getValue(1), 1.0);
    QCOMPARE(on("CLAWS", g, starGraph(5))->getValue(1), 0.0);
    QCOMPARE(on("TRIANGLES", g, emptyGraph(4), true)->getValue(1), 4.0);
    QCOMPARE(on("K4", g, emptyGraph(4), true)->getValue(1), 1.0);
    QCOMPARE(on("NCONN", g, starGraph(5), true)->getValue(1), 0.0);
    QCOMPARE(on("CLIQMAX", g, cycleGraph(7), true)->getValue(1), 3.0);
}

void tst_StructuralItems::spectralClosedForms_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<double>("energy");
    QTest::addColumn<double>("kirchhoff");
    for (int n = 3; n <= 32; n += (n < 12 ? 1 : 5)) {
        const QByteArray k = QByteArray::number(n);
        const double N = n;
        double cycleEnergy = 0, pathEnergy = 0;
        for (int j = 0; j < n; ++j)
            cycleEnergy += std::fabs(2 * std::cos(2 * M_PI * j / N));
        for (int j = 1; j <= n; ++j)
            pathEnergy += std::fabs(2 * std::cos(M_PI * j / (N + 1)));
        QTest::newRow("K" + k) << completeGraph(n) << 2 * (N - 1) << N - 1;
        QTest::newRow("P" + k) << pathGraph(n) << pathEnergy << (N * N * N - N) / 6;
        QTest::newRow("C" + k) << cycleGraph(n) << cycleEnergy << (N * N * N - N) / 12;
        QTest::newRow("star " + k) << starGraph(n) << 2 * std::sqrt(N - 1) << (N - 1) * (N - 1);
        const int a = n / 2, b = n - n / 2;
        // Laplacian spectrum of K_{a,b}: a + b once, a (b - 1 times), b (a - 1 times), 0.
        QTest::newRow("K" + QByteArray::number(a) + "," + QByteArray::number(b))
            << completeBipartite(a, b) << 2 * std::sqrt(double(a) * b)
            << N * (1 / N + (b - 1) / double(a) + (a - 1) / double(b));
    }
}

void tst_StructuralItems::spectralClosedForms()
{
    QFETCH(BitGraph, g);
    QFETCH(double, energy);
    QFETCH(double, kirchhoff);
    Graph graph("G", false);
    auto e = on("ENERGY", graph, g);
    FUZZY_COMPARE(e->getValue(1), energy, 1e-7);
    auto k = on("KIRCHHOFF", graph, g);
    QVERIFY(!k->getError());
    FUZZY_COMPARE(k->getValue(1), kirchhoff, 1e-7);
    e->bestBackup();
    k->bestBackup();
    QCOMPARE(e->savedTooltip, QString("Energy"));
    QCOMPARE(k->savedTooltip, QString("Kirchhoff"));
}

void tst_StructuralItems::spectralErrors()
{
    Graph g("G", false);
    for (const BitGraph &b : {pathGraph(2), graphOf(3, {{0, 1}}), emptyGraph(5)}) {
        auto k = on("KIRCHHOFF", g, b);
        QVERIFY(k->getError());
        QCOMPARE(k->rows, 0);
        QCOMPARE(k->savedTooltip, QString("Kirchhoff"));
    }
    QCOMPARE(on("ENERGY", g, emptyGraph(6))->getValue(1), 0.0);
    QCOMPARE(on("ENERGY", g, pathGraph(2))->getValue(1), 2.0);
    FUZZY_COMPARE(on("KIRCHHOFF", g, cycleGraph(3))->getValue(1), 2.0, 1e-9);
}

void tst_StructuralItems::highlights()
{
    Graph g("G", false);
    QCOMPARE(block(*on("INGIRTH", g, cycleGraph(3))), (QVector<double>{0, 1, 1, 1, 0, 1, 1, 1, 0}));
    // A forest is an error and keeps the marks of the last cycle in its block.
    load(g, cycleGraph(3));
    auto girth = make("INGIRTH", &g);
    girth->compute(true);
    load(g, pathGraph(3));
    girth->compute(true);
    QVERIFY(girth->getError());
    QCOMPARE(girth->rows, 3);
    QCOMPARE(block(*girth), (QVector<double>{0, 1, 1, 1, 0, 1, 1, 1, 0}));
    // A disconnected graph with a triangle: marked, but an error.
    auto split = on("INGIRTH", g, graphOf(5, {{0, 1}, {1, 2}, {0, 2}}));
    QVERIFY(split->getError());
    QCOMPARE(split->rows, 5);
    QCOMPARE(split->M[0][1], 1.0);
    // Nobody pressed a vertex: the tree grows from vertex 0.
    auto tree = on("INPCC", g, completeGraph(3));
    QVERIFY(!tree->getError());
    QCOMPARE(block(*tree), (QVector<double>{0, 1, 1, 1, 0, 0, 1, 0, 0}));
    auto treeSplit = on("INPCC", g, graphOf(3, {{0, 1}}));
    QVERIFY(treeSplit->getError());
    QCOMPARE(treeSplit->rows, 3);
    auto diameter = on("INDIAMETER", g, cycleGraph(4));
    QCOMPARE(block(*diameter), (QVector<double>{0, 1, 0, 0, 1, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
    auto lone = on("INDIAMETER", g, emptyGraph(1));
    QVERIFY(!lone->getError());
    QCOMPARE(block(*lone), QVector<double>{0.0});
    auto apart = on("INDIAMETER", g, emptyGraph(2));
    QVERIFY(apart->getError());
    QCOMPARE(apart->rows, 0);
}

void tst_StructuralItems::familyErrors()
{
    Graph g("G", false);
    for (const QString &k : kFamilies) {
        for (int n : {0, 1}) {
            auto item = on(k, g, emptyGraph(n));
            QVERIFY(item->getError());
            QCOMPARE(item->rows, 0);
        }
        for (const BitGraph &b :
             {emptyGraph(2), graphOf(4, {{0, 1}, {1, 2}}), starGraph(4).complement()}) {
            auto item = on(k, g, b);
            QVERIFY(item->getError());
            QCOMPARE(item->rows, 1);
            QCOMPARE(item->getValue(1), 0.0);
        }
        auto cycle = on(k, g, cycleGraph(6));
        QVERIFY(!cycle->getError());
        QCOMPARE(cycle->getValue(1), 0.0);
    }
    Graph g2("G", false);
    QCOMPARE(on("STAR", g2, starGraph(4))->getValue(1), 1.0);
    QCOMPARE(on("COMET", g2, graphOf(5, {{0, 1}, {0, 2}, {0, 3}, {3, 4}}))->getValue(1), 1.0);
}

void tst_StructuralItems::withoutGraph()
{
    for (const QString &k :
         kValues + kNodeVectors + kMarkVectors + kMatrices + kValueMatrices + kFamilies) {
        std::unique_ptr<Calculus> item = make(k, nullptr);
        item->rows = item->cols = 1;
        // Only the connectivity item says so on standard error.
        const QByteArray said = captureStderr([&item] { item->recompute(); });
        QCOMPARE(said, QByteArray(k == "NCONN" ? "invNCONN no graph\n" : ""));
        QVERIFY2(item->getError(), qPrintable(k));
        QCOMPARE(item->rows, 0);
        QCOMPARE(item->cols, 0);
    }
}

QTEST_MAIN(tst_StructuralItems)
#include "tst_StructuralItems.moc"
