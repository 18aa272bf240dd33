#include "graph/Node.h"

#include "common/writeDiagnostic.h"
#include "graph/Edge.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

QVector<QColor> Node::NodeColor;
int Node::NbNodeColors = 0;
Node *Node::node_under_mouse = nullptr;

Node::Node(double x, double y, double, double, QString name, bool display)
    : QGraphicsEllipseItem(nullptr), m_name(name), m_display(display)
{
    if (m_display) {
        setFlag(QGraphicsItem::ItemIsMovable);
        setFlag(QGraphicsItem::ItemIsSelectable);
        setFlag(QGraphicsItem::ItemSendsGeometryChanges);
        setCacheMode(QGraphicsItem::DeviceCoordinateCache);
        setZValue(1.0);
        setToolTip(m_name);
        setPos(x, y);
    }
}

Node::~Node()
{
    if (node_under_mouse == this)
        node_under_mouse = nullptr;
}

void Node::setNodeName(QString name)
{
    m_name = name;
}

void Node::initColors()
{
    const Qt::GlobalColor table[] = {Qt::yellow,    Qt::cyan,        Qt::red,      Qt::green,
                                     Qt::gray,      Qt::magenta,     Qt::white,    Qt::lightGray,
                                     Qt::blue,      Qt::darkBlue,    Qt::darkCyan, Qt::darkGray,
                                     Qt::darkGreen, Qt::darkMagenta, Qt::darkRed,  Qt::darkYellow};
    for (Qt::GlobalColor c : table)
        NodeColor.append(QColor(c));
    NbNodeColors = NodeColor.size();
}

int Node::colorSlot(int index)
{
    if (NbNodeColors <= 0)
        return 0;
    const int r = index % NbNodeColors;
    return r < 0 ? r + NbNodeColors : r;
}

void Node::setRadius(double r)
{
    if (m_display)
        prepareGeometryChange();
    m_radius = r;
}

void Node::adjustEdges()
{
    for (Edge *e : qAsConst(m_edges))
        e->adjust();
}

void Node::setPosition(double x, double y)
{
    m_x = x;
    m_y = y;
    m_z = 0;
    if (!m_display)
        return;
    setPos(x, y);
    adjustEdges();
}

void Node::setPosition(double x, double y, double z)
{
    m_x = x;
    m_y = y;
    m_z = z;
    if (!m_display)
        return;
    setPos(x, y);
    setZValue(z);
    adjustEdges();
}

void Node::setPosition(QPointF p)
{
    setPosition(p.x(), p.y());
}

void Node::move(QPointF d)
{
    move(d.x(), d.y());
}

void Node::move(double dx, double dy)
{
    if (!m_display)
        return;
    setPos(pos() + QPointF(dx, dy));
    adjustEdges();
}

void Node::updateVisible()
{
    if (!m_display)
        return;
    setVisible(getVisible());
    update();
}

void Node::delete_me()
{
    setVisibleFlag(false);
    setExists(false);
    if (m_display) {
        setVisible(false);
        update();
    }
    for (Edge *e : qAsConst(m_edges))
        e->resetVisible(false);
    updateVisible();
}

void Node::display() const
{
    writeDiagnostic("Node: " + m_name.toUtf8() + "\n" + QByteArray::number(m_edges.size()));
}

QRectF Node::boundingRect() const
{
    return QRectF(-m_radius - 2, -m_radius - 2, 2 * m_radius + 5, 2 * m_radius + 5);
}

QPainterPath Node::shape() const
{
    QPainterPath path;
    path.addEllipse(QRectF(-m_radius, -m_radius, 2 * m_radius, 2 * m_radius));
    return path;
}

void Node::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (!m_display || NbNodeColors <= 0)
        return;
    setToolTip(m_name);
    QRadialGradient gradient(-3, -3, m_radius);
    const int c = colorSlot(m_color);
    QPen pen;
    if (m_hilight) {
        gradient.setCenter(3, 3);
        gradient.setFocalPoint(3, 3);
        gradient.setColorAt(0, Qt::green);
        gradient.setColorAt(1, Qt::red);
        pen = QPen(Qt::yellow);
    } else {
        gradient.setCenter(0, 0);
        gradient.setFocalPoint(-10, -10);
        gradient.setColorAt(0, NodeColor[c]);
        gradient.setColorAt(1, NodeColor[c].darker(200));
        pen = QPen(c <= 7 ? Qt::black : Qt::white);
    }
    if (isSelected())
        pen = QPen(QBrush(Qt::blue), 4);
    painter->setBrush(gradient);
    painter->setPen(pen);
    const int r = static_cast<int>(std::trunc(-m_radius));
    const int d = static_cast<int>(std::trunc(2 * m_radius));
    painter->drawEllipse(QRect(r, r, d, d));
    painter->drawText(QRect(-15, -10, 30, 30), 0, m_label);
}

void Node::mousePressEvent(QGraphicsSceneMouseEvent *e)
{
    node_under_mouse = this;
    m_pressScreenPos = e->screenPos();
    toggleSelected();
    update();
    QGraphicsEllipseItem::mousePressEvent(e);
}

void Node::mouseReleaseEvent(QGraphicsSceneMouseEvent *e)
{
    node_under_mouse = nullptr;
    const QPoint d = e->screenPos() - m_pressScreenPos;
    if (std::abs(d.x()) > 5 || std::abs(d.y()) > 5) {
        setPosition(e->scenePos().x(), e->scenePos().y(), 0);
        update();
    }
    QGraphicsEllipseItem::mouseReleaseEvent(e);
}

void Node::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *) {}

QVariant Node::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == QGraphicsItem::ItemPositionHasChanged)
        adjustEdges();
    return QGraphicsEllipseItem::itemChange(change, value);
}
