#include "items/Constraint.h"

#include <QPainter>
#include <QPolygonF>

Constraint::Constraint()
{
    setCategory(QStringLiteral("Constraint"));
    name = QStringLiteral("CONSTRAINT");
    nbArgs = 2;
    argDescription1 = QStringLiteral("Right hand side (could be a vector or a value)");
    argDescription2 = QStringLiteral("Left hand side (should match the dimension of rhs)");
    latexDoc = QStringLiteral("Returns the sum of violations.\\\\This value is added with "
                              "higher priority to the objective as a penalty.");
}

Constraint::~Constraint() = default;

void Constraint::paint(QPainter *p, const QStyleOptionGraphicsItem *, QWidget *)
{
    const double v = shownValue();
    const bool violated = v > 1e-6;
    const QColor errorRim = QColor(Qt::red).lighter(120);
    setBodyBrush(p, 100, QPointF(3, 3), QPointF(3, 3), errorRim, QColor(Qt::darkRed).lighter(120),
                 violated ? QColor(Qt::magenta).lighter(120) : QColor(Qt::green).lighter(120),
                 violated ? QColor(Qt::darkMagenta).lighter(120)
                          : QColor(Qt::darkGreen).lighter(120));
    const int w2 = w / 2, h2 = h / 2;
    const QPolygonF octagon({QPointF(-w2, -10), QPointF(-w2, 10), QPointF(-10, h2), QPointF(10, h2),
                             QPointF(w2, 10), QPointF(w2, -10), QPointF(10, -h2),
                             QPointF(-10, -h2)});
    p->drawPolygon(octagon);
    p->setPen(QPen(Qt::black, 1));
    p->drawText(QRectF(-40, -20, 100, 20), name);
    p->drawText(QRectF(-40, 0, 100, 20), QString::number(v, 'g', 6));
    paintComplementMark(p, QRectF(-55, -30, 20, 20), QRectF(-50, -25, 10, 10));
}
