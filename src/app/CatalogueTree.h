#pragma once

#include <QWidget>

class BuildCalculus;
class QTextBrowser;
class QTreeWidget;
class Workbench;

/// The catalogue's items by section (values, vectors, matrices, families, operators,
/// constraints, objective), the documentation of the current one, and the button that adds
/// it to the white board.
class CatalogueTree : public QWidget
{
    Q_OBJECT
public:
    /// The workbench is not owned. No item is added while a search runs.
    explicit CatalogueTree(Workbench *bench, QWidget *parent = nullptr);

    QTreeWidget *tree() const { return m_tree; }

signals:
    /// An entry was double clicked, or the button pressed on one.
    void signal_add_item(QString keyword);

private:
    const BuildCalculus *m_catalogue;
    QTreeWidget *m_tree;
    QTextBrowser *m_documentation;
};
