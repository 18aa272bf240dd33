#include "app/MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QSplashScreen>
#include <QVector>

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName("TORAL");
    QCoreApplication::setOrganizationDomain("morvane.org");
    QCoreApplication::setApplicationName("Morvane-III");
    qRegisterMetaType<QVector<int>>("QVector<int>");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(images);
    app.setWindowIcon(QIcon(":/src/images/morvane.png"));
    QSplashScreen splash(QPixmap(":/src/images/splash.png"));
    splash.show();
    splash.showMessage("Morvane-III", Qt::AlignHCenter | Qt::AlignTop, Qt::white);
    app.processEvents();
    MainWindow window;
    window.show();
    splash.finish(&window);
    return app.exec();
}
