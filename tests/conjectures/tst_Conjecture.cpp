#include "conjectures/Conjecture.h"

#include <QtTest>

#include <vector>

class tst_Conjecture : public QObject
{
    Q_OBJECT
private slots:
    /// Fewer boundary graphs rank first, then a sum larger by at least 1e-6; equality asks
    /// the same length, coefficients and sum within 1e-6 and the same count, nothing else.
    void orderAndEquality()
    {
        auto record = [](QVector<double> coefs, int touch, double sum, double offset = 0.0) {
            return Conjecture("t", coefs, offset, touch, sum, {int(offset)});
        };
        const Conjecture three = record({1, 2}, 3, 0.5, 1.0);
        QVERIFY(record({1}, 3, 0.0) < record({1}, 5, 100.0));
        QVERIFY(!(record({1}, 5, 100.0) < record({1}, 3, 0.0)));
        QVERIFY(record({1}, 3, 0.5 + 1e-6) < record({1}, 3, 0.5));
        QVERIFY(!(record({1}, 3, 0.5 + 0.9e-6) < record({1}, 3, 0.5)));
        QVERIFY(!(record({1}, 3, 0.5) < record({1}, 3, 0.5 + 0.9e-6)));
        const std::vector<std::pair<Conjecture, bool>> others{
            {record({1, 2 + 0.9e-6}, 3, 0.5, -7.0), true},
            {record({1, 2 + 1.1e-6}, 3, 0.5), false},
            {record({1, 2, 0}, 3, 0.5), false},
            {record({1, 2}, 4, 0.5), false},
            {record({1, 2}, 3, 0.5 + 0.9e-6, 5.0), true},
            {record({1, 2}, 3, 0.5 + 2e-6), false}};
        for (const auto &o : others)
            QVERIFY((three == o.first) == o.second && (o.first == three) == o.second);
        const Conjecture nan = record({qQNaN()}, 3, 0.5);
        QVERIFY(!(nan == nan));
    }

    void sums_data()
    {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<int>("weaker"); // 0 none, 1 the first, 2 the second
        QTest::addColumn<bool>("equal");
        QTest::newRow("equal at 1e11") << 1e11 << 1e11 << 0 << true;
        QTest::newRow("equal at 1e25") << 1e25 << 1e25 << 0 << true;
        QTest::newRow("1e25, rounding apart") << 1e25 + 7e10 << 1e25 << 1 << true;
        QTest::newRow("1e25, parts in 1e9 apart") << 1e25 << 1e25 + 4e16 << 2 << true;
        QTest::newRow("1e25, parts in 1e7 apart") << 1e25 + 1e18 << 1e25 << 1 << false;
        QTest::newRow("1e11, one apart") << 1e11 << 1e11 + 1 << 2 << true;
        QTest::newRow("1e11, 2000 apart") << 1e11 << 1e11 + 2000 << 2 << false;
        QTest::newRow("100, 2e-6 apart") << 100.0 << 100.0 + 2e-6 << 2 << false;
        QTest::newRow("1 and 1 plus 1e-6") << 1.0 + 1e-6 << 1.0 << 1 << true;
        QTest::newRow("infinite and large") << qInf() << 1e300 << 1 << false;
        QTest::newRow("both infinite") << qInf() << qInf() << 0 << true;
        QTest::newRow("infinite and minus infinite") << qInf() << -qInf() << 1 << false;
        QTest::newRow("NaN") << qQNaN() << 1.0 << 1 << false;
        QTest::newRow("0 and NaN") << 0.0 << qQNaN() << 2 << false;
        QTest::newRow("NaN and infinite") << qQNaN() << qInf() << 1 << false;
        QTest::newRow("both NaN") << qQNaN() << qQNaN() << 0 << true;
    }
    /// Equal counts: the order of the sums and the merge of one relation reported twice hold at
    /// every size, a NaN sum being the weakest; the sort ends and leaves records it does not
    /// order as they came.
    void sums()
    {
        QFETCH(double, first);
        QFETCH(double, second);
        QFETCH(int, weaker);
        QFETCH(bool, equal);
        Conjecture a("a", {1.0, -1.0}, 0.0, 3, first, {0, 1, 2});
        Conjecture b("b", {1.0, -1.0 + 5e-7}, 2.0, 3, second, {3, 4, 5});
        QCOMPARE((a < b) + 2 * (b < a), weaker);
        QVERIFY((a == b) == equal && (b == a) == equal);
        QVector<Conjecture *> list{&a, &b};
        Conjecture::sortBestFirst(list);
        QCOMPARE(list.first()->getFormula(), QString(weaker == 1 ? "b" : "a"));
    }

    void sortNaNLast_data()
    {
        QTest::addColumn<QVector<QVector<double>>>("records"); // touching and sum of each
        QTest::addColumn<QString>("sorted");                   // their indices, best first
        const double nan = qQNaN();
        const double inf = qInf();
        QTest::newRow("NaN first")
            << QVector<QVector<double>>{{3, nan}, {3, 2}, {3, inf}, {3, 1}} << "3 1 2 0";
        QTest::newRow("NaN in the middle")
            << QVector<QVector<double>>{{3, 2}, {3, inf}, {3, nan}, {3, 0.5}, {3, 1}}
            << "3 4 0 1 2";
        QTest::newRow("two NaNs keep their order")
            << QVector<QVector<double>>{{3, nan}, {3, 1}, {3, nan}, {3, 0}} << "3 1 0 2";
        QTest::newRow("more boundary graphs first, NaN or not")
            << QVector<QVector<double>>{{2, 1}, {3, nan}, {3, 5}} << "2 1 0";
    }
    /// A NaN sum ranks after every other sum of its count, infinite ones too, wherever it
    /// starts: the sort moves the other records past it.
    void sortNaNLast()
    {
        QFETCH(QVector<QVector<double>>, records);
        QFETCH(QString, sorted);
        std::vector<Conjecture> kept;
        for (const QVector<double> &r : records)
            kept.emplace_back(QString::number(kept.size()), QVector<double>{double(kept.size())},
                              0.0, int(r[0]), r[1], QVector<int>(int(r[0]), 0));
        QVector<Conjecture *> list;
        for (Conjecture &c : kept)
            list << &c;
        Conjecture::sortBestFirst(list);
        QStringList order;
        for (const Conjecture *c : list)
            order << c->getFormula();
        QCOMPARE(order.join(' '), sorted);
    }

    /// A sort told to stop leaves the list as it stands.
    void sortStops()
    {
        Conjecture weak("weak", {1.0}, 0.0, 1, 0.0, {0});
        Conjecture strong("strong", {1.0}, 0.0, 2, 0.0, {0, 1});
        QVector<Conjecture *> list{&weak, &strong};
        Conjecture::sortBestFirst(list, [] { return true; });
        QVERIFY(list.first() == &weak);
        Conjecture::sortBestFirst(list, [] { return false; });
        QVERIFY(list.first() == &strong);
    }
};

QTEST_APPLESS_MAIN(tst_Conjecture)
#include "tst_Conjecture.moc"
