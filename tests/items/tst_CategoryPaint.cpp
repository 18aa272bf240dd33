#include "ItemProbes.h"

#include "items/CalculusDisplay.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QtTest>

/// The colour an item paints at item point p, the item drawn centred in a 200 x 200 image.
static QColor paintedAt(Calculus &item, QPointF p)
{
    QImage image(200, 200, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(100, 100);
    QStyleOptionGraphicsItem option;
    item.paint(&painter, &option, nullptr);
    painter.end();
    return image.pixelColor(int(100 + p.x()), int(100 + p.y()));
}

static void showValue(Calculus &item, double v)
{
    QVector<QVector<double>> m(32, QVector<double>(32, 0.0));
    m[0][0] = v;
    item.getCalculusDisplay()->setValues(m, 1, 1);
}

enum Hue { Red, Green, Blue, Magenta };

static Hue hueOf(const QColor &c)
{
    if (c.blue() > c.green() && c.red() > c.green() && c.blue() > 100 && c.red() > 100)
        return Magenta;
    if (c.red() > c.green() && c.red() > c.blue())
        return Red;
    if (c.green() > c.red() && c.green() > c.blue())
        return Green;
    return Blue;
}

/// The body colours of the category bases: value thresholds, selection over error.
class tst_CategoryPaint : public QObject
{
    Q_OBJECT
private slots:
    void threshold_data();
    void threshold();
    void selectionOverError();
};

void tst_CategoryPaint::threshold_data()
{
    QTest::addColumn<bool>("family");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("hue");
    QTest::newRow("family zero is No") << true << 0.0 << int(Red);
    QTest::newRow("family just inside the tolerance") << true << 9e-7 << int(Red);
    QTest::newRow("family exactly 1e-6 is Yes") << true << 1e-6 << int(Green);
    QTest::newRow("family exactly -1e-6 is Yes") << true << -1e-6 << int(Green);
    QTest::newRow("constraint satisfied") << false << 0.0 << int(Green);
    QTest::newRow("constraint exactly 1e-6") << false << 1e-6 << int(Green);
    QTest::newRow("constraint violated") << false << 2e-6 << int(Magenta);
}

void tst_CategoryPaint::threshold()
{
    QFETCH(bool, family);
    QFETCH(double, value);
    QFETCH(int, hue);
    FamilyProbe f(true);
    ConstraintProbe c(true);
    Calculus &item = family ? static_cast<Calculus &>(f) : static_cast<Calculus &>(c);
    showValue(item, value);
    QCOMPARE(int(hueOf(paintedAt(item, QPointF(3, family ? 28 : 25)))), hue);
}

void tst_CategoryPaint::selectionOverError()
{
    InvariantProbe item(true);
    QCOMPARE(int(hueOf(paintedAt(item, QPointF(3, 28)))), int(Green));
    item.bestBackup(); // no graph: the computation fails
    QCOMPARE(int(hueOf(paintedAt(item, QPointF(3, 28)))), int(Red));
    item.select(true);
    QCOMPARE(int(hueOf(paintedAt(item, QPointF(3, 28)))), int(Blue));
}

QTEST_MAIN(tst_CategoryPaint)
#include "tst_CategoryPaint.moc"
