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
};

QTEST_APPLESS_MAIN(tst_Conjecture)
#include "tst_Conjecture.moc"
