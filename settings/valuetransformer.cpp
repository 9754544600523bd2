// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/valuetransformer.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

QHash<QString, std::shared_ptr<const ValueTransformer>> &registry()
{
    static QHash<QString, std::shared_ptr<const ValueTransformer>> transformers;
    return transformers;
}

QVariant blankIfAbsent(const QVariant &value)
{
    return value.isValid() && !value.isNull() ? value : QVariant(u""_s);
}

} // namespace

void ValueTransformer::setValueTransformer(
    const std::shared_ptr<const ValueTransformer> &transformer, const QString &name)
{
    registry().insert(name, transformer);
}

std::shared_ptr<const ValueTransformer>
ValueTransformer::valueTransformerForName(const QString &name)
{
    return registry().value(name);
}

QVariant QEV_NilToBlankStringTransformer::transformedValue(const QVariant &value) const
{
    return blankIfAbsent(value);
}

QVariant QEV_NilToBlankStringTransformer::reverseTransformedValue(const QVariant &value) const
{
    return blankIfAbsent(value);
}
