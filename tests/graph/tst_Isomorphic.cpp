#include "GraphFixtures.h"
#include "graph/Isomorphic.h"

#include <QtTest>

// The search itself is checked against nauty in tst_IsomorphismSearch; here only the wiring
// of graph strings into it.
class tst_Isomorphic : public QObject
{
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void badStringIsNotComparedStale();
};

void tst_Isomorphic::answers_data()
{
    QTest::addColumn<QString>("g1");
    QTest::addColumn<QString>("g2");
    QTest::addColumn<int>("expected");
    const QString path4 = toGraphString(pathGraph(4));
    QTest::newRow("orders 4 and 5") << path4 << toGraphString(pathGraph(5)) << -1;
    QTest::newRow("cospectral star K1,4 and C4 + K1")
        << toGraphString(fromEdges(5, {{0, 1}, {0, 2}, {0, 3}, {0, 4}}))
        << toGraphString(fromEdges(5, {{0, 1}, {1, 2}, {2, 3}, {3, 0}})) << 0;
    QTest::newRow("path relabelled")
        << path4 << toGraphString(fromEdges(4, {{2, 0}, {0, 3}, {3, 1}})) << 1;
    QTest::newRow("two empty graphs") << "0 "
                                      << "0 " << 1;
    QTest::newRow("two single vertices") << "1 "
                                         << "1 " << 1;
}

void tst_Isomorphic::answers()
{
    QFETCH(QString, g1);
    QFETCH(QString, g2);
    QFETCH(int, expected);
    Isomorphic test;
    QVERIFY(test.setG1(g1) && test.setG2(g2));
    QCOMPARE(test.isIsomorphic(), expected);
    QCOMPARE(test.isIsomorphic(), expected); // the loaded graphs survive the call
}

void tst_Isomorphic::badStringIsNotComparedStale()
{
    Isomorphic test;
    const QString triangle = "3 111";
    QVERIFY(test.setG1(triangle) && test.setG2(triangle));
    QCOMPARE(test.isIsomorphic(), 1);
    QVERIFY(!test.setG2("40 111"));
    QCOMPARE(test.isIsomorphic(), 0);
    QVERIFY(test.setG2(triangle));
    QCOMPARE(test.isIsomorphic(), 1);
}

QTEST_MAIN(tst_Isomorphic)
#include "tst_Isomorphic.moc"
