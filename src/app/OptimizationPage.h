#pragma once

#include <QWidget>

class ProgressBar;
class QAction;
class Workbench;

/// The inspector's optimization page: the problem's title and description, the search
/// parameters that go to the job manager, "Run" and "Halt", the notice shown while the
/// explorers' database is rebuilt, and one progress bar per job.
class OptimizationPage : public QWidget
{
    Q_OBJECT
public:
    /// The workbench and the two actions are not owned. The manager starts from the values
    /// the page shows.
    OptimizationPage(Workbench *bench, QAction *run, QAction *halt, QWidget *parent = nullptr);

    ProgressBar *progressBar() const { return m_progress; }

private:
    ProgressBar *m_progress;
};
