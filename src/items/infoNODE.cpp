#include "items/infoNODE.h"

#include "graph/Graph.h"
#include "items/CalculusDisplay.h"
#include "items/Link.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtGlobal>

infoNODE::infoNODE(QString keyword, bool isGraphical)
{
    initInfo(keyword, isGraphical);
}

void infoNODE::initInfo(const QString &keyword, bool isGraphical)
{
    name = keyword;
    typeName = QStringLiteral("INFO");
    nbArgs = 1;
    graphical = isGraphical;
    if (!graphical)
        return;
    w = 120;
    h = 60;
    x = qrand() % 200;
    y = qrand() % 200;
    placeOnBoard();
    calculusDisplay = new CalculusDisplay(
        name,
        QStringLiteral("Some edge related information for graphical representation purpose."));
    calculusDisplay->setEnabled(true);
    calculusDisplay->setVisible(false);
    calculusDisplay->setName(name);
}

bool infoNODE::setLink1(Link *link)
{
    takeLink(1, link);
    selected = false;
    return true;
}

bool infoNODE::setArg1(Calculus *item)
{
    return takeInfoArg(item);
}

bool infoNODE::takeInfoArg(Calculus *item)
{
    arg1 = item;
    compute(true);
    update();
    bestBackup();
    if (link1)
        link1->setArg(item);
    if (graph)
        graph->changeBest();
    return true;
}

QString infoNODE::formula()
{
    return arg1 ? name + QStringLiteral(" = ") + arg1->formula() : name;
}

void infoNODE::recompute()
{
    error = false;
    if (!arg1) {
        fail(QStringLiteral("Missing argument"));
        return;
    }
    if (arg1->cols != 1) {
        fail(QStringLiteral("Argument should be a vector"));
        return;
    }
    saveTooltip(name);
    rows = arg1->rows;
    cols = 1;
    for (int i = 0; i < rows; ++i)
        M[i][0] = arg1->M[i][0];
}

void infoNODE::paint(QPainter *p, const QStyleOptionGraphicsItem *, QWidget *)
{
    paintDiamond(p);
}

void infoNODE::paintDiamond(QPainter *p)
{
    QRadialGradient g(QPointF(3, 3), 100, QPointF(3, 3));
    if (selected) {
        g.setColorAt(1, QColor(Qt::blue).lighter(120));
        g.setColorAt(0, QColor(Qt::darkBlue).lighter(120));
    } else {
        g.setColorAt(1, Qt::blue);
        g.setColorAt(0, Qt::cyan);
    }
    p->setBrush(g);
    p->setPen(QPen(Qt::black, 1));
    const int w2 = w / 2, h2 = h / 2;
    const QPoint corners[4] = {QPoint(-w2, 0), QPoint(0, h2), QPoint(w2, 0), QPoint(0, -h2)};
    p->drawPolygon(corners, 4);
    p->drawText(QRectF(-40, -10, 100, 20), name);
}
