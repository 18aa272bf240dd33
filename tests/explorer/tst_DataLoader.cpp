#include "explorer/DataLoader.h"

#include <QtTest>

class tst_DataLoader : public QObject
{
    Q_OBJECT
private slots:
    void readList_data();
    void readList();
    void cancelStops();
};

void tst_DataLoader::readList_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("g6");
    QTest::addColumn<QStringList>("graphs");
    QTest::addColumn<QVector<int>>("badLines");
    QTest::newRow("clean list") << QByteArray("3 111\n2 0\n") << false
                                << QStringList{"3 111", "2 0"} << QVector<int>{};
    QTest::newRow("no final line feed")
        << QByteArray("3 111\n2 1") << false << QStringList{"3 111", "2 1"} << QVector<int>{};
    QTest::newRow("windows line ends")
        << QByteArray("3 111\r\n2 1\r\n") << false << QStringList{"3 111", "2 1"} << QVector<int>{};
    QTest::newRow("bad lines among good ones")
        << QByteArray("3 111\n\n33 0\n4 10100\n3 1x1\n\x01\xff\x00junk\n4 101001\n", 43) << false
        << QStringList{"3 111", "4 101001"} << QVector<int>{2, 3, 4, 5, 6};
    QTest::newRow("graph6 with junk")
        << QByteArray("Bw\nC\n`" + QByteArray(88, '?') + "\nBg\n\xfe\xfe\nA_\n") << true
        << QStringList{"3 111", "3 101", "2 1"} << QVector<int>{2, 3, 5};
    QTest::newRow("graph6 header lines") << QByteArray(">>graph6<<\nBw\n>>graph6<<\r\nA_\n") << true
                                         << QStringList{"3 111", "2 1"} << QVector<int>{};
    QTest::newRow("graph6 header before the first graph")
        << QByteArray(">>graph6<<Bw\nBg\n") << true << QStringList{"3 111", "3 101"}
        << QVector<int>{};
    QTest::newRow("graph6 header in a graph-string list")
        << QByteArray(">>graph6<<\n3 111\n") << false << QStringList{"3 111"} << QVector<int>{1};
    QTest::newRow("graph strings read as graph6")
        << QByteArray("3 111\n") << true << QStringList{} << QVector<int>{1};
    QTest::newRow("empty file") << QByteArray() << false << QStringList{} << QVector<int>{};
}

void tst_DataLoader::readList()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, g6);
    QFETCH(QStringList, graphs);
    QFETCH(QVector<int>, badLines);
    QStringList got;
    QVector<int> bad;
    std::atomic<bool> cancel{false};
    QVERIFY(DataLoader::readList(bytes, g6, got, bad, cancel, [](qint64, qint64) {}));
    QCOMPARE(got, graphs);
    QCOMPARE(bad, badLines);
}

void tst_DataLoader::cancelStops()
{
    QByteArray bytes;
    for (int k = 0; k < 100000; ++k)
        bytes += "3 101\n";
    QStringList got;
    QVector<int> bad;
    std::atomic<bool> cancel{true};
    QVERIFY(!DataLoader::readList(bytes, false, got, bad, cancel, [](qint64, qint64) {}));
    QVERIFY(got.size() < 100000);
}

QTEST_MAIN(tst_DataLoader)
#include "tst_DataLoader.moc"
