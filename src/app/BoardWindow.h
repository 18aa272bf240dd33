#pragma once

#include <QList>
#include <QMainWindow>

class BuildCalculus;
class Problem;
class QAction;
class QMenu;
class QToolBar;

/// The white board's window: the board view with its menus, its tool bar and its context menu,
/// which offer every board command and the catalogue's items. The window takes the board as
/// its central widget and so owns it.
class BoardWindow : public QMainWindow
{
    Q_OBJECT
public:
    BoardWindow(Problem *board, const BuildCalculus *catalogue, QWidget *parent = nullptr);

    /// The action of the given text, null when there is none.
    QAction *action(const QString &text) const;
    /// Offers an inspector command (Run, Halt) in the tool bar, the menu and the context menu.
    void addCommand(QAction *action);

public slots:
    /// While a search runs, the board, the item dialogs and the commands that add, delete or
    /// relink items or replace the problem are disabled: the workers publish into the items.
    void slot_set_running(bool running);

signals:
    /// The user asked for a new item of this keyword.
    void signal_add_item(QString keyword);

private:
    QAction *command(QMenu *menu, const QString &text, void (Problem::*slot)(), bool edits,
                     bool inToolBar = false);
    QMenu *addMenu(const QString &title, const QStringList &keywords);

    Problem *m_board;
    QToolBar *m_toolBar;
    QMenu *m_problemMenu;
    QMenu *m_contextMenu;
    QList<QMenu *> m_addMenus;
    /// The commands that add, delete or relink items or replace the problem.
    QList<QAction *> m_editing;
};
