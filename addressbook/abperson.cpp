// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/abperson.h"
#include "addressbook/vcardstore.h"

#include <algorithm>

namespace {

template<typename Values>
auto findValue(Values &values, ABProperty property)
{
    return std::find_if(values.begin(), values.end(),
                        [property](const auto &entry) { return entry.first == property; });
}

} // namespace

ABPerson::ABPerson(QString uniqueId)
    : m_uniqueId(std::move(uniqueId))
{}

QVariant ABPerson::valueForProperty(ABProperty property) const
{
    const auto it = findValue(m_values, property);
    return it == m_values.end() ? QVariant() : it->second;
}

std::optional<QString> ABPerson::stringForProperty(ABProperty property) const
{
    const auto it = findValue(m_values, property);
    if (it == m_values.end() || it->second.typeId() != QMetaType::QString)
        return std::nullopt;
    return it->second.toString();
}

std::optional<MultiValue> ABPerson::multiValueForProperty(ABProperty property) const
{
    const auto it = findValue(m_values, property);
    if (it == m_values.end() || it->second.metaType() != QMetaType::fromType<MultiValue>())
        return std::nullopt;
    return it->second.value<MultiValue>();
}

void ABPerson::setValue(const QVariant &value, ABProperty property)
{
    const auto it = findValue(m_values, property);
    if (!value.isValid()) {
        if (it != m_values.end())
            m_values.erase(it);
    } else if (it != m_values.end()) {
        it->second = value;
    } else {
        m_values.emplace_back(property, value);
    }
}

std::optional<QByteArray> ABPerson::imageData() const
{
    if (m_imageData.isEmpty())
        return std::nullopt;
    return m_imageData;
}

void ABPerson::setImageData(const QByteArray &bytes)
{
    m_imageData = bytes;
}

VCardPersonRead ABPerson::initWithVCardRepresentation(const QByteArray &data)
{
    return readFirstVCardPerson(data, QStringLiteral("vCard data"));
}
