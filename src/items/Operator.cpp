#include "items/Operator.h"

#include <QPainter>

Operator::Operator()
{
    setCategory(QStringLiteral("Operator"));
}

Operator::~Operator() = default;

void Operator::paint(QPainter *p, const QStyleOptionGraphicsItem *, QWidget *)
{
    setBodyBrush(p, 100, QPointF(3, 3), QPointF(3, 3), QColor(Qt::red).lighter(120),
                 QColor(Qt::darkRed).lighter(120), Qt::magenta, QColor(Qt::magenta).lighter(150));
    p->drawEllipse(QRectF(-(w / 2), -(h / 2), w, h));
    p->setPen(QPen(Qt::black, 1));
    p->drawText(QRectF(-40, -15, 100, 20), name);
    const QString line =
        (shownRows() == 1 && shownCols() == 1)
            ? QString::number(shownValue(), 'g', 6)
            : QString::number(shownRows()) + QStringLiteral(" x ") + QString::number(shownCols());
    p->drawText(QRectF(-40, 0, 100, 20), line);
    paintGivenName(p, QColor(Qt::green).lighter(120), Qt::green);
    paintReportStar(p);
}
