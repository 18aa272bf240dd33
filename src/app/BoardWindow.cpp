#include "app/BoardWindow.h"

#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"
#include "items/CalculusDisplay.h"
#include "problem/Problem.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

BoardWindow::BoardWindow(Problem *board, const BuildCalculus *catalogue, QWidget *parent)
    : QMainWindow(parent), m_board(board), m_toolBar(addToolBar(tr("White board"))),
      m_problemMenu(menuBar()->addMenu(tr("&Problem"))),
      m_contextMenu(new QMenu(tr("White board"), this))
{
    setWindowTitle(tr("White board"));
    setCentralWidget(board);
    m_toolBar->setObjectName(QStringLiteral("White board"));

    command(m_problemMenu, tr("Open problem"), &Problem::slot_open, true);
    command(m_problemMenu, tr("Save problem"), &Problem::slot_save, false);
    command(m_problemMenu, tr("Print white board"), &Problem::slot_print, false);
    m_problemMenu->addSeparator();

    QMenu *add = menuBar()->addMenu(tr("&Add"));
    const struct {
        const char *title;
        QStringList keywords;
    } categories[] = {
        {"Values", catalogue->InvariantsVal},   {"Vectors", catalogue->InvariantsVec},
        {"Matrices", catalogue->InvariantsMat}, {"Families", catalogue->InvariantsFam},
        {"Operators", catalogue->Operators},    {"Constraints", catalogue->Constraints},
    };
    QStringList objectives;
    for (const QString &k : catalogue->All)
        if (catalogue->type(k) == BuildCalculus::Category::Objective)
            objectives << k;
    for (const auto &c : categories)
        add->addMenu(addMenu(tr(c.title), c.keywords));
    add->addMenu(addMenu(tr("Objective"), objectives));
    for (QMenu *m : qAsConst(m_addMenus))
        m_contextMenu->addMenu(m);
    m_contextMenu->addSeparator();

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    for (int k = 1; k <= 4; ++k) {
        void (Problem::*link)() = k == 1   ? &Problem::slot_link1
                                  : k == 2 ? &Problem::slot_link2
                                  : k == 3 ? &Problem::slot_link3
                                           : &Problem::slot_link4;
        QAction *a = command(edit, tr("Link as argument %1").arg(k), link, true, true);
        a->setStatusTip(tr("Each selected item takes the selected item before it as argument "
                           "%1; linking the same pair again removes the link")
                            .arg(k));
    }
    command(edit, tr("Delete selected items"), &Problem::slot_delete_items, true, true);
    edit->addSeparator();
    command(edit, tr("Unselect all"), &Problem::slot_unselect_all, false);
    command(edit, tr("Align on x"), &Problem::slot_alignX, false);
    command(edit, tr("Align on y"), &Problem::slot_alignY, false);
    command(edit, tr("Space along x"), &Problem::slot_spaceX, false);
    command(edit, tr("Space along y"), &Problem::slot_spaceY, false);
    m_toolBar->addSeparator();
    m_contextMenu->addSeparator();

    connect(board, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { m_contextMenu->popup(m_board->mapToGlobal(p)); });
    statusBar()->addWidget(new QLabel(tr("Click an item to select it, drag to move it, double "
                                         "click to open its dialog; the right button opens this "
                                         "window's menu")));
    resize(900, 640);
}

QAction *BoardWindow::command(QMenu *menu, const QString &text, void (Problem::*slot)(),
                              bool edits, bool inToolBar)
{
    auto *a = new QAction(text, this);
    connect(a, &QAction::triggered, m_board, slot);
    menu->addAction(a);
    m_contextMenu->addAction(a);
    if (inToolBar)
        m_toolBar->addAction(a);
    if (edits)
        m_editing << a;
    return a;
}

QMenu *BoardWindow::addMenu(const QString &title, const QStringList &keywords)
{
    auto *menu = new QMenu(title, this);
    for (const QString &keyword : keywords) {
        QAction *a = menu->addAction(keyword);
        m_editing << a;
        connect(a, &QAction::triggered, this, [this, keyword] { emit signal_add_item(keyword); });
    }
    m_addMenus << menu;
    return menu;
}

QAction *BoardWindow::action(const QString &text) const
{
    for (QAction *a : findChildren<QAction *>())
        if (a->text() == text)
            return a;
    return nullptr;
}

void BoardWindow::addCommand(QAction *action)
{
    m_problemMenu->addAction(action);
    m_toolBar->addAction(action);
    m_contextMenu->addAction(action);
}

void BoardWindow::slot_set_running(bool running)
{
    m_board->setDisabled(running);
    for (QAction *a : qAsConst(m_editing))
        a->setDisabled(running);
    // An item's dialog changes the item that the workers publish into.
    // Read in place: a copy would share a list that a worker's access then reallocates.
    for (const QVector<Calculus *> *list : {&m_board->getItems(), &m_board->getFamilies(),
                                            &m_board->getConstraints(), &m_board->getObjectives()})
        for (Calculus *item : *list)
            if (QWidget *dialog = item->getCalculusDisplay())
                dialog->setDisabled(running);
}
