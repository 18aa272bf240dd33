#include "PresetPrompts.h"

#include "app/BoardWindow.h"
#include "app/GraphWindow.h"
#include "app/MainWidget.h"
#include "app/MainWindow.h"
#include "app/SettingsStore.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"
#include "optimizer/VNS.h"
#include "optimizer/VNSManager.h"
#include "problem/Problem.h"

#include <QAction>
#include <QMenuBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace
{
/// A settings store whose working directory is a fresh temporary one.
struct Store {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath("settings.ini")};
    Store() { settings.setValue("wd", dir.path()); }
};
} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void windowsReachedFromMenus();
    void quitDuringRun_data();
    void quitDuringRun();
};

void tst_MainWindow::windowsReachedFromMenus()
{
    PresetPrompts prompts;
    Store store;
    MainWindow window(&store.settings);
    QMenu *windows = nullptr;
    for (QAction *a : window.menuBar()->actions())
        if (a->text() == QStringLiteral("&Windows"))
            windows = a->menu();
    QVERIFY(windows);
    const QList<QWidget *> expected = window.inspector()->windows();
    QCOMPARE(windows->actions().size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QVERIFY(!expected[i]->isVisible());
        windows->actions()[i]->trigger();
        QVERIFY2(expected[i]->isVisible(), qPrintable(expected[i]->windowTitle()));
    }
    // An icon of a missing resource is not null: only its pixmap tells.
    MainWidget *in = window.inspector();
    for (QAction *a : {in->graphWindow()->printAction(), in->runAction(), in->haltAction()})
        QVERIFY2(!a->icon().pixmap(16).isNull(), qPrintable(a->text()));
}

void tst_MainWindow::quitDuringRun_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("really quit") << true;
    QTest::newRow("stay") << false;
}

void tst_MainWindow::quitDuringRun()
{
    QFETCH(bool, answer);
    PresetPrompts prompts;
    prompts.answers << answer;
    Store store;
    std::unique_ptr<MainWindow> window(new MainWindow(&store.settings));
    window->show();
    MainWidget *w = window->inspector();
    for (const char *k : {"SIZE", "MINIMIZE"})
        w->slot_add_item(k);
    Problem *board = w->board();
    board->link1(board->getItems().first(), board->getObjectives().first());
    const QString problem = board->saveString();
    w->findChild<QSpinBox *>("n min")->setValue(12);
    w->findChild<QSpinBox *>("n max")->setValue(16);
    w->findChild<QSpinBox *>("Optimization time (sec 0:infty)")->setValue(0);
    // Counted in the GUI thread, where the signal arrives queued.
    int starts = 0;
    connect(w->manager(), &VNSManager::signal_optimization_starts, this, [&starts] { ++starts; });
    w->runAction()->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(starts, 1, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(w->manager()->worker(0)->isJobActive(), 20000);

    QCOMPARE(window->close(), answer);
    QCOMPARE(prompts.asked.filter("question").size(), 1);
    // Quitting ends the search, staying keeps it going; nothing of the board was lost.
    QCOMPARE(w->manager()->isRunning(), !answer);
    QCOMPARE(w->manager()->worker(0)->isJobActive(), !answer);
    QCOMPARE(board->saveString(), problem);
    QCOMPARE(store.settings.value("problem").toString(), answer ? problem : QString());
    QCOMPARE(QFile::exists(store.dir.filePath(".mvxpb")), answer);
    QCOMPARE(window->isVisible(), !answer);
    QCOMPARE(w->boardWindow()->isVisible(), !answer);
    window.reset();
}

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
