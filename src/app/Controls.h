#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

/// The inspector pages' controls, named after their label so that they can be found by name.
namespace Controls
{

inline QSpinBox *spinBox(const QString &name, int low, int high, int value)
{
    auto *s = new QSpinBox;
    s->setObjectName(name);
    s->setRange(low, high);
    s->setValue(value);
    return s;
}

inline QCheckBox *checkBox(const QString &text, bool checked)
{
    auto *c = new QCheckBox(text);
    c->setObjectName(text);
    c->setChecked(checked);
    return c;
}

inline QPushButton *button(const QString &text)
{
    auto *b = new QPushButton(text);
    b->setObjectName(text);
    return b;
}

} // namespace Controls
