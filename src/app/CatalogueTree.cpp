#include "app/CatalogueTree.h"

#include "app/Controls.h"
#include "app/Workbench.h"
#include "catalogue/BuildCalculus.h"

#include <QLabel>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

QString keywordOf(QTreeWidgetItem *item)
{
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

} // namespace

CatalogueTree::CatalogueTree(Workbench *bench, QWidget *parent)
    : QWidget(parent), m_catalogue(bench->catalogue()), m_tree(new QTreeWidget),
      m_documentation(new QTextBrowser)
{
    m_tree->setObjectName(QStringLiteral("Catalogue"));
    m_tree->setHeaderHidden(true);
    QStringList objectives;
    for (const QString &k : m_catalogue->All)
        if (m_catalogue->type(k) == BuildCalculus::Category::Objective)
            objectives << k;
    const QList<QPair<QString, QStringList>> sections = {
        {tr("Values"), m_catalogue->InvariantsVal},
        {tr("Vectors"), m_catalogue->InvariantsVec},
        {tr("Matrices"), m_catalogue->InvariantsMat},
        {tr("Families"), m_catalogue->InvariantsFam},
        {tr("Operators"), m_catalogue->Operators},
        {tr("Constraints"), m_catalogue->Constraints},
        {tr("Objective"), objectives}};
    for (const auto &section : sections) {
        auto *top = new QTreeWidgetItem(m_tree, {section.first});
        for (const QString &keyword : section.second) {
            auto *entry = new QTreeWidgetItem(top, {keyword});
            entry->setData(0, Qt::UserRole, keyword);
            entry->setToolTip(0, m_catalogue->toolTip(keyword));
        }
    }
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        if (!keywordOf(item).isEmpty())
            emit signal_add_item(keywordOf(item));
    });

    m_documentation->setMaximumHeight(120);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        const QString keyword = keywordOf(item);
        m_documentation->setPlainText(keyword.isEmpty() ? QString()
                                                        : m_catalogue->textDefinition(keyword));
    });
    QPushButton *add = Controls::button(tr("Add to white board"));
    connect(add, &QPushButton::clicked, this, [this] {
        if (!keywordOf(m_tree->currentItem()).isEmpty())
            emit signal_add_item(keywordOf(m_tree->currentItem()));
    });
    bench->lockWhileRunning(m_tree);
    bench->lockWhileRunning(add);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Items (double click to add to the white board)")));
    layout->addWidget(m_tree);
    layout->addWidget(m_documentation);
    layout->addWidget(add);
}
