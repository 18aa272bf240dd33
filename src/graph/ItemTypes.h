#pragma once

#include <QGraphicsItem>

/// Graphics item types of the system, one per class, for qgraphicsitem_cast.
enum MorvaneItemType {
    NodeItemType = QGraphicsItem::UserType + 1,
    EdgeItemType = QGraphicsItem::UserType + 2,
    LinkItemType = QGraphicsItem::UserType + 3,
    /// Every white-board item; the category and keyword are told by the item itself.
    CalculusItemType = QGraphicsItem::UserType + 4,
};
