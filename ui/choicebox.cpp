// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/choicebox.h"

#include <algorithm>

ChoiceBox::ChoiceBox(QWidget *parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this] { Q_EMIT codeChanged(code()); });
}

void ChoiceBox::addChoice(const QString &text, const QString &code)
{
    addItem(text, code);
}

QString ChoiceBox::code() const
{
    return currentData().toString();
}

void ChoiceBox::setCode(const QString &code)
{
    setCurrentIndex(std::max(findData(code), 0));
}
