#include "items/Family.h"

#include <QPainter>

Family::Family()
{
    setCategory(QStringLiteral("Family"));
    rows = 1;
    cols = 1;
}

Family::~Family() = default;

void Family::paint(QPainter *p, const QStyleOptionGraphicsItem *, QWidget *)
{
    const double v = shownValue();
    const bool no = v > -1e-6 && v < 1e-6;
    setBodyBrush(p, 60, QPointF(30, 30), QPointF(3, 30), QColor(Qt::red).lighter(120), Qt::white,
                 no ? QColor(255, 200, 200, 255) : QColor(200, 255, 200, 255),
                 no ? QColor(Qt::red) : QColor(Qt::green).darker(120));
    p->drawRect(-(w / 2), -(h / 2), w, h);
    p->setPen(QPen(Qt::black, 1));
    p->drawText(QRectF(-50, -15, 100, 20), name);
    p->drawText(QRectF(5, 0, 100, 20), no ? QStringLiteral("No") : QStringLiteral("Yes"));
    paintGivenName(p, Qt::yellow, QColor(Qt::yellow).darker(120));
    paintReportStar(p);
    paintComplementMark(p, QRectF(-70, -30, 20, 20), QRectF(-65, -25, 10, 10));
}
