#pragma once

#include "graph/ItemTypes.h"

#include <QByteArray>
#include <QGraphicsLineItem>
#include <QPointF>

class Calculus;

/// Numbered argument link: its source is argument k (1..4) of its target. Deleting it
/// detaches it from both items, so the target loses that argument.
class Link : public QGraphicsLineItem
{
public:
    enum { Type = LinkItemType };

    Link(Calculus *from, Calculus *to, bool display);
    virtual ~Link();

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    /// Lays the line out between the source's lower and the target's upper edge, or hides
    /// it when an end is missing, hidden or both ends are the same item.
    void adjust();
    void setArg(Calculus *arg);
    void setArgNo(int k) { argNo = k; }
    int getArgNo() const { return argNo; }
    /// Moves the source to `item`; returns whether the old source held the link.
    bool changeOrig(Calculus *item);
    Calculus *from() const { return source; }
    Calculus *to() const { return target; }
    double length() const;
    void display() const;
    /// The diagnostic line of display(), end of line included.
    QByteArray displayText() const;

private:
    Calculus *source;
    Calculus *target;
    QPointF sourcePt;
    QPointF destPt;
    int argNo = -1;
    bool displayed;
};
