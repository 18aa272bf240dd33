#pragma once

#include <QWidget>

class Workbench;

/// The inspector's explorer page: whether the graphs of a search go to the explorers at once
/// or when "Add graphs" is pressed, the count of graphs waiting, and the commands that open
/// the explorer window and empty both explorers.
class ExplorerPage : public QWidget
{
    Q_OBJECT
public:
    /// The workbench is not owned. The manager starts from the choice the page shows.
    explicit ExplorerPage(Workbench *bench, QWidget *parent = nullptr);
};
