#pragma once

#include <QGraphicsItem>

/// Graphics item types of the system, for qgraphicsitem_cast.
enum MorvaneItemType {
    NodeItemType = QGraphicsItem::UserType + 1,
    EdgeItemType = QGraphicsItem::UserType + 2,
};
