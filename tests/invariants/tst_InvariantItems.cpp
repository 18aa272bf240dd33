#include "graph/Graph.h"
#include "invariants/AdjacencyMatrices.h"
#include "invariants/Betweenness.h"
#include "invariants/CliqueSearch.h"
#include "invariants/Colouring.h"
#include "invariants/CutCentrality.h"
#include "invariants/DegreeIndices.h"
#include "invariants/DistanceIndices.h"
#include "invariants/DominationSearch.h"
#include "invariants/HighlightSearch.h"
#include "invariants/InformationCentrality.h"
#include "invariants/PendantDistances.h"
#include "invariants/SubgraphCounts.h"
#include "invariants/TreeFamilies.h"
#include "invariants/VertexConnectivity.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"

#include "StderrCapture.h"
#include "CommonTest.h"
#include "InvariantFixtures.h"

#include <QCheckBox>
#include <cmath>
#include <memory>

// The items only wire the kernels, which have their own brute-force tests: here shapes, errors,
// messages, the complement flag, and the items that have no kernel of their own.

namespace
{

using Item = std::unique_ptr<Calculus>;
using Values = QVector<double>;

const QStringList kValues = QString("ORDER SIZE DEGMAX DEGMIN PENDING RANDIC ZAGREBM1 ZAGREBM2 "
                                    "PLATT TRIANGLES K4 CLAWS NCONN CHROMATIC CLIQMAX STABLEMAX "
                                    "ENERGY KIRCHHOFF DOMINATION AVDIST BALABAN DIAMETER GIRTH "
                                    "HARARY RADIUS SZEGED WIENER")
                                .split(' ');
const QStringList kNodeVectors =
    QString("DEGREES ONEVEC NUMERO CHROMATICVAL CENTRALITY CLOSENESS CUTCENTRALITY DCENTRALITY "
            "DCENTRALITY2 DISTCLOSESTLEAF ECCENTRICITY HARMONIC IINDEX SUMDISTP TRANSMISSION")
        .split(' ');
const QStringList kMarkVectors = {"KCHERRIES", "INCLIQMAX", "INSTABLEMAX", "INDOMINATION"};
const QStringList kMatrices =
    QString("ADJACENCY COMNEIGH IDENTITY ONEMAT LAPLACIAN SLLAPLACIAN NLAPLACIAN MODULARITY "
            "INGIRTH INPCC BETWEENNESS DBETW DBETW2 DISTANCES NBETWEENNESS")
        .split(' ');
const QStringList kValueMatrices = {"EINCLIQMAX", "INDIAMETER"};
const QStringList kFamilies = {"TREE", "PATH", "STAR", "SPIDER", "CATERPILLAR", "COMET", "LOBSTER"};
const QStringList kAll =
    kValues + kNodeVectors + kMarkVectors + kMatrices + kValueMatrices + kFamilies;

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

Item make(const QString &keyword, Graph *g, bool complement = false, bool graphical = false)
{
    Item item(BuildCalculus().makeCalculus(keyword, graphical));
    item->setGraph(g);
    item->setInvertGraph(complement);
    return item;
}

/// Loads b into g and computes keyword on it.
Item on(const QString &keyword, Graph &g, const BitGraph &b, bool complement = false)
{
    load(g, b);
    Item item = make(keyword, &g, complement);
    item->compute(true);
    return item;
}

Values block(const Calculus &item)
{
    Values out;
    for (int i = 0; i < item.rows; ++i)
        for (int j = 0; j < item.cols; ++j)
            out << item.M[i][j];
    return out;
}

void expectValues(const Values &actual, const Values &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i)
        FUZZY_COMPARE(actual[i], expected[i], 1e-12);
}

Values membership(uint32_t set, int n)
{
    Values out;
    for (int v = 0; v < n; ++v)
        out << double((set >> v) & 1u);
    return out;
}

Values marksOf(const BitGraph &marks)
{
    Values out;
    for (int i = 0; i < marks.n; ++i)
        for (int j = 0; j < marks.n; ++j)
            out << (marks.edge(i, j) ? 1.0 : 0.0);
    return out;
}

QCheckBox *checkBox(Calculus &item, const QString &text)
{
    item.getCalculusDisplay()->buildControls();
    for (QCheckBox *box : item.getCalculusDisplay()->findChildren<QCheckBox *>())
        if (box->text() == text)
            return box;
    return nullptr;
}

} // namespace

class tst_InvariantItems : public QObject
{
    Q_OBJECT
private slots:
    void catalogue_data();
    void catalogue();
    void degreeItemsAgainstBruteForce();
    void itemsFollowTheKernels();
    void complementFlag();
    void withoutGraph();
    void recomputeWithoutGraph();
    void withoutVertices();
    void smallExamples();
    void disconnectedGraph_data();
    void disconnectedGraph();
    void spectralClosedForms_data();
    void spectralClosedForms();
    void errorsAndRecovery();
};

void tst_InvariantItems::catalogue_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("shape");
    QTest::addColumn<bool>("graphReport");
    QTest::addColumn<bool>("nodeReport");
    QTest::addColumn<bool>("explorer");
    const struct {
        const QStringList &keywords;
        const char *shape;
        bool graphReport, nodeReport, explorer;
    } groups[] = {
        {kValues, "1 1", true, false, true},        {kNodeVectors, "n 1", false, true, true},
        {kMarkVectors, "n 1", true, false, true},   {kMatrices, "n n", true, false, false},
        {kValueMatrices, "n n", true, false, true}, {kFamilies, "1 1", true, false, true}};
    for (const auto &group : groups)
        for (const QString &k : group.keywords)
            QTest::newRow(qPrintable(k))
                << k << group.shape << group.graphReport << group.nodeReport << group.explorer;
}

void tst_InvariantItems::catalogue()
{
    QFETCH(QString, keyword);
    Item item = make(keyword, nullptr, false, true);
    QTEST(item->getSRows() + " " + item->getSCols(), "shape");
    QTEST(item->getCalculusDisplay()->graphInReport(), "graphReport");
    QTEST(item->getCalculusDisplay()->nodInReport(), "nodeReport");
    QTEST(checkBox(*item, "Insert in explorer")->isEnabled(), "explorer");
    QVERIFY(checkBox(*item, "Complement")->isEnabled());
    QCOMPARE(item->toolTip(), keyword);
    QVERIFY(!item->textDoc.isEmpty() && item->textDoc != "N/A" && !item->latexDoc.isEmpty());
    if (!kFamilies.contains(keyword)) {
        QCOMPARE(item->formula(), keyword + "(G)");
        item->setInvertGraph(true);
        QCOMPARE(item->formula(), keyword + "(GBAR)");
    }
    if (keyword == "INSTABLEMAX") // kept word for word, spelling included, as users know it
        QCOMPARE(item->textDoc,
                 QString("Vertices in a maximum stableset. To be used for display purpose."));
}

void tst_InvariantItems::degreeItemsAgainstBruteForce()
{
    qsrand(1234);
    Graph g("G", false);
    const QStringList keywords = {"ORDER",   "SIZE",    "DEGMAX",   "DEGMIN",
                                  "PENDING", "DEGREES", "KCHERRIES"};
    Item items[7];
    for (int round = 0; round < 660; ++round) {
        const bool complement = round >= 330;
        for (int k = 0; round % 330 == 0 && k < 7; ++k)
            items[k] = make(keywords[k], &g, complement);
        const int n = round % 33;
        // Every other pass over the orders is sparse, about two neighbours a vertex, so that
        // pending vertices are common at every order.
        load(g, randomGraph(n, (round / 33) % 2 ? 0.5 : 2.0 / (n + 1)));
        bool adj[32][32] = {};
        Values degrees, kcherries;
        double m = 0, pending = 0;
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j)
                adj[i][j] = i != j && g.edge(i, j) != complement;
            degrees << std::count(adj[i], adj[i] + n, true);
            m += degrees[i] / 2;
            pending += degrees[i] == 1;
        }
        for (int i = 0; i < n; ++i) {
            kcherries << 0.0;
            for (int j = 0; j < n; ++j)
                kcherries[i] += adj[i][j] && degrees[j] == 1;
        }
        const double dmax = n ? *std::max_element(degrees.begin(), degrees.end()) : 0;
        const double dmin = n ? *std::min_element(degrees.begin(), degrees.end()) : 0;
        const Values expected[] = {{double(n)}, {m}, {dmax}, {dmin}, {pending}, degrees, kcherries};
        for (int k = 0; k < 7; ++k) {
            QVERIFY(items[k]->compute(true));
            QVERIFY(!items[k]->getError());
            QVERIFY2(block(*items[k]) == expected[k],
                     qPrintable(keywords[k] + QString(" round %1").arg(round)));
        }
    }
}

void tst_InvariantItems::itemsFollowTheKernels()
{
    qsrand(1234);
    Graph g("G", false);
    QMap<QString, std::shared_ptr<Calculus>> items;
    for (const QString &k : kAll)
        items[k] = make(k, &g);
    for (int round = 0; round < 120; ++round) {
        const BitGraph b = randomGraph(2 + round % 14, (qrand() % 101) / 100.0);
        const int n = b.n;
        load(g, b);
        captureStderr([&items] {
            for (auto &item : items)
                item->compute(true);
        });
        // What each kernel gives, as the item's block reads row by row; empty for an error.
        QMap<QString, Values> want;
        double v[32], d = 0;
        SquareBlock m;
        int colour[32];
        uint32_t set = 0;
        auto vec = [&](bool ok = true) { return ok ? Values(v, v + n) : Values(); };
        auto mat = [&](double pairs = 1) {
            Values out;
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    out << m[i][j] / pairs;
            return out;
        };
        DistanceMatrix dm;
        allDistances(b, dm);
        want["RANDIC"] = {randicIndex(b)};
        want["ZAGREBM1"] = {zagrebM1(b)};
        want["ZAGREBM2"] = {zagrebM2(b)};
        want["PLATT"] = {plattIndex(b)};
        want["TRIANGLES"] = {double(triangleCount(b))};
        want["K4"] = {double(k4Count(b))};
        want["CLAWS"] = {double(clawCount(b))};
        want["NCONN"] = {double(vertexConnectivity(b))};
        want["CHROMATIC"] = {double(chromaticColouring(b, colour))};
        want["CHROMATICVAL"] = Values(colour, colour + n);
        want["CLIQMAX"] = {double(maximumClique(b, &set))};
        want["INCLIQMAX"] = membership(set, n);
        want["STABLEMAX"] = {double(maximumStableSet(b, &set))};
        want["INSTABLEMAX"] = membership(set, n);
        want["DOMINATION"] = {double(minimumDominatingSet(b, &set))};
        want["INDOMINATION"] = membership(set, n);
        want["WIENER"] = {wienerIndex(b)};
        want["HARARY"] = {hararyIndex(dm)};
        want["SZEGED"] = {szegedIndex(b, dm)};
        want["DIAMETER"] = {diameter(dm)};
        want["RADIUS"] = {radius(dm)};
        want["GIRTH"] = {girth(b)};
        want["AVDIST"] = averageDistance(dm, d) ? Values{d} : Values();
        want["BALABAN"] = balabanIndex(b, dm, d) ? Values{d} : Values();
        want["CLOSENESS"] = vec(closenessCentrality(dm, v));
        want["IINDEX"] = vec(informationCentrality(b, v));
        const std::pair<const char *, void (*)(const DistanceMatrix &, double *)> byDistance[] = {
            {"ECCENTRICITY", eccentricities},
            {"TRANSMISSION", transmissions},
            {"HARMONIC", harmonicCentrality}};
        for (const auto &k : byDistance) {
            k.second(dm, v);
            want[k.first] = vec();
        }
        sumDistancesToPendants(b, dm, v);
        want["SUMDISTP"] = vec();
        distanceToClosestPendant(b, dm, v);
        want["DISTCLOSESTLEAF"] = vec();
        cutCentrality(b, v);
        want["CUTCENTRALITY"] = vec();
        const char *vertexWeighted[] = {"CENTRALITY", "DCENTRALITY", "DCENTRALITY2"};
        const char *edgeWeighted[] = {"BETWEENNESS", "DBETW", "DBETW2"};
        const PairWeight weights[] = {PairWeight::One, PairWeight::InverseDistance,
                                      PairWeight::InverseSquare};
        for (int w = 0; w < 3; ++w) {
            vertexBetweenness(b, weights[w], v);
            want[vertexWeighted[w]] = vec();
            edgeBetweenness(b, weights[w], m);
            want[edgeWeighted[w]] = mat();
            if (w == 0)
                want["NBETWEENNESS"] = mat(n * (n - 1) / 2.0);
        }
        distanceValues(dm, m);
        want["DISTANCES"] = mat();
        const std::pair<const char *, void (*)(const BitGraph &, SquareBlock &)> matrices[] = {
            {"ADJACENCY", adjacencyMatrix},
            {"COMNEIGH", commonNeighbourMatrix},
            {"NLAPLACIAN", normalizedLaplacianMatrix},
            {"MODULARITY", modularityMatrix},
            {"LAPLACIAN", [](const BitGraph &x, SquareBlock &o) { laplacianMatrix(x, -1.0, o); }},
            {"SLLAPLACIAN", [](const BitGraph &x, SquareBlock &o) { laplacianMatrix(x, 1.0, o); }}};
        for (const auto &k : matrices) {
            k.second(b, m);
            want[k.first] = mat();
        }
        for (auto w = want.cbegin(); w != want.cend(); ++w) {
            QVERIFY2(items[w.key()]->getError() == w->isEmpty(), qPrintable(w.key()));
            QVERIFY2(block(*items[w.key()]) == *w, qPrintable(w.key()));
        }
        BitGraph marks;
        diameterPath(b, &marks);
        QCOMPARE(items["INDIAMETER"]->getError(), !isConnected(b));
        if (isConnected(b))
            QCOMPARE(block(*items["INDIAMETER"]), marksOf(marks));
        QCOMPARE(items["INGIRTH"]->getError(), !isConnected(b) || !shortestCycle(b, nullptr));
        if (shortestCycle(b, &marks))
            QCOMPARE(block(*items["INGIRTH"]), marksOf(marks));
        // Nobody pressed a vertex in this graph, so the tree grows from vertex 0.
        QCOMPARE(items["INPCC"]->getError(), !breadthFirstTree(b, 0, &marks));
        QCOMPARE(block(*items["INPCC"]), marksOf(marks));
        for (const QString &k : kFamilies) {
            const FamilyAnswer a = treeFamilyMember(b, TreeFamily(kFamilies.indexOf(k)));
            QCOMPARE(items[k]->getError(), a.error);
            QCOMPARE(items[k]->getValue(1), a.member ? 1.0 : 0.0);
        }
    }
}

void tst_InvariantItems::complementFlag()
{
    qsrand(99);
    Graph g("G", false), h("H", false);
    for (int round = 0; round < 15; ++round) {
        const BitGraph b = randomGraph(3 + round % 10, (qrand() % 101) / 100.0);
        load(g, b);
        load(h, b.complement());
        const int before = g.getID();
        for (const QString &k : kAll) {
            Item flagged = make(k, &g, true), direct = make(k, &h);
            captureStderr([&] {
                flagged->compute(true);
                direct->compute(true);
            });
            QCOMPARE(flagged->getError(), direct->getError());
            QCOMPARE(flagged->rows, direct->rows);
            QCOMPARE(flagged->cols, direct->cols);
            expectValues(block(*flagged), block(*direct));
        }
        // The flagged computations leave the graph itself as it was.
        QCOMPARE(g.getID(), before);
        BitGraph after;
        g.snapshot(after);
        for (int v = 0; v < b.n; ++v)
            QCOMPARE(after.row[v], b.row[v]);
    }
}

void tst_InvariantItems::withoutGraph()
{
    // compute() refuses before any kernel runs: the error flag, the value as the item was built
    // (none for an invariant, 1 x 1 for a family), and nothing said.
    for (const QString &k : kAll) {
        Item item = make(k, nullptr);
        bool ran = true;
        const QByteArray said = captureStderr([&] { ran = item->compute(true); });
        QVERIFY2(!ran, qPrintable(k));
        QCOMPARE(said, QByteArray());
        QVERIFY2(item->getError(), qPrintable(k));
        const int extent = kFamilies.contains(k) ? 1 : 0;
        QCOMPARE(item->rows, extent);
        QCOMPARE(item->cols, extent);
    }
}

void tst_InvariantItems::recomputeWithoutGraph()
{
    // Reached directly, recompute() guards itself: no value (not that of an empty graph), the
    // error flag, and a line from ORDER and NCONN only.
    Graph g("G", false);
    for (const QString &k : kAll) {
        Item item = on(k, g, cycleGraph(6));
        item->setGraph(nullptr);
        const QByteArray said = captureStderr([&] { item->recompute(); });
        QVERIFY2(item->getError(), qPrintable(k));
        QCOMPARE(item->rows, 0);
        QCOMPARE(item->cols, 0);
        const QByteArray line = k == "ORDER"   ? "invORDER no graph\n"
                                : k == "NCONN" ? "invNCONN no graph\n"
                                               : "";
        QCOMPARE(said, line);
    }
}

void tst_InvariantItems::withoutVertices()
{
    Graph g("G", false);
    const BitGraph none = emptyGraph(0);
    // Values are 0 except the girth's 1e12 and the connectivity's -1; five items and the
    // families fail.
    const QStringList failing = {"AVDIST", "CHROMATIC", "KIRCHHOFF", "CHROMATICVAL", "INGIRTH"};
    for (const QString &k : kAll) {
        Item item = on(k, g, none);
        const bool family = kFamilies.contains(k);
        QCOMPARE(item->getError(), failing.contains(k) || family);
        if (item->getError()) {
            QCOMPARE(item->rows, 0);
        } else if (kValues.contains(k)) {
            QCOMPARE(item->rows, 1);
            QCOMPARE(item->getValue(1), k == "GIRTH" ? 1e12 : k == "NCONN" ? -1.0 : 0.0);
        } else {
            QCOMPARE(item->rows, 0);
            QCOMPARE(item->cols, kMatrices.contains(k) || kValueMatrices.contains(k) ? 0 : 1);
        }
    }
    // One vertex.
    QVERIFY(on("CHROMATIC", g, emptyGraph(1))->getError());
    Item avdist = make("AVDIST", &g, false, true);
    avdist->bestBackup();
    QVERIFY(avdist->getError());
    QCOMPARE(avdist->toolTip(), QStringLiteral("Fewer than 2 vertices"));
    QCOMPARE(block(*on("IINDEX", g, emptyGraph(1))), Values{1e12});
    QCOMPARE(block(*on("NBETWEENNESS", g, emptyGraph(1))), Values{0});
    QCOMPARE(block(*on("NLAPLACIAN", g, emptyGraph(1))), Values{1.0});
    QCOMPARE(block(*on("EINCLIQMAX", g, emptyGraph(1))), Values{0.0});
}

void tst_InvariantItems::smallExamples()
{
    Graph g("G", false);
    // The degree indices leave the degrees of vertices 1..n-1 below the value.
    Item randic = on("RANDIC", g, pathGraph(3));
    QCOMPARE(randic->M[1][0], 2.0);
    QCOMPARE(randic->M[2][0], 1.0);
    QCOMPARE(block(*on("NUMERO", g, emptyGraph(4))), (Values{1, 2, 3, 4}));
    QCOMPARE(block(*on("ONEVEC", g, emptyGraph(3))), (Values{1, 1, 1}));
    QCOMPARE(block(*on("IDENTITY", g, completeGraph(2))), (Values{1, 0, 0, 1}));
    QCOMPARE(block(*on("ONEMAT", g, emptyGraph(2))), (Values{1, 1, 1, 1}));
    // Ties: the largest cliques {0, 1, 4} and {0, 2, 3}; the first one's edges are marked.
    const BitGraph tie = fromEdges(5, {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 4}, {2, 3}});
    QCOMPARE(block(*on("EINCLIQMAX", g, tie)),
             (Values{0, 1, 0, 0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0}));
}

void tst_InvariantItems::disconnectedGraph_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QByteArray>("said");
    QTest::newRow("AVDIST") << "AVDIST" << QByteArray("ERROR IN AVDIST\n");
    QTest::newRow("BALABAN") << "BALABAN" << QByteArray();
    QTest::newRow("CLOSENESS") << "CLOSENESS" << QByteArray();
    QTest::newRow("IINDEX") << "IINDEX" << QByteArray();
}

void tst_InvariantItems::disconnectedGraph()
{
    // The values follow the kernels (above); here what the user is told, and that the message
    // goes once the graph allows a value again.
    QFETCH(QString, keyword);
    QFETCH(QByteArray, said);
    Graph g("G", false);
    load(g, fromEdges(5, {{0, 1}, {1, 2}, {3, 4}}));
    Item item = make(keyword, &g, false, true);
    QCOMPARE(captureStderr([&] { item->bestBackup(); }), said);
    QVERIFY(item->getError());
    QCOMPARE(item->toolTip(), QStringLiteral("Graph not connected"));
    g.addEdge(2, 3);
    item->bestBackup();
    QVERIFY(!item->getError());
    QCOMPARE(item->rows, keyword == "CLOSENESS" || keyword == "IINDEX" ? 5 : 1);
    QVERIFY(item->toolTip().isEmpty());
}

void tst_InvariantItems::spectralClosedForms_data()
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

void tst_InvariantItems::spectralClosedForms()
{
    QFETCH(BitGraph, g);
    QFETCH(double, energy);
    QFETCH(double, kirchhoff);
    Graph graph("G", false);
    Item e = on("ENERGY", graph, g), k = on("KIRCHHOFF", graph, g);
    QVERIFY(!k->getError());
    FUZZY_COMPARE(e->getValue(1), energy, 1e-7);
    FUZZY_COMPARE(k->getValue(1), kirchhoff, 1e-7);
}

void tst_InvariantItems::errorsAndRecovery()
{
    Graph g("G", false);
    for (const BitGraph &b : {pathGraph(2), fromEdges(3, {{0, 1}}), emptyGraph(5)}) {
        Item k = on("KIRCHHOFF", g, b);
        QVERIFY(k->getError() && k->rows == 0 && k->savedTooltip == "Kirchhoff");
    }
    QCOMPARE(on("ENERGY", g, emptyGraph(6))->getValue(1), 0.0);
    QCOMPARE(on("ENERGY", g, pathGraph(2))->getValue(1), 2.0);
    FUZZY_COMPARE(on("KIRCHHOFF", g, cycleGraph(3))->getValue(1), 2.0, 1e-9);
    // A forest is an error and keeps the marks of the last cycle in its block.
    Item girth = on("INGIRTH", g, cycleGraph(3));
    const Values triangle = {0, 1, 1, 1, 0, 1, 1, 1, 0};
    QCOMPARE(block(*girth), triangle);
    load(g, pathGraph(3));
    girth->compute(true);
    QVERIFY(girth->getError());
    QCOMPARE(block(*girth), triangle);
}

QTEST_MAIN(tst_InvariantItems)
#include "tst_InvariantItems.moc"
