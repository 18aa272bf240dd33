#include "items/Z.h"

#include "items/ZDisplay.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtGlobal>

Z::Z(bool isGraphical) : scaled(32, QVector<double>(32, 0.0))
{
    typeName = QStringLiteral("Z");
    name = QStringLiteral("Z");
    x = qrand() % 200;
    y = qrand() % 200;
    w = 120;
    h = 60;
    graphical = isGraphical;
    if (graphical) {
        placeOnBoard();
        calculusDisplay =
            new ZDisplay(name, QStringLiteral("Objective function for the optimization"));
        calculusDisplay->setEnabled(true);
        calculusDisplay->setVisible(false);
        calculusDisplay->setName(name);
    }
    const int w2 = w / 2, h2 = h / 2;
    downArrow << QPoint(10 - w2, -h2) << QPoint(10 - w2, 10) << QPoint(-w2, 10) << QPoint(0, h2)
              << QPoint(w2, 10) << QPoint(w2 - 10, 10) << QPoint(w2 - 10, -h2);
    upArrow << QPoint(10 - w2, h2) << QPoint(10 - w2, -10) << QPoint(-w2, -10) << QPoint(0, -h2)
            << QPoint(w2, -10) << QPoint(w2 - 10, -10) << QPoint(w2 - 10, h2);
    doubleArrow << QPoint(10 - w2, 10) << QPoint(10 - w2, -10) << QPoint(-w2, -10) << QPoint(0, -h2)
                << QPoint(w2, -10) << QPoint(w2 - 10, -10) << QPoint(w2 - 10, 10) << QPoint(w2, 10)
                << QPoint(0, h2) << QPoint(-w2, 10);
}

Z::~Z() = default;

bool Z::setLink1(Link *link)
{
    takeLink(1, link);
    selected = false;
    return true;
}

QString Z::formula()
{
    return arg1 ? arg1->formula() : QStringLiteral("MISSING ARGUMENT");
}

void Z::setMin(bool b)
{
    if (calculusDisplay)
        calculusDisplay->setObjMin(b);
    minFlag = b;
}

void Z::setMax(bool b)
{
    if (calculusDisplay)
        calculusDisplay->setObjMax(b);
    maxFlag = b;
}

void Z::setOptFactor(double f)
{
    std::lock_guard<std::mutex> lock(valueMutex);
    factor = f;
    for (int i = 0; i < rows; ++i)
        scaled[i][0] = f * M[i][0];
}

int Z::getObj()
{
    if (!minFlag)
        return -1;
    return maxFlag ? 0 : 1;
}

QString Z::specificInformationToSave()
{
    if (!minFlag)
        return QStringLiteral("\tmax");
    return maxFlag ? QStringLiteral("\tmaxmin") : QStringLiteral("\tmin");
}

void Z::readDirections()
{
    if (!calculusDisplay)
        return;
    minFlag = calculusDisplay->getObjMin();
    maxFlag = calculusDisplay->getObjMax();
}

void Z::recompute()
{
    readDirections();
    if (!arg1) {
        fail(QStringLiteral("Missing argument"));
        sRows = sCols = QStringLiteral("NA");
        return;
    }
    if (arg1->cols != 1) {
        fail(QStringLiteral("Argument should be a column vector"));
        sRows = sCols = QStringLiteral("NA");
        return;
    }
    saveTooltip(QStringLiteral("Objective value"));
    sRows = arg1->getSRows();
    sCols = arg1->getSCols();
    rows = arg1->rows;
    if (arg1->error || rows == 0) {
        fail();
        sRows = sCols = QStringLiteral("NA");
        return;
    }
    cols = 1;
    for (int i = 0; i < rows; ++i)
        M[i][0] = arg1->M[i][0];
    const double f = factor;
    for (int i = 0; i < rows; ++i)
        scaled[i][0] = f * arg1->M[i][0];
}

void Z::paint(QPainter *p, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (!calculusDisplay)
        return;
    readDirections();
    double f = factor;
    if (!maxFlag)
        f = 1.0;
    if (!minFlag)
        f = -1.0;
    if (f != factor)
        setOptFactor(f); // the scaled copy follows at once

    setBodyBrush(p, 100, QPointF(3, 3), QPointF(3, 3), QColor(Qt::red).lighter(120),
                 QColor(Qt::darkRed).lighter(120), QColor(Qt::green).lighter(120),
                 QColor(Qt::darkGreen).lighter(120));
    if (minFlag && maxFlag)
        p->drawPolygon(doubleArrow);
    else if (minFlag)
        p->drawPolygon(downArrow);
    else
        p->drawPolygon(upArrow);

    p->setPen(QPen(Qt::black, 1));
    p->drawText(QRectF(-10, -25, 100, 20), name);
    const QString line =
        (shownRows() == 1 && shownCols() == 1)
            ? QString::number(shownValue(), 'g', 6)
            : QString::number(shownRows()) + QStringLiteral(" x ") + QString::number(shownCols());
    p->drawText(QRectF(-40, -10, 100, 20), line);
    paintGivenName(p, QColor(Qt::green).lighter(120), Qt::green);
    paintReportStar(p);
}
