#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("TORAL");
    QCoreApplication::setOrganizationDomain("morvane.org");
    QCoreApplication::setApplicationName("Morvane-III");
    QLabel window("Morvane-III");
    window.resize(640, 480);
    window.show();
    return app.exec();
}
