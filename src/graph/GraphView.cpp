// Drawing values, vertex positions, and the mouse and keyboard commands of class Graph.

#include "graph/Graph.h"

#include "common/GuiThread.h"
#include "common/writeDiagnostic.h"
#include "graph/Edge.h"
#include "graph/Node.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QWheelEvent>
#include <cmath>

namespace
{

// One turn of the arrow keys and of the animation: 2 pi / 128.
const double rotationStep = 0.04908738515625;

QString labelText(double v)
{
    return QString::number(v, 'g', 6);
}

// Truncation toward zero; NaN or a value beyond int gives 0.
int colourIndex(double v)
{
    return v > -2147483649.0 && v < 2147483648.0 ? static_cast<int>(v) : 0;
}

inline uint32_t bit(int j)
{
    return 1u << j;
}

// f(i, j) for every pair i < j of the slots in s.
template <class F> void forSelectedPairs(uint32_t s, F f)
{
    for (int i = 0; i < 32; ++i)
        for (int j = i + 1; j < 32; ++j)
            if ((s >> i) & (s >> j) & 1u)
                f(i, j);
}

} // namespace

// ---- Values from the board ----

bool Graph::deferredToGui(std::function<void()> f)
{
    return GuiThread::queued(displayContext(), std::move(f));
}

void Graph::slot_update()
{
    bumpID(1);
    emit signal_interactive_graph_changed();
}

void Graph::setColors(QVector<double> colors)
{
    if (deferredToGui([this, colors] { setColors(colors); }))
        return;
    if (colors.isEmpty()) {
        resetColors();
        return;
    }
    for (int i = 0; i < colors.size() && i < 32; ++i)
        m_nodes[i]->setColor(colourIndex(colors.at(i)));
    repaintNodes();
}

void Graph::setLabels(QVector<double> labels)
{
    if (deferredToGui([this, labels] { setLabels(labels); }))
        return;
    if (labels.isEmpty()) {
        resetLabels();
        return;
    }
    for (int i = 0; i < labels.size() && i < 32; ++i)
        m_nodes[i]->setLabel(labelText(labels.at(i)));
    repaintNodes();
}

void Graph::resetLabels()
{
    if (deferredToGui([this] { resetLabels(); }))
        return;
    for (Node *node : qAsConst(m_nodes))
        node->setLabel(QString());
    repaintNodes();
}

void Graph::resetColors()
{
    if (deferredToGui([this] { resetColors(); }))
        return;
    for (Node *node : qAsConst(m_nodes))
        node->setColor(0);
    repaintNodes();
}

void Graph::setEdgeValues(const QVector<QVector<double>> &m, bool show,
                          void (*set)(Edge *, const double *))
{
    // Which pairs are edges is decided now; only the item update may wait for the GUI thread.
    BitGraph g;
    snapshot(g);
    const int nBest = std::min(getNbBestNodes(), 32);
    auto apply = [this, m, show, set, g, nBest] {
        for (int i = 1; i < nBest; ++i)
            for (int j = 0; j < i; ++j) {
                if (!g.edge(i, j) || (show && (i >= m.size() || j >= m.at(i).size())))
                    continue;
                set(m_edges[i][j], show ? &m.at(i).at(j) : nullptr);
                if (m_display)
                    m_edges[i][j]->update();
            }
    };
    if (!deferredToGui(apply))
        apply();
}

void Graph::setELabels(QVector<QVector<double>> m, bool show)
{
    setEdgeValues(m, show,
                  [](Edge *e, const double *v) { e->setLabel(v ? labelText(*v) : QString()); });
}

void Graph::setEHilight(QVector<QVector<double>> m, bool show)
{
    setEdgeValues(m, show, [](Edge *e, const double *v) { e->setHilight(v && *v > 0.999999); });
}

void Graph::hilight(int k)
{
    for (int i = 0; i < 32; ++i) {
        if (i == k)
            m_nodes[i]->hilight();
        else
            m_nodes[i]->unhilight();
    }
    repaintNodes();
    emit signal_hilight_node(k);
}

// ---- Positions ----

QPointF Graph::nodePos(int i) const
{
    const Node *node = m_nodes[i];
    return m_display ? node->pos() : QPointF(node->getCoordX(), node->getCoordY());
}

void Graph::moveItemTo(int i, QPointF p)
{
    Node *node = m_nodes[i];
    if (m_display)
        node->move(p - node->pos());
}

QPointF Graph::lastMouseScenePos() const
{
    return m_display ? mapToScene(m_lastMousePos) : QPointF(m_lastMousePos);
}

void Graph::setPos(int i, QPointF p)
{
    if (i >= 0 && i < getNbNodes())
        m_nodes[i]->setPosition(p.x(), p.y());
}

void Graph::setPos(int i, double x, double y, double z)
{
    if (i >= 0 && i < getNbNodes())
        m_nodes[i]->setPosition(x, y, z);
}

void Graph::place_circle(double size)
{
    const int n = getNbNodes();
    const double R = size * 0.5;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * i * 3.14159265 / n;
        m_nodes[i]->setPosition(R * std::cos(a), R * std::sin(a));
    }
}

void Graph::center()
{
    const int n = getNbBestNodes();
    if (n < 2)
        return;
    double mx = 0, my = 0, mz = 0;
    for (int i = 0; i < n; ++i) {
        const QPointF p = nodePos(i);
        mx += p.x();
        my += p.y();
        mz += m_nodes[i]->getCoordZ();
    }
    mx /= n;
    my /= n;
    mz /= n;
    for (int i = 0; i < n; ++i) {
        const QPointF p = nodePos(i);
        m_nodes[i]->setPosition(p.x() - mx, p.y() - my, m_nodes[i]->getCoordZ() - mz);
    }
}

void Graph::slot_set_node_radius(double r)
{
    for (Node *node : qAsConst(m_nodes))
        node->setRadius(r);
}

void Graph::slot_setScalePos(int s)
{
    m_scalePos = s;
}

void Graph::slot_randomPosition()
{
    for (int k = 0; k < 32; ++k) {
        const double r = qrand() * 30.0 / 2147483647.0 * 5.0;
        const double a = 6.2831853 * k / 32;
        moveItemTo(k, QPointF(r * std::sin(a), r * std::cos(a)));
    }
}

void Graph::slot_scalePosition()
{
    const double h = m_scalePos * 0.5;
    double minX = 1e12, minY = 1e12, maxX = -1e12, maxY = -1e12;
    for (int k = 0; k < 32; ++k) {
        const QPointF p = nodePos(k);
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    // An axis without spread has no scale: it is left as it is.
    const bool scaleX = maxX > minX;
    const bool scaleY = maxY > minY;
    for (int k = 0; k < 32; ++k) {
        const QPointF p = nodePos(k);
        moveItemTo(k, QPointF(scaleX ? (p.x() - minX) * 2 * h / (maxX - minX) - h : p.x(),
                              scaleY ? (p.y() - minY) * 2 * h / (maxY - minY) - h : p.y()));
    }
}

void Graph::display() const
{
    std::lock_guard<std::mutex> best(m_bestMutex);
    std::lock_guard<std::mutex> current(m_currentMutex);
    const int n = getNbNodes();
    QByteArray text = "ID = " + QByteArray::number(getID()) + "\n--best graph--\n";
    const auto rows = [&](const uint32_t *adjacency) {
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j)
                text += ((adjacency[i] >> j) & 1u) ? "1 " : "0 ";
            text += '\n';
        }
    };
    rows(m_best);
    text += "--cur graph--\n";
    rows(m_current);
    writeDiagnostic(text + "-------");
}

// ---- Editing commands ----

void Graph::publish(bool redraw)
{
    bumpID(1);
    best_backup();
    emit signal_best_graph_changed();
    if (redraw)
        update_display();
}

uint32_t Graph::selectedSlots(int limit) const
{
    uint32_t s = 0;
    for (int k = 0; k < limit && k < 32; ++k)
        if (m_nodes[k]->isSelected())
            s |= bit(k);
    return s;
}

void Graph::slot_addv()
{
    addNode();
    publish(true);
}

void Graph::slot_adde()
{
    forSelectedPairs(selectedSlots(getNbBestNodes()), [this](int i, int j) { addEdge(i, j); });
    publish(true);
}

void Graph::slot_reme()
{
    forSelectedPairs(selectedSlots(getNbNodes()), [this](int i, int j) { remEdge(i, j); });
    publish(true);
}

void Graph::slot_complement()
{
    forSelectedPairs(selectedSlots(getNbBestNodes()), [this](int i, int j) {
        if (edge(i, j))
            remEdge(i, j);
        else
            addEdge(i, j);
    });
    publish(true);
}

void Graph::slot_remv()
{
    best_restore();
    {
        std::lock_guard<std::mutex> locker(m_currentMutex);
        int n = getNbNodes();
        // Downwards, so the vertex moved into slot k has already been passed and is unselected.
        for (int k = n - 1; k >= 0; --k) {
            if (!m_nodes[k]->isSelected())
                continue;
            m_current[k] = 0;
            for (int r = 0; r < 32; ++r)
                m_current[r] &= ~bit(k);
            const int last = n - 1;
            if (k < last) {
                m_current[k] = m_current[last];
                for (int r = 0; r < 32; ++r)
                    m_current[r] = (m_current[r] & ~bit(k)) | (((m_current[r] >> last) & 1u) << k);
                std::swap(m_nodes[k], m_nodes[last]);
            }
            --n;
        }
        m_n.store(n, std::memory_order_relaxed);
        setExistsBelow(n);
        const uint32_t inside = BitGraph::maskOf(n);
        for (int i = 0; i < 32; ++i) {
            // Every pair with an end beyond n goes; the diagonal of the slots inside stays.
            if (i >= n)
                m_current[i] &= bit(i);
            else
                m_current[i] &= inside;
        }
        for (int i = 0; i < 32; ++i)
            for (int j = i + 1; j < 32; ++j) {
                Edge *e = m_edges[i][j];
                e->setOrig(m_nodes[i]);
                e->setDest(m_nodes[j]);
                e->resetVisible((m_current[i] >> j) & 1u);
            }
    }
    publish(true);
}

void Graph::slot_set_add_k()
{
    m_addMode = 0;
}

void Graph::slot_set_add_bip()
{
    m_addMode = 1;
}

void Graph::slot_set_add_tail()
{
    m_addMode = 2;
}

void Graph::addK()
{
    insertVertex(0);
}

void Graph::addBip()
{
    insertVertex(1);
}

void Graph::addTail()
{
    insertVertex(2);
}

void Graph::insertVertex(int mode)
{
    const int v = getNbNodes();
    if (v > 31)
        return;
    const QPointF p = lastMouseScenePos();
    Node *node = m_nodes[v];
    m_n.store(v + 1, std::memory_order_relaxed);
    node->setExists(true);
    node->setPosition(p.x(), p.y(), 0);
    node->setSelected(mode == 0);
    // Joined exactly to the selected vertices; old cells of the slot are cleared.
    for (int b = 0; b <= v; ++b) {
        if (m_nodes[b]->isSelected())
            addEdge(b, v);
        else
            remEdge(b, v);
    }
    if (mode == 2) {
        for (Node *other : qAsConst(m_nodes))
            other->setSelected(false);
        node->setSelected(true);
    }
    repaintNodes();
    publish(false);
}

void Graph::relabel()
{
    std::lock_guard<std::mutex> locker(m_currentMutex);
    const int n = getNbNodes();
    if (n < 2)
        return;
    const uint32_t block = BitGraph::maskOf(n);
    for (int i = 0; i < n; ++i) {
        const int r = qrand() % (n - 1);
        const int j = r == i ? n - 1 : r;
        // Rows i and j over columns 0..n-1.
        const uint32_t diff = (m_current[i] ^ m_current[j]) & block;
        m_current[i] ^= diff;
        m_current[j] ^= diff;
        // Then columns i and j over rows 0..n-1.
        for (int row = 0; row < n; ++row) {
            const uint32_t x = ((m_current[row] >> i) ^ (m_current[row] >> j)) & 1u;
            m_current[row] ^= (x << i) | (x << j);
        }
    }
}

void Graph::slot_relabel()
{
    relabel();
    bumpID(1);
    emit signal_interactive_graph_changed();
}

void Graph::rotate(double a, double b, double c)
{
    center();
    const int n = getNbBestNodes();
    const double ca = std::cos(a), sa = std::sin(a);
    const double cb = std::cos(b), sb = std::sin(b);
    const double cc = std::cos(c), sc = std::sin(c);
    for (int i = 0; i < n; ++i) {
        const QPointF p = nodePos(i);
        const double x = p.x(), y = p.y(), z = m_nodes[i]->getCoordZ();
        const double y1 = y * ca - z * sa;
        const double z1 = y * sa + z * ca;
        const double x2 = x * cb + z1 * sb;
        const double z2 = z1 * cb - x * sb;
        const double x3 = x2 * cc - y1 * sc;
        const double y3 = x2 * sc + y1 * cc;
        m_nodes[i]->setPosition(x3, y3, z2);
    }
}

bool Graph::zoomWithin(double f)
{
    const double width = transform().scale(f, f).mapRect(QRectF(0, 0, 1, 1)).width();
    if (!(width >= 0.07 && width <= 100))
        return false;
    scale(f, f);
    return true;
}

void Graph::scaleView(double f)
{
    zoomWithin(f);
}

// ---- Timers ----

void Graph::optimizationStarts()
{
    emit signal_console(QStringLiteral("Graph Start timer ") + QString::number(m_refreshTimerId),
                        true, 0, QColor(Qt::gray));
    if (m_refreshTimerId == 0) {
        m_refreshTimerId = startTimer(m_refreshInterval, Qt::CoarseTimer);
        emit signal_console(QStringLiteral("Timer ") + QString::number(m_refreshTimerId) +
                                QStringLiteral(" started."),
                            true, 0, QColor(Qt::gray));
    }
}

void Graph::optimizationStops()
{
    emit signal_console(QStringLiteral("Graph Kill timer ") + QString::number(m_refreshTimerId),
                        true, 0, QColor(Qt::gray));
    if (m_refreshTimerId != 0)
        killTimer(m_refreshTimerId);
    m_refreshTimerId = 0;
}

int Graph::toggleAnim()
{
    if (m_animTimerId != 0) {
        killTimer(m_animTimerId);
        m_animTimerId = 0;
    } else {
        m_animTimerId = startTimer(m_animInterval, Qt::CoarseTimer);
    }
    return m_animTimerId;
}

void Graph::timerEvent(QTimerEvent *e)
{
    if (m_animTimerId != 0 && e->timerId() == m_animTimerId)
        rotate(0, rotationStep, 0);
    update_display();
}

// ---- Mouse ----

Node *Graph::heldNode() const
{
    Node *held = Node::nodeUnderMouse();
    return held && m_nodes.contains(held) ? held : nullptr;
}

int Graph::nodeAt(QPointF scenePoint) const
{
    if (!m_scene)
        return -1;
    const QList<QGraphicsItem *> under =
        m_scene->items(scenePoint, Qt::IntersectsItemShape, Qt::DescendingOrder, transform());
    for (QGraphicsItem *item : under) {
        Node *node = qgraphicsitem_cast<Node *>(item);
        if (!node || !item->isVisible())
            continue;
        const int k = m_nodes.indexOf(node);
        if (k >= 0)
            return k;
    }
    return -1;
}

void Graph::mousePressEvent(QMouseEvent *e)
{
    if (!m_display)
        return;
    m_selecting = true;
    m_selectionOrigin = mapToScene(e->pos());
    for (Node *node : qAsConst(m_nodes))
        if (node->isSelected())
            node->setMousePressPos(node->pos());
    const int k = nodeAt(m_selectionOrigin);
    if (k >= 0) {
        viewport()->setCursor(Qt::ClosedHandCursor);
        Node::setNodeUnderMouse(m_nodes[k]);
        m_lastClickedNode = k;
        m_selecting = false;
        m_nodes[k]->update();
        return;
    }
    m_selectionRect->setRect(QRectF(m_selectionOrigin, QSizeF(0, 0)));
    m_selectionRect->show();
}

void Graph::mouseMoveEvent(QMouseEvent *e)
{
    m_lastMousePos = e->pos();
    if (!m_display)
        return;
    const QPointF p = mapToScene(m_lastMousePos);
    if (m_selecting)
        m_selectionRect->setRect(QRectF(
            QPointF(std::min(p.x(), m_selectionOrigin.x()), std::min(p.y(), m_selectionOrigin.y())),
            QPointF(std::max(p.x(), m_selectionOrigin.x()),
                    std::max(p.y(), m_selectionOrigin.y()))));
    const bool overNode = nodeAt(mapToScene(e->pos())) >= 0;
    if (Node *held = heldNode()) {
        viewport()->setCursor(Qt::ClosedHandCursor);
        if (held->isSelected()) {
            // The held vertex lands under the pointer, the others keep their offsets to it.
            const QPointF d = p - held->getMousePressPos();
            for (Node *node : qAsConst(m_nodes))
                if (node->isSelected())
                    node->setPosition(node->getMousePressPos() + d);
        } else {
            held->setPosition(p.x(), p.y(), 0);
        }
        m_dragged = true;
    } else {
        viewport()->setCursor(overNode ? Qt::OpenHandCursor : Qt::ArrowCursor);
    }
    update_display();
}

void Graph::mouseReleaseEvent(QMouseEvent *)
{
    if (!m_display)
        return;
    Node *held = heldNode();
    if (!m_selecting && held && !m_dragged) {
        // A click without a drag toggles the vertex's selection.
        held->toggleSelected();
        held->update();
    }
    if (m_selecting) {
        const QList<QGraphicsItem *> inside = m_scene->items(
            m_selectionRect->rect(), Qt::IntersectsItemShape, Qt::DescendingOrder, transform());
        for (QGraphicsItem *item : inside) {
            Node *node = qgraphicsitem_cast<Node *>(item);
            if (node && item->isVisible() && m_nodes.contains(node)) {
                node->setSelected(true);
                node->update();
            }
        }
    }
    m_dragged = false;
    m_selecting = false;
    m_selectionRect->hide();
    if (held)
        Node::setNodeUnderMouse(nullptr);
    viewport()->setCursor(Qt::OpenHandCursor);
    update_display();
}

void Graph::mouseDoubleClickEvent(QMouseEvent *)
{
    switch (m_addMode) {
    case 0:
        addK();
        break;
    case 1:
        addBip();
        break;
    case 2:
        addTail();
        break;
    default:
        break;
    }
}

void Graph::wheelEvent(QWheelEvent *e)
{
    zoomWithin(std::pow(2.0, -e->angleDelta().y() / 240.0));
}

// ---- Keys ----

void Graph::keyPressEvent(QKeyEvent *e)
{
    // Every key acts on the graph on screen.
    best_restore();
    const int key = e->key();
    if (key == Qt::Key_Control)
        m_controlHeld = true;
    else if (key == Qt::Key_Alt)
        m_altHeld = true;
    if (m_controlHeld) {
        switch (key) {
        case Qt::Key_P:
            slot_print();
            break;
        case Qt::Key_X:
            slot_remv();
            break;
        case Qt::Key_U:
            slot_unselect_all();
            break;
        case Qt::Key_E:
            slot_adde();
            break;
        case Qt::Key_V:
            addNode();
            publish(true);
            break;
        case Qt::Key_C:
            slot_complement();
            break;
        case Qt::Key_A:
            slot_select_all();
            break;
        case Qt::Key_I:
            slot_invert_selection();
            break;
        case Qt::Key_R:
            bumpID(1);
            emit signal_interactive_graph_changed();
            break;
        default:
            break;
        }
    } else {
        switch (key) {
        case Qt::Key_Right:
            if (m_altHeld)
                rotate(0, 0, rotationStep);
            else
                rotate(0, rotationStep, 0);
            break;
        case Qt::Key_Left:
            if (m_altHeld)
                rotate(0, 0, -rotationStep);
            else
                rotate(0, -rotationStep, 0);
            break;
        case Qt::Key_Up:
            rotate(rotationStep, 0, 0);
            break;
        case Qt::Key_Down:
            rotate(-rotationStep, 0, 0);
            break;
        case Qt::Key_Minus:
            zoomWithin(1 / 1.1);
            break;
        case Qt::Key_Plus:
            zoomWithin(1.1);
            break;
        case Qt::Key_R:
            emit signal_start_vns();
            break;
        case Qt::Key_H:
            emit signal_stop_vns();
            break;
        case Qt::Key_Space:
            emit signal_load_next();
            break;
        case Qt::Key_Backspace:
            slot_reme();
            break;
        case Qt::Key_T:
            addTail();
            break;
        case Qt::Key_B:
            addBip();
            break;
        case Qt::Key_K:
            addK();
            break;
        case Qt::Key_M:
            emit signal_place_graph();
            break;
        default:
            break;
        }
    }
    bumpID(1);
    emit signal_interactive_graph_changed();
}

void Graph::keyReleaseEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Control)
        m_controlHeld = false;
    else if (e->key() == Qt::Key_Alt)
        m_altHeld = false;
}
