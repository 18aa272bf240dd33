#include "app/PreferencesPage.h"

#include "app/Controls.h"
#include "app/SettingsStore.h"
#include "app/Workbench.h"
#include "app/WorkingState.h"
#include "common/Prompts.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

PreferencesPage::PreferencesPage(Workbench *bench, QWidget *parent)
    : QWidget(parent), m_state(bench->workingState()), m_wd(new QLineEdit)
{
    m_wd->setObjectName(QStringLiteral("wd"));
    m_wd->setReadOnly(true);
    connect(m_state, &WorkingState::signal_wd_changed, m_wd,
            [this](const QString &wd) { m_wd->setText(QDir::toNativeSeparators(wd)); });
    QPushButton *choose = Controls::button(tr("Choose..."));
    connect(choose, &QPushButton::clicked, this, &PreferencesPage::slot_choose_wd);
    QCheckBox *reload =
        Controls::checkBox(tr("Reload the last problem and graph at start-up"),
                           m_state->settings()->value(QStringLiteral("reload"), true).toBool());
    reload->setObjectName(QStringLiteral("reload"));
    connect(reload, &QCheckBox::toggled, m_state, &WorkingState::slot_set_reload);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Working directory (dialogs start there; autosave files)")));
    auto *row = new QHBoxLayout;
    row->addWidget(m_wd);
    row->addWidget(choose);
    layout->addLayout(row);
    layout->addWidget(reload);
    layout->addStretch();
}

void PreferencesPage::slot_choose_wd()
{
    const QString wd = Prompts::instance().directory(this, tr("Choose the working directory"),
                                                     m_state->workingDirectory());
    QString refusal;
    if (wd.isEmpty() || m_state->slot_set_wd(wd, &refusal))
        return;
    Prompts::instance().message(this, Prompts::Level::Warning, tr("Warning"), refusal);
}
