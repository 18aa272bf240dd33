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
    void threshold();
    void selectionOverError();
};

void tst_CategoryPaint::threshold()
{
    // A family is Yes from a value of 1e-6 in size; a constraint is violated above 1e-6.
    const struct {
        bool family;
        double value;
        Hue hue;
    } cases[] = {{true, 0.0, Red},     {true, 9e-7, Red},    {true, 1e-6, Green},
                 {true, -1e-6, Green}, {false, 0.0, Green}, {false, 1e-6, Green},
                 {false, 2e-6, Magenta}};
    for (const auto &c : cases) {
        FamilyProbe f(true);
        ConstraintProbe k(true);
        Calculus &item = c.family ? static_cast<Calculus &>(f) : static_cast<Calculus &>(k);
        showValue(item, c.value);
        QVERIFY2(hueOf(paintedAt(item, QPointF(3, c.family ? 28 : 25))) == c.hue,
                 qPrintable(QString("%1 %2").arg(c.family).arg(c.value)));
    }
}

void tst_CategoryPaint::selectionOverError()
{
    InvariantProbe item(true);
    QVector<int> hues{hueOf(paintedAt(item, QPointF(3, 28)))};
    item.bestBackup(); // no graph: the computation fails
    hues << hueOf(paintedAt(item, QPointF(3, 28)));
    item.select(true);
    hues << hueOf(paintedAt(item, QPointF(3, 28)));
    QCOMPARE(hues, (QVector<int>{Green, Red, Blue}));
}

QTEST_MAIN(tst_CategoryPaint)
#include "tst_CategoryPaint.moc"
