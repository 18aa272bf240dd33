#include "app/MainWindow.h"

#include "app/BoardWindow.h"
#include "app/GraphWindow.h"
#include "app/MainWidget.h"
#include "app/SettingsStore.h"
#include "catalogue/BuildCalculus.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

MainWindow::MainWindow(SettingsStore *settings)
    : m_catalogue(new BuildCalculus), m_ownSettings(settings ? nullptr : new SettingsStore)
{
    Q_INIT_RESOURCE(images);
    m_inspector.reset(new MainWidget(m_catalogue.get(), settings ? settings : m_ownSettings.get()));
    setCentralWidget(m_inspector.get());
    setWindowTitle(QStringLiteral("Morvane-III"));

    MainWidget *in = m_inspector.get();
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(in->boardWindow()->action(tr("Open problem")));
    file->addAction(in->boardWindow()->action(tr("Save problem")));
    file->addSeparator();
    file->addAction(in->graphWindow()->openAction());
    file->addAction(in->graphWindow()->saveAction());
    file->addAction(in->graphWindow()->printAction());
    file->addSeparator();
    file->addAction(tr("Documentation report"), in, &MainWidget::slot_show_report);
    file->addSeparator();
    file->addAction(tr("&Quit"), this, &QWidget::close);

    QMenu *windows = menuBar()->addMenu(tr("&Windows"));
    QToolBar *bar = addToolBar(tr("Main"));
    bar->setObjectName(QStringLiteral("Main"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addAction(in->runAction());
    bar->addAction(in->haltAction());
    bar->addSeparator();
    for (QWidget *w : in->windows()) {
        QAction *a = windows->addAction(w->windowTitle(), w, [w] {
            w->show();
            w->raise();
            w->activateWindow();
        });
        bar->addAction(a);
    }
    QMenu *optimization = menuBar()->addMenu(tr("&Optimization"));
    optimization->addAction(in->runAction());
    optimization->addAction(in->haltAction());
    statusBar();
    resize(1000, 700);
}

MainWindow::~MainWindow() = default;

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_inspector->quit())
        event->accept();
    else
        event->ignore();
}
