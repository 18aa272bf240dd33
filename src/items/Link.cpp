#include "items/Link.h"

#include "common/writeDiagnostic.h"
#include "items/Calculus.h"

#include <QLineF>
#include <QPainter>

Link::Link(Calculus *from, Calculus *to, bool display)
    : QGraphicsLineItem(nullptr), source(from), target(to), sourcePt(0, 0), destPt(0, 0),
      displayed(display)
{
    if (source && target && source != target && displayed) {
        setZValue(-1.0);
        adjust();
        setLine(QLineF(sourcePt, destPt));
        show();
    }
}

Link::~Link()
{
    if (source)
        source->removeLink(this);
    if (target)
        target->removeLink(this);
}

void Link::adjust()
{
    if (!source || !target || !source->isVisible() || !target->isVisible() || source == target) {
        hide();
        return;
    }
    show();
    const QPointF p1 = mapFromItem(source, 0, 30);
    const QPointF p2 = mapFromItem(target, 0, -30);
    prepareGeometryChange();
    if (QLineF(p1, p2).length() > 5.0) {
        sourcePt = p1;
        destPt = p2;
    } else {
        sourcePt = destPt = p1;
    }
    update();
}

void Link::setArg(Calculus *arg)
{
    source = arg;
    show();
    adjust();
}

bool Link::changeOrig(Calculus *item)
{
    const bool held = source ? source->removeLink(this) : false;
    source = item;
    if (source)
        source->setLinkTo(this);
    return held;
}

double Link::length() const
{
    return QLineF(sourcePt, destPt).length();
}

QRectF Link::boundingRect() const
{
    if (!source || !target || source == target)
        return QRectF();
    return QRectF(sourcePt, destPt).normalized().adjusted(-1.5, -1.5, 1.5, 1.5);
}

void Link::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (!source || !target || source == target)
        return;
    // Arguments 1 to 4: red, green, blue, cyan, the first the widest.
    static const Qt::GlobalColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan};
    const bool numbered = argNo >= 1 && argNo <= 4;
    const QColor colour = numbered ? colours[argNo - 1] : Qt::black;
    const int width = numbered ? 5 - argNo : 1;
    painter->setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->setBrush(QBrush(colour));
    painter->drawLine(sourcePt, destPt);
    const QPointF m = (sourcePt + destPt) / 2;
    painter->setPen(QPen(Qt::white, 1));
    painter->drawEllipse(QRectF(m - QPointF(8, 8), QSizeF(16, 16)));
    painter->drawText(QRectF(m + QPointF(-6, -8), m + QPointF(6, 6)), QString::number(argNo));
}

QByteArray Link::displayText() const
{
    return "Link From " + (source ? source->name.toUtf8() : QByteArray()) + " To " +
           (target ? target->name.toUtf8() : QByteArray()) + "\n";
}

void Link::display() const
{
    writeDiagnostic(displayText().chopped(1));
}
