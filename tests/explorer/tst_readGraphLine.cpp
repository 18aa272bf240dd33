#include "GraphFixtures.h"
#include "explorer/readGraphLine.h"

#include <QtTest>

class tst_readGraphLine : public QObject
{
    Q_OBJECT
private slots:
    void graphString_data();
    void graphString();
    void graph6_data();
    void graph6();
    void graph6AgainstGeng();
};

void tst_readGraphLine::graphString_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("canonical"); // the graph string written back
    QTest::newRow("path P4") << "4 101001" << true << "4 101001";
    QTest::newRow("empty graph") << "0 " << true << "0 ";
    QTest::newRow("one vertex") << "1 " << true << "1 ";
    QTest::newRow("carriage return") << "3 111\r" << true << "3 111";
    QTest::newRow("K32") << "32 " + QString(496, '1') << true << "32 " + QString(496, '1');
    QTest::newRow("33 vertices") << "33 " + QString(528, '0') << false << "";
    QTest::newRow("short bit field") << "4 10100" << false << "";
    QTest::newRow("long bit field") << "3 1111" << false << "";
    QTest::newRow("other character") << "3 1x1" << false << "";
    QTest::newRow("no blank") << "3" << false << "";
    QTest::newRow("two blanks") << "3  111" << false << "";
    QTest::newRow("letters") << "abc 111" << false << "";
    QTest::newRow("negative") << "-1 " << false << "";
    QTest::newRow("empty line") << "" << false << "";
    QTest::newRow("binary") << QString::fromLatin1("3 1\x00"
                                                   "1",
                                                   5)
                            << false << "";
}

void tst_readGraphLine::graphString()
{
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(QString, canonical);
    BitGraph g = pathGraph(2);
    QCOMPARE(readGraphStringLine(line, g), ok);
    if (ok)
        QCOMPARE(graphStringOf(g), canonical);
    else
        QCOMPARE(g.n, 2); // a refused line leaves the graph as it was
}

void tst_readGraphLine::graph6_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("graphString");
    QTest::newRow("triangle") << "Bw" << true << "3 111";
    QTest::newRow("path 0-1-2") << "Bg" << true << "3 101";
    QTest::newRow("K4") << "C~" << true << "4 111111";
    QTest::newRow("one edge") << "A_" << true << "2 1";
    QTest::newRow("no vertex") << "?" << true << "0 ";
    QTest::newRow("K32") << "_" + QString(83, '~') << true << "32 " + QString(496, '1');
    QTest::newRow("order 33") << "`" + QString(88, '?') << false << "";
    QTest::newRow("data missing") << "C" << false << "";
    QTest::newRow("data too long") << "Bww" << false << "";
    QTest::newRow("below code 63") << "B " << false << "";
    QTest::newRow("long form") << "~?@A" << false << "";
    QTest::newRow("empty") << "" << false << "";
}

void tst_readGraphLine::graph6()
{
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(QString, graphString);
    BitGraph g;
    QCOMPARE(readGraph6Line(line, g), ok);
    if (ok)
        QCOMPARE(graphStringOf(g), graphString);
}

void tst_readGraphLine::graph6AgainstGeng()
{
    // Every graph on 6 vertices, and connected ones on 9, decoded by the fixture's own decoder.
    QList<QByteArray> lines = runProgram("nauty-geng", {"-q", "6"});
    lines += runProgram("nauty-geng", {"-qc", "9"}).mid(0, 3000);
    QVERIFY(lines.size() > 3000);
    for (const QByteArray &line : lines) {
        BitGraph g;
        QVERIFY(readGraph6Line(QString::fromLatin1(line), g));
        const BitGraph expected = fromGraph6(line);
        QCOMPARE(g.n, expected.n);
        for (int i = 0; i < g.n; ++i)
            QCOMPARE(g.row[i], expected.row[i]);
        BitGraph back;
        QVERIFY(readGraphStringLine(graphStringOf(g), back));
        QCOMPARE(QByteArray(toGraph6(back)), line);
    }
}

QTEST_MAIN(tst_readGraphLine)
#include "tst_readGraphLine.moc"
