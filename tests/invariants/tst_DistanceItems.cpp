#include "graph/Graph.h"
#include "items/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"

#include "CommonTest.h"

#include <QCheckBox>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace
{

using Item = std::unique_ptr<Calculus>;

void setGraph(Graph &g, int n, const QVector<QPair<int, int>> &edges)
{
    g.clear();
    for (int i = 0; i < n; ++i)
        g.addNode();
    for (const auto &e : edges)
        g.addEdge(e.first, e.second);
}

void setPath(Graph &g, int n)
{
    QVector<QPair<int, int>> edges;
    for (int i = 0; i + 1 < n; ++i)
        edges.append({i, i + 1});
    setGraph(g, n, edges);
}

Item computed(const QString &keyword, Graph &g, bool complement = false)
{
    Item item(BuildCalculus().makeCalculus(keyword, false));
    item->setGraph(&g);
    item->setInvertGraph(complement);
    item->compute(true);
    return item;
}

QVector<double> valueOf(const Calculus &item)
{
    QVector<double> v;
    for (int i = 0; i < item.rows; ++i)
        for (int j = 0; j < item.cols; ++j)
            v.append(item.M[i][j]);
    return v;
}

QCheckBox *box(Calculus &item, const QString &text)
{
    for (QCheckBox *b : item.getCalculusDisplay()->findChildren<QCheckBox *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

// Everything written to standard error while f runs.
template <class F> QByteArray standardError(F f)
{
    std::fflush(stderr);
    QTemporaryFile file;
    file.open();
    const int saved = dup(2);
    dup2(file.handle(), 2);
    f();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    file.seek(0);
    return file.readAll();
}

const QStringList kValues = {"AVDIST", "BALABAN", "DIAMETER", "GIRTH",
                             "HARARY", "RADIUS",  "SZEGED",   "WIENER"};
const QStringList kVectors = {"CENTRALITY",   "CLOSENESS",       "CUTCENTRALITY", "DCENTRALITY",
                              "DCENTRALITY2", "DISTCLOSESTLEAF", "ECCENTRICITY",  "HARMONIC",
                              "IINDEX",       "SUMDISTP",        "TRANSMISSION"};
const QStringList kMatrices = {"BETWEENNESS", "DBETW", "DBETW2", "DISTANCES", "NBETWEENNESS"};

} // namespace

class tst_DistanceItems : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void catalogue_data();
    void catalogue();
    void pathValues_data();
    void pathValues();
    void complement();
    void disconnectedGraph_data();
    void disconnectedGraph();
    void tinyGraphs();
    void messageClearedOnRecovery();
};

void tst_DistanceItems::catalogue_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("sRows");
    QTest::addColumn<QString>("sCols");
    for (const QString &k : kValues)
        QTest::newRow(qPrintable(k)) << k << "1"
                                     << "1";
    for (const QString &k : kVectors)
        QTest::newRow(qPrintable(k)) << k << "n"
                                     << "1";
    for (const QString &k : kMatrices)
        QTest::newRow(qPrintable(k)) << k << "n"
                                     << "n";
}

void tst_DistanceItems::catalogue()
{
    QFETCH(QString, keyword);
    QFETCH(QString, sRows);
    QFETCH(QString, sCols);
    BuildCalculus catalogue;
    QCOMPARE(catalogue.type(keyword), keyword == "NBETWEENNESS" ? 0 : 1);
    Item item(catalogue.makeCalculus(keyword, true));
    QVERIFY(item);
    QCOMPARE(item->name, keyword);
    QCOMPARE(item->getType(), QStringLiteral("Invariant"));
    QCOMPARE(item->getSRows(), sRows);
    QCOMPARE(item->getSCols(), sCols);
    QCOMPARE(item->toolTip(), keyword);
    QVERIFY(item->textDoc.size() > 40 && item->latexDoc.size() > 40);
    QCOMPARE(catalogue.textDefinition(keyword), keyword + " : " + item->textDoc + "\n");

    CalculusDisplay *display = item->getCalculusDisplay();
    QVERIFY(display);
    QVERIFY(box(*item, "Complement")->isEnabled());
    QCOMPARE(box(*item, "Insert in explorer")->isEnabled(), sCols != "n");
    QCOMPARE(display->graphInReport(), sCols == "n" || sRows == "1");
    QCOMPARE(display->nodInReport(), sRows == "n" && sCols == "1");
    QVERIFY(!box(*item, "Graph Value")->isEnabled());
    QVERIFY(!box(*item, "Node Value")->isEnabled());

    Item bare(catalogue.makeCalculus(keyword, false));
    QVERIFY(!bare->getCalculusDisplay());
    QCOMPARE(bare->formula(), keyword + "(G)");
    bare->setInvertGraph(true);
    QCOMPARE(bare->formula(), keyword + "(GBAR)");
}

void tst_DistanceItems::pathValues_data()
{
    // The path 0-1-2-3-4: transmissions 10, 7, 6, 7, 10.
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QVector<double>>("expected");
    QVector<double> distances, betweenness, dbetw;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j) {
            distances << std::abs(i - j);
            const int lo = std::min(i, j);
            betweenness << (std::abs(i - j) == 1 ? (lo + 1) * (4 - lo) : 0);
        }
    QVector<double> nbetweenness;
    for (double b : betweenness)
        nbetweenness << b / 10;
    QTest::newRow("AVDIST") << "AVDIST" << QVector<double>{2};
    QTest::newRow("BALABAN") << "BALABAN"
                             << QVector<double>{4 * (2 / std::sqrt(70.0) + 2 / std::sqrt(42.0))};
    QTest::newRow("DIAMETER") << "DIAMETER" << QVector<double>{4};
    QTest::newRow("GIRTH") << "GIRTH" << QVector<double>{1e12};
    QTest::newRow("HARARY") << "HARARY" << QVector<double>{4 + 3 / 2.0 + 2 / 3.0 + 1 / 4.0};
    QTest::newRow("RADIUS") << "RADIUS" << QVector<double>{2};
    QTest::newRow("SZEGED") << "SZEGED" << QVector<double>{20};
    QTest::newRow("WIENER") << "WIENER" << QVector<double>{20};
    QTest::newRow("CENTRALITY") << "CENTRALITY" << QVector<double>{0, 3, 4, 3, 0};
    QTest::newRow("CLOSENESS") << "CLOSENESS"
                               << QVector<double>{0.4, 4 / 7.0, 4 / 6.0, 4 / 7.0, 0.4};
    QTest::newRow("CUTCENTRALITY") << "CUTCENTRALITY" << QVector<double>{0, 3, 4, 3, 0};
    QTest::newRow("DCENTRALITY") << "DCENTRALITY"
                                 << QVector<double>{0, 13 / 12.0, 17 / 12.0, 13 / 12.0, 0};
    QTest::newRow("DCENTRALITY2") << "DCENTRALITY2"
                                  << QVector<double>{0, 1 / 4.0 + 1 / 9.0 + 1 / 16.0,
                                                     2 / 9.0 + 1 / 4.0 + 1 / 16.0,
                                                     1 / 4.0 + 1 / 9.0 + 1 / 16.0, 0};
    QTest::newRow("DISTCLOSESTLEAF") << "DISTCLOSESTLEAF" << QVector<double>{0, 1, 2, 1, 0};
    QTest::newRow("ECCENTRICITY") << "ECCENTRICITY" << QVector<double>{4, 3, 2, 3, 4};
    QTest::newRow("HARMONIC") << "HARMONIC"
                              << QVector<double>{25 / 12.0, 17 / 6.0, 3, 17 / 6.0, 25 / 12.0};
    QTest::newRow("IINDEX") << "IINDEX" << QVector<double>{0.5, 5 / 7.0, 5 / 6.0, 5 / 7.0, 0.5};
    QTest::newRow("SUMDISTP") << "SUMDISTP" << QVector<double>{4, 4, 4, 4, 4};
    QTest::newRow("TRANSMISSION") << "TRANSMISSION" << QVector<double>{10, 7, 6, 7, 10};
    QTest::newRow("DISTANCES") << "DISTANCES" << distances;
    QTest::newRow("BETWEENNESS") << "BETWEENNESS" << betweenness;
    QTest::newRow("NBETWEENNESS") << "NBETWEENNESS" << nbetweenness;
    // DBETW: the edge 0-1 carries the pairs (0, t), weighted 1/t.
    QTest::newRow("DBETW") << "DBETW" << QVector<double>{25 / 12.0};
    QTest::newRow("DBETW2") << "DBETW2" << QVector<double>{1 + 1 / 4.0 + 1 / 9.0 + 1 / 16.0};
}

void tst_DistanceItems::pathValues()
{
    QFETCH(QString, keyword);
    QFETCH(QVector<double>, expected);
    Graph g("G", false);
    setPath(g, 5);
    Item item = computed(keyword, g);
    QVERIFY(!item->getError());
    const QVector<double> value = valueOf(*item);
    if (keyword.startsWith("DBETW")) {
        QCOMPARE(item->rows, 5);
        QCOMPARE(item->cols, 5);
        FUZZY_COMPARE(item->M[0][1], expected[0], 1e-12);
        FUZZY_COMPARE(item->M[1][0], expected[0], 1e-12);
        QCOMPARE(item->M[0][2], 0.0);
        return;
    }
    QCOMPARE(value.size(), expected.size());
    QCOMPARE(item->rows, expected.size() == 25 ? 5 : expected.size());
    for (int i = 0; i < value.size(); ++i)
        FUZZY_COMPARE(value[i], expected[i], 1e-12);
}

void tst_DistanceItems::complement()
{
    // The complement of the path 0-1-2-3 is the path 2-0-3-1.
    Graph g("G", false);
    setPath(g, 4);
    const int id = g.getID();
    Item ecc = computed("ECCENTRICITY", g, true);
    QCOMPARE(ecc->getFirstCol(), (QVector<double>{2, 3, 3, 2}));
    Item cut = computed("CUTCENTRALITY", g, true);
    QCOMPARE(cut->getFirstCol(), (QVector<double>{2, 0, 0, 2}));
    QCOMPARE(g.getID(), id);
    QVERIFY(g.edge(0, 1) && !g.edge(0, 2));

    // The complement of five isolated vertices is K5; on the graph itself the distances are
    // infinite.
    setGraph(g, 5, {});
    QCOMPARE(computed("WIENER", g, true)->getValue(1), 10.0);
    QCOMPARE(computed("GIRTH", g, true)->getValue(1), 3.0);
    QCOMPARE(computed("WIENER", g)->getValue(1), 1e12);
    QCOMPARE(computed("CLOSENESS", g, true)->getFirstCol(), QVector<double>(5, 1.0));
    QVERIFY(computed("CLOSENESS", g)->getError());
}

void tst_DistanceItems::disconnectedGraph_data()
{
    // Two components: the path 0-1-2 and the edge 3-4.
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<bool>("error");
    QTest::addColumn<QVector<double>>("expected");
    const QVector<double> none;
    QTest::newRow("AVDIST") << "AVDIST" << true << none;
    QTest::newRow("BALABAN") << "BALABAN" << true << none;
    QTest::newRow("CLOSENESS") << "CLOSENESS" << true << none;
    QTest::newRow("IINDEX") << "IINDEX" << true << none;
    QTest::newRow("WIENER") << "WIENER" << false << QVector<double>{1e12};
    QTest::newRow("DIAMETER") << "DIAMETER" << false << QVector<double>{1e12};
    QTest::newRow("RADIUS") << "RADIUS" << false << QVector<double>{1e12};
    QTest::newRow("HARARY") << "HARARY" << false << QVector<double>{2.5 + 1};
    QTest::newRow("SZEGED") << "SZEGED" << false << QVector<double>{2 + 2 + 1};
    QTest::newRow("GIRTH") << "GIRTH" << false << QVector<double>{1e12};
    QTest::newRow("ECCENTRICITY") << "ECCENTRICITY" << false << QVector<double>(5, 1e12);
    QTest::newRow("TRANSMISSION") << "TRANSMISSION" << false << QVector<double>(5, 1e12);
    QTest::newRow("HARMONIC") << "HARMONIC" << false << QVector<double>{1.5, 2, 1.5, 1, 1};
    QTest::newRow("CENTRALITY") << "CENTRALITY" << false << QVector<double>{0, 1, 0, 0, 0};
    QTest::newRow("CUTCENTRALITY") << "CUTCENTRALITY" << false << QVector<double>{0, 1, 0, 0, 0};
    QTest::newRow("SUMDISTP") << "SUMDISTP" << false << QVector<double>{2, 2, 2, 1, 1};
    QTest::newRow("DISTCLOSESTLEAF")
        << "DISTCLOSESTLEAF" << false << QVector<double>{0, 1, 0, 0, 0};
}

void tst_DistanceItems::disconnectedGraph()
{
    QFETCH(QString, keyword);
    QFETCH(bool, error);
    QFETCH(QVector<double>, expected);
    Graph g("G", false);
    setGraph(g, 5, {{0, 1}, {1, 2}, {3, 4}});
    Item item(BuildCalculus().makeCalculus(keyword, true));
    item->setGraph(&g);
    const QByteArray said = standardError([&] { item->bestBackup(); });
    QCOMPARE(item->getError(), error);
    QCOMPARE(said, QByteArray(keyword == "AVDIST" ? "ERROR IN AVDIST\n" : ""));
    if (error) {
        QCOMPARE(item->rows, 0);
        QCOMPARE(item->cols, 0);
        QCOMPARE(item->toolTip(), QStringLiteral("Graph not connected"));
        return;
    }
    const QVector<double> value = valueOf(*item);
    QCOMPARE(value.size(), expected.size());
    for (int i = 0; i < value.size(); ++i)
        FUZZY_COMPARE(value[i], expected[i], 1e-12);
}

void tst_DistanceItems::tinyGraphs()
{
    Graph g("G", false);
    setGraph(g, 0, {});
    for (const QString &k : kValues) {
        Item item = computed(k, g);
        QCOMPARE(item->getError(), k == "AVDIST");
        if (k != "AVDIST")
            QCOMPARE(item->getValue(1), k == "GIRTH" ? 1e12 : 0.0);
    }
    for (const QString &k : kVectors + kMatrices) {
        Item item = computed(k, g);
        QVERIFY(!item->getError());
        QCOMPARE(item->rows, 0);
    }

    setGraph(g, 1, {});
    Item avdist(BuildCalculus().makeCalculus("AVDIST", true));
    avdist->setGraph(&g);
    avdist->bestBackup();
    QVERIFY(avdist->getError());
    QCOMPARE(avdist->toolTip(), QStringLiteral("Fewer than 2 vertices"));
    QCOMPARE(computed("IINDEX", g)->getFirstCol(), QVector<double>{1e12});
    QCOMPARE(computed("CLOSENESS", g)->getFirstCol(), QVector<double>{0});
    QCOMPARE(computed("DISTANCES", g)->getFirstCol(), QVector<double>{0});
    QCOMPARE(computed("NBETWEENNESS", g)->getFirstCol(), QVector<double>{0});
    QCOMPARE(computed("DISTCLOSESTLEAF", g)->getFirstCol(), QVector<double>{1e12});
}

void tst_DistanceItems::messageClearedOnRecovery()
{
    Graph g("G", false);
    setGraph(g, 3, {{0, 1}});
    Item item(BuildCalculus().makeCalculus("IINDEX", true));
    item->setGraph(&g);
    item->bestBackup();
    QVERIFY(item->getError());
    QCOMPARE(item->toolTip(), QStringLiteral("Graph not connected"));
    g.addEdge(1, 2);
    item->bestBackup();
    QVERIFY(!item->getError());
    QCOMPARE(item->rows, 3);
    QVERIFY(item->toolTip().isEmpty());
}

QTEST_MAIN(tst_DistanceItems)
#include "tst_DistanceItems.moc"
