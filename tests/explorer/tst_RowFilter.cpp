#include "explorer/RowFilter.h"

#include <QtTest>

#include <cmath>

class tst_RowFilter : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
};

namespace
{
const QStringList header = {"ORDER", "SIZE", "deg[1]", "a < b", "ORDER"};
}

void tst_RowFilter::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QVector<double>>("row");
    QTest::addColumn<bool>("kept");
    QTest::newRow("empty keeps all") << "" << true << QVector<double>{1, 2, 3, 4, 5} << true;
    QTest::newRow("bracketed name")
        << "deg[1] >= 3" << true << QVector<double>{0, 0, 3, 0, 0} << true;
    QTest::newRow("name holding an operator")
        << "a < b > 2" << true << QVector<double>{0, 0, 0, 3, 0} << true;
    QTest::newRow("no blanks") << "SIZE<=2" << true << QVector<double>{0, 2.0000001, 0, 0, 0}
                               << true;
    QTest::newRow("strict within tolerance")
        << "SIZE < 2" << true << QVector<double>{0, 1.9999999, 0, 0, 0} << false;
    QTest::newRow("and in capitals")
        << "ORDER = 4 AND SIZE != 3" << true << QVector<double>{4, 3, 0, 0, 0} << false;
    QTest::newRow("repeated name means the first")
        << "ORDER == 7" << true << QVector<double>{7, 0, 0, 0, 1} << true;
    QTest::newRow("NaN cell not kept")
        << "SIZE > -1" << true << QVector<double>{0, std::nan(""), 0, 0, 0} << false;
    QTest::newRow("short row not kept") << "deg[1] > -1" << true << QVector<double>{0, 0} << false;
    QTest::newRow("unknown column") << "GIRTH > 3" << false << QVector<double>{} << false;
    QTest::newRow("not a number") << "SIZE > x" << false << QVector<double>{} << false;
    QTest::newRow("no operator") << "SIZE 3" << false << QVector<double>{} << false;
    QTest::newRow("dangling and") << "SIZE > 3 and" << false << QVector<double>{} << false;
}

void tst_RowFilter::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QVector<double>, row);
    QFETCH(bool, kept);
    RowFilter f;
    QString error;
    QVERIFY(f.parse("SIZE > 100", header, error));
    QCOMPARE(f.parse(text, header, error), ok);
    if (!ok) {
        QVERIFY(!error.isEmpty());
        QCOMPARE(f.text(), QStringLiteral("SIZE > 100")); // the previous filter stays
        return;
    }
    QCOMPARE(f.accepts(row), kept);
}

QTEST_MAIN(tst_RowFilter)
#include "tst_RowFilter.moc"
