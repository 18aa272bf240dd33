#include "graph/Graph.h"
#include "graph/Node.h"

#include <QApplication>
#include <QVector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("TORAL");
    QCoreApplication::setOrganizationDomain("morvane.org");
    QCoreApplication::setApplicationName("Morvane-III");
    qRegisterMetaType<QVector<int>>("QVector<int>");
    Node::initColors();

    Graph graph(QStringLiteral("graph"), true);
    graph.setWindowTitle(QStringLiteral("Morvane-III"));
    // A new graph stacks its vertices at one point: spread them on a circle to be readable.
    const double radius = 150.0;
    graph.place_circle(2 * radius);
    graph.update_display();
    const double margin = radius + 40.0;
    graph.setSceneRect(-margin, -margin, 2 * margin, 2 * margin);
    graph.resize(640, 640);
    graph.show();
    graph.fitInView(graph.sceneRect(), Qt::KeepAspectRatio);
    return app.exec();
}
