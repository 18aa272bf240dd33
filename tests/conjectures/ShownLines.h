#pragma once

#include "conjectures/ConjecturesDisplay.h"
#include "conjectures/SimpleDisplay.h"

#include <QLayout>
#include <QScrollArea>

/// The relations list's lines as laid out in its scroll area, in order; none without one.
inline QList<SimpleDisplay *> shownLines(ConjecturesDisplay &d)
{
    QList<SimpleDisplay *> out;
    QScrollArea *area = d.findChild<QScrollArea *>();
    for (int i = 0; area && i < area->widget()->layout()->count(); ++i)
        out << qobject_cast<SimpleDisplay *>(area->widget()->layout()->itemAt(i)->widget());
    return out;
}
