#include "problem/Problem.h"

#include "items/Calculus.h"
#include "items/infoEDGE.h"
#include "items/infoNODE.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace
{

/// The step of an arrow key, in scene units with y growing downwards; null for other keys.
QPointF arrowStep(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return QPointF(0, -5);
    case Qt::Key_Down:
        return QPointF(0, 5);
    case Qt::Key_Right:
        return QPointF(5, 0);
    case Qt::Key_Left:
        return QPointF(-5, 0);
    default:
        return QPointF();
    }
}

} // namespace

Calculus *Problem::boardItem(QGraphicsItem *item) const
{
    // Every item in the board's scene other than links and the rubber band is one of its own.
    return qgraphicsitem_cast<Calculus *>(item);
}

void Problem::mousePressEvent(QMouseEvent *event)
{
    if (!scene)
        return;
    rubberBandActive = true;
    pressScenePos = mapToScene(event->pos());
    maxDragDist2 = 0;
    // Topmost first and no early stop: of overlapping items the lowest one is picked.
    Calculus *picked = nullptr;
    for (QGraphicsItem *item :
         scene->items(pressScenePos, Qt::IntersectsItemShape, Qt::DescendingOrder))
        if (Calculus *c = boardItem(item))
            picked = c;
    if (!picked) {
        rubberBand->setRect(QRectF(pressScenePos, QSizeF(0, 0)));
        rubberBand->show();
        return;
    }
    Calculus::setCalculusUnderMouse(picked);
    QVector<Calculus *> all;
    allItems(all);
    for (Calculus *c : all)
        if (c->selected)
            c->setMousePressPos(c->pos());
    rubberBandActive = false;
}

void Problem::mouseMoveEvent(QMouseEvent *event)
{
    lastMousePos = event->pos();
    const QPointF p = mapToScene(lastMousePos);
    if (rubberBandActive && rubberBand)
        rubberBand->setRect(QRectF(pressScenePos, p).normalized());
    if (Calculus *c = Calculus::calculusUnderMouse()) {
        const QPointF d = p - pressScenePos;
        maxDragDist2 = qMax(maxDragDist2, d.x() * d.x() + d.y() * d.y());
        if (maxDragDist2 > 25) {
            if (c->selected) {
                const QPointF shift = p - c->getMousePressPos();
                QVector<Calculus *> all;
                allItems(all);
                for (Calculus *s : all)
                    if (s->selected)
                        s->setPos(s->getMousePressPos() + shift);
            } else {
                c->setPos(p);
            }
        }
    }
    update_display();
}

void Problem::mouseReleaseEvent(QMouseEvent *)
{
    if (rubberBandActive && scene) {
        for (QGraphicsItem *item :
             scene->items(rubberBand->rect(), Qt::IntersectsItemShape, Qt::DescendingOrder))
            if (Calculus *c = boardItem(item))
                c->select(true);
    }
    rubberBandActive = false;
    if (rubberBand)
        rubberBand->hide();
    Calculus *c = Calculus::calculusUnderMouse();
    if (25 > maxDragDist2 && c)
        c->toggleSelect();
    Calculus::setCalculusUnderMouse(nullptr);
    update_display();
    maxDragDist2 = 0;
}

void Problem::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!scene)
        return;
    rubberBandActive = false;
    pressScenePos = mapToScene(event->pos());
    for (QGraphicsItem *item :
         scene->items(pressScenePos, Qt::IntersectsItemShape, Qt::DescendingOrder))
        if (Calculus *c = boardItem(item))
            c->toggleDisplay();
    rubberBand->setRect(QRectF(pressScenePos, QSizeF(0, 0)));
    rubberBand->hide();
    maxDragDist2 = 0;
}

void Problem::wheelEvent(QWheelEvent *event)
{
    scaleView(std::pow(2.0, -event->angleDelta().y() / 240.0));
}

void Problem::scaleView(double factor)
{
    const qreal width = transform().scale(factor, factor).mapRect(QRectF(0, 0, 1, 1)).width();
    if (width < 0.07 || width > 100)
        return;
    scale(factor, factor);
}

void Problem::keyPressEvent(QKeyEvent *event)
{
    struct KeyAction {
        int key;
        void (*run)(Problem &);
    };
    // clang-format off: one binding a line
    static const KeyAction plain[] = {
        {Qt::Key_Plus, [](Problem &p) { p.scaleView(1.1); }},
        {Qt::Key_Minus, [](Problem &p) { p.scaleView(1 / 1.1); }},
        {Qt::Key_1, [](Problem &p) { p.slot_link1(); }},
        {Qt::Key_2, [](Problem &p) { p.slot_link2(); }},
        {Qt::Key_3, [](Problem &p) { p.slot_link3(); }},
        {Qt::Key_4, [](Problem &p) { p.slot_link4(); }},
        {Qt::Key_Delete, [](Problem &p) { p.slot_delete_items(); }},
        {Qt::Key_Backspace, [](Problem &p) { p.slot_delete_items(); }},
        {Qt::Key_R, [](Problem &p) { emit p.signal_start_vns(); }},
        {Qt::Key_H, [](Problem &p) { emit p.signal_stop_vns(); }},
        {Qt::Key_X, [](Problem &p) { p.slot_alignX(); }},
        {Qt::Key_Y, [](Problem &p) { p.slot_alignY(); }},
        {Qt::Key_A, [](Problem &p) { p.slot_spaceX(); }},
        {Qt::Key_V, [](Problem &p) { p.slot_spaceY(); }},
    };
    static const KeyAction withControl[] = {
        {Qt::Key_P, [](Problem &p) { p.slot_print(); }},
        {Qt::Key_X, [](Problem &p) { p.slot_delete_items(); }},
        {Qt::Key_U, [](Problem &p) { p.slot_unselect_all(); }},
        {Qt::Key_A, [](Problem &p) { p.slot_select_all(); }},
        {Qt::Key_I, [](Problem &p) { p.slot_invert_selection(); }},
    };
    // clang-format on

    const int k = event->key();
    if (k == Qt::Key_Control)
        ctrlPressed = true;
    else if (k == Qt::Key_Alt)
        altPressed = true;
    const QPointF arrow = arrowStep(k);
    if (!arrow.isNull()) {
        if (ctrlPressed)
            slot_move_all(arrow.x(), arrow.y());
        else
            slot_move_selected(arrow.x(), arrow.y());
    } else if (ctrlPressed) {
        for (const KeyAction &a : withControl)
            if (a.key == k)
                a.run(*this);
    } else {
        for (const KeyAction &a : plain)
            if (a.key == k)
                a.run(*this);
    }
    // Every key, bound or not, ends with the board refresh.
    slot_refresh();
}

void Problem::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Alt)
        altPressed = false;
    else if (event->key() == Qt::Key_Control)
        ctrlPressed = false;
}

void Problem::timerEvent(QTimerEvent *)
{
    update_display();
}
