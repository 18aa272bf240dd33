#include "StderrCapture.h"
#include "explorer/Analyst.h"

#include <QtTest>

class tst_Analyst : public QObject
{
    Q_OBJECT
private slots:
    void tableAccess();
    void graphNoOutOfRange_data();
    void graphNoOutOfRange();
};

void tst_Analyst::tableAccess()
{
    Analyst a;
    a.setTable({"ORDER", "SIZE"}, {{4, 3}, {5, 10}, {5, 4}}, {1, 2, 2});
    QCOMPARE(a.rowCount(), 3);
    QCOMPARE(a.columnCount(), 2);
    QCOMPARE(a.graphNo(2), 2);
    QCOMPARE(a.data(a.index(2, 1)).toString(), QStringLiteral("4"));
    QCOMPARE(a.headerData(1, Qt::Horizontal).toString(), QStringLiteral("SIZE"));
}

void tst_Analyst::graphNoOutOfRange_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("negative") << -1;
    QTest::newRow("past the end") << 2;
}

void tst_Analyst::graphNoOutOfRange()
{
    QFETCH(int, row);
    Analyst a;
    a.setTable({"ORDER"}, {{4}, {5}}, {7, 8});
    int got = -1;
    const QByteArray text = captureStderr([&] { got = a.graphNo(row); });
    QCOMPARE(got, 0);
    QCOMPARE(QString::fromUtf8(text), QStringLiteral("Analyst::graphNo(%1) failed\n").arg(row));
}

QTEST_MAIN(tst_Analyst)
#include "tst_Analyst.moc"
