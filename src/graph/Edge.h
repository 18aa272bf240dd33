#pragma once

#include "graph/ItemTypes.h"

#include <QGraphicsLineItem>
#include <QPointF>
#include <QString>

class Node;

/// Edge item of a graph: one per unordered pair of vertex slots, built once with the graph.
class Edge : public QGraphicsLineItem
{
public:
    enum { Type = EdgeItemType };

    Edge(Node *from, Node *to);
    ~Edge() override;

    int type() const override { return Type; }

    Node *from() const { return m_from; }
    Node *to() const { return m_to; }
    void setOrig(Node *n) { m_from = n; }
    void setDest(Node *n) { m_to = n; }

    /// The edge is shown when `shown` holds and both ends are visible.
    void resetVisible(bool shown);
    bool isShown() const { return m_shown; }
    void adjust();
    double length() const;

    QString getLabel() const { return m_label; }
    void setLabel(QString label) { m_label = label; }
    bool isHilighted() const { return m_hilight; }
    void setHilight(bool h) { m_hilight = h; }

    static void setEdgeWidth(int w) { edgeWidth = w; }
    static int edgeWidth;


    void display() const;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *e) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *e) override;

private:
    bool endsVisible() const;
    bool displayed() const;

    Node *m_from;
    Node *m_to;
    QPointF m_start;
    QPointF m_end;
    bool m_shown = false;
    QString m_label;
    bool m_hilight = false;
};
