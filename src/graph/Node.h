#pragma once

#include "graph/ItemTypes.h"

#include <QColor>
#include <QGraphicsEllipseItem>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QVector>
#include <atomic>

class Edge;

/// Vertex item of a graph: one per vertex slot, built once with the graph.
/// Without display the item keeps its flags and stored coordinates but never touches the scene
/// side of the item, so a private graph may be used from any thread.
class Node : public QGraphicsEllipseItem
{
public:
    enum { Type = NodeItemType };

    /// w and h are ignored: the drawn size comes from the radius.
    Node(double x, double y, double w, double h, QString name, bool display);
    ~Node() override;

    int type() const override { return Type; }

    QString nodeName() const { return m_name; }
    void setNodeName(QString name);
    QString getLabel() const { return m_label; }
    void setLabel(QString label) { m_label = label; }
    int getColor() const { return m_color; }
    void setColor(int c) { m_color = c; }
    bool isDisplayed() const { return m_display; }

    void setPosition(double x, double y);
    void setPosition(double x, double y, double z);
    void setPosition(QPointF p);
    /// Moves the item only; the stored coordinates stay.
    void move(QPointF d);
    void move(double dx, double dy);
    double getCoordX() const { return m_x; }
    double getCoordY() const { return m_y; }
    double getCoordZ() const { return m_z; }

    void setExists(bool e) { m_exists.store(e, std::memory_order_relaxed); }
    bool getExists() const { return m_exists.load(std::memory_order_relaxed); }
    void setVisibleFlag(bool v) { m_visible.store(v, std::memory_order_relaxed); }
    bool getVisible() const { return m_visible.load(std::memory_order_relaxed); }
    /// Shows or hides the item after its visibility flag (GUI thread only for a displayed item).
    void updateVisible();

    void setSelected(bool s) { m_selected.store(s, std::memory_order_relaxed); }
    bool isSelected() const { return m_selected.load(std::memory_order_relaxed); }
    void toggleSelected() { setSelected(!isSelected()); }
    void hilight() { m_hilight = true; }
    void unhilight() { m_hilight = false; }
    void setRadius(double r);

    void addENeighbor(Edge *e) { m_edges.append(e); }

    static Node *nodeUnderMouse() { return node_under_mouse; }
    static void setNodeUnderMouse(Node *n) { node_under_mouse = n; }
    QPointF getMousePressPos() const { return m_pressPos; }
    void setMousePressPos(QPointF p) { m_pressPos = p; }

    void delete_me();
    void display() const;

    /// Fills the vertex colour table; call once, before any graph is drawn.
    static void initColors();
    /// Table entry of any colour index, negative ones included.
    static int colorSlot(int index);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    static QVector<QColor> NodeColor;
    static int NbNodeColors;
    static Node *node_under_mouse;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *e) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *e) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *e) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    void adjustEdges();

    QList<Edge *> m_edges;
    std::atomic<bool> m_visible{true};
    QString m_name;
    QString m_label;
    int m_color = 0;
    double m_x = 0, m_y = 0, m_z = 0;
    bool m_display;
    double m_radius = 20.0;
    std::atomic<bool> m_exists{true};
    std::atomic<bool> m_selected{false};
    bool m_hilight = false;
    QPoint m_pressScreenPos;
    QPointF m_pressPos;
};
