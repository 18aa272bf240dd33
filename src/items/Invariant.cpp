#include "items/Invariant.h"

#include <QPainter>

Invariant::Invariant()
{
    setCategory(QStringLiteral("Invariant"));
}

Invariant::~Invariant() = default;

QString Invariant::formula()
{
    return name + (invertGraphFlag ? QStringLiteral("(GBAR)") : QStringLiteral("(G)"));
}

void Invariant::paint(QPainter *p, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QColor errorRim = QColor(Qt::red).lighter(120);
    setBodyBrush(p, 60, QPointF(30, 30), QPointF(3, 30), errorRim, QColor(Qt::darkRed).lighter(120),
                 Qt::green, QColor(Qt::green).darker(120));
    p->drawRect(-(w / 2), -(h / 2), w, h);
    p->setPen(QPen(Qt::black, 1));
    p->drawText(QRectF(-50, -15, 100, 20), name);
    // The published dimensions, not rows/cols, which a worker may be rewriting.
    const QString line =
        (shownRows() == 1 && shownCols() == 1)
            ? QString::number(shownValue(), 'g', 6)
            : QString::number(shownRows()) + QStringLiteral(" x ") + QString::number(shownCols());
    p->drawText(QRectF(-50, 0, 100, 20), line);
    paintGivenName(p, Qt::yellow, QColor(Qt::yellow).darker(120));
    paintReportStar(p);
    paintComplementMark(p, QRectF(-70, -30, 20, 20), QRectF(-65, -25, 10, 10));
}
