#include "graph/Edge.h"

#include "common/writeDiagnostic.h"
#include "graph/Node.h"

#include <QLineF>
#include <QPainter>
#include <QTextOption>
#include <cmath>

int Edge::edgeWidth = 2;

namespace
{
bool samePoint(QPointF a, QPointF b)
{
    return std::fabs(a.x() - b.x()) <= 1e-12 && std::fabs(a.y() - b.y()) <= 1e-12;
}
} // namespace

Edge::Edge(Node *from, Node *to) : QGraphicsLineItem(nullptr), m_from(from), m_to(to)
{
    if (from && to && from != to) {
        setZValue(-10000);
        adjust();
        setLine(QLineF(m_start, m_end));
    }
}

Edge::~Edge() = default;

bool Edge::endsVisible() const
{
    return m_from && m_to && m_from->getVisible() && m_to->getVisible();
}

bool Edge::displayed() const
{
    return m_from && m_to && m_from->isDisplayed() && m_to->isDisplayed();
}

void Edge::resetVisible(bool shown)
{
    m_shown = shown && endsVisible();
    if (!displayed())
        return;
    if (isVisible() != m_shown)
        setVisible(m_shown);
    adjust();
}

void Edge::adjust()
{
    if (!displayed()) {
        if (!endsVisible())
            m_shown = false;
        return;
    }
    if (!endsVisible()) {
        m_shown = false;
        hide();
        return;
    }
    if (isVisible() != m_shown)
        setVisible(m_shown);
    if (!m_shown) {
        update();
        return;
    }
    setZValue(std::min(m_from->zValue(), m_to->zValue()) - 0.1);
    const QPointF p1 = mapFromItem(m_from, 0, 0);
    const QPointF p2 = mapFromItem(m_to, 0, 0);
    const QPointF target2 = QLineF(p1, p2).length() > 5.0 ? p2 : p1;
    if (samePoint(m_start, p1) && samePoint(m_end, target2)) {
        update();
        return;
    }
    prepareGeometryChange();
    m_start = p1;
    m_end = target2;
    update();
}

double Edge::length() const
{
    return QLineF(m_start, m_end).length();
}

void Edge::display() const
{
    writeDiagnostic("Edge(" + (m_from ? m_from->nodeName().toUtf8() : QByteArray()) + " ; " +
                    (m_to ? m_to->nodeName().toUtf8() : QByteArray()) + ")");
}

QRectF Edge::boundingRect() const
{
    if (!m_from || !m_to)
        return QRectF();
    const QPointF topLeft(std::min(m_start.x(), m_end.x()) - 20,
                          std::min(m_start.y(), m_end.y()) - 10);
    const QPointF bottomRight(std::max(m_start.x(), m_end.x()) + 20,
                              std::max(m_start.y(), m_end.y()) + 10);
    return QRectF(topLeft, bottomRight).normalized().adjusted(-1.5, -1.5, 1.5, 1.5);
}

void Edge::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (!endsVisible()) {
        m_shown = false;
        return;
    }
    const QPen pen =
        m_hilight ? QPen(QBrush(Qt::red), edgeWidth + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                  : QPen(QBrush(Qt::black), edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter->setPen(pen);
    painter->setBrush(QBrush(Qt::white));
    painter->drawLine(QLineF(m_start, m_end));
    if (!m_label.isEmpty()) {
        const QPointF m = (m_start + m_end) / 2;
        const QRectF box(m.x() - 20, m.y() - 10, 40, 20);
        painter->drawRect(box);
        painter->drawText(box, m_label, QTextOption());
    }
}

void Edge::mousePressEvent(QGraphicsSceneMouseEvent *e)
{
    update();
    QGraphicsLineItem::mousePressEvent(e);
}

void Edge::mouseReleaseEvent(QGraphicsSceneMouseEvent *e)
{
    update();
    QGraphicsLineItem::mouseReleaseEvent(e);
}
