// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/xmlpropertylistreader.h"

#include <QDateTime>
#include <QTimeZone>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

std::optional<QVariant> integerValue(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok, 10);
    if (ok)
        return value;
    // Values above the signed range are stored as their 64-bit pattern.
    const quint64 unsignedValue = text.trimmed().toULongLong(&ok, 10);
    return ok ? std::optional<QVariant>(static_cast<qint64>(unsignedValue)) : std::nullopt;
}

std::optional<QVariant> realValue(const QString &text)
{
    const QString trimmed = text.trimmed().toLower();
    if (trimmed == u"nan")
        return std::numeric_limits<double>::quiet_NaN();
    if (trimmed == u"inf" || trimmed == u"+infinity" || trimmed == u"infinity")
        return std::numeric_limits<double>::infinity();
    if (trimmed == u"-inf" || trimmed == u"-infinity")
        return -std::numeric_limits<double>::infinity();
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    return ok ? std::optional<QVariant>(value) : std::nullopt;
}

std::optional<QVariant> dateValue(const QString &text)
{
    QDateTime date = QDateTime::fromString(text.trimmed(), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date.toTimeZone(QTimeZone::utc());
}

std::optional<QVariant> dataValue(const QString &text)
{
    QByteArray base64 = text.toLatin1();
    base64.removeIf([](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
    const auto decoded
        = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? std::optional<QVariant>(*decoded) : std::nullopt;
}

} // namespace

XmlPropertyListReader::XmlPropertyListReader(const QByteArray &xml)
    : m_xml(xml)
{}

QVariant XmlPropertyListReader::read()
{
    if (!nextElement())
        return fail(u"no property list inside"_s);
    if (m_xml.name() != u"plist")
        return readValue(0);
    if (!nextElement())
        return fail(u"<plist> holds no value"_s);
    QVariant value = readValue(0);
    if (value.isValid() && nextElement())
        return fail(u"<plist> holds more than one value"_s);
    return value;
}

std::optional<QStringList> XmlPropertyListReader::readStringArray(const QString &key)
{
    if (!findTopLevelKey(key) || m_xml.name() != u"array") {
        if (m_xml.hasError())
            fail({});
        return std::nullopt;
    }
    QStringList strings = readStrings();
    if (m_xml.hasError()) {
        fail({});
        return std::nullopt;
    }
    return strings;
}

// Leaves the reader on the start of key's value; false when the dictionary ends first.
bool XmlPropertyListReader::findTopLevelKey(const QString &key)
{
    if (!nextElement() || (m_xml.name() == u"plist" && !nextElement())) {
        fail(u"no property list inside"_s);
        return false;
    }
    if (m_xml.name() != u"dict") {
        fail(u"<%1> where a dictionary belongs"_s.arg(m_xml.name()));
        return false;
    }
    while (nextElement()) {
        if (m_xml.name() != u"key") {
            m_xml.skipCurrentElement();
            continue;
        }
        if (m_xml.readElementText(QXmlStreamReader::SkipChildElements) == key)
            return nextElement();
        if (!nextElement())
            return false;
        m_xml.skipCurrentElement();
    }
    return false;
}

QStringList XmlPropertyListReader::readStrings()
{
    QStringList strings;
    while (nextElement()) {
        if (m_xml.name() == u"string")
            strings.append(m_xml.readElementText(QXmlStreamReader::SkipChildElements));
        else
            m_xml.skipCurrentElement();
    }
    return strings;
}

bool XmlPropertyListReader::nextElement()
{
    return m_xml.readNextStartElement();
}

QVariant XmlPropertyListReader::fail(const QString &what)
{
    if (m_error.isEmpty()) {
        const QString reason = m_xml.hasError() ? m_xml.errorString() : what;
        m_error = u"line %1: %2"_s.arg(m_xml.lineNumber()).arg(reason);
    }
    return {};
}

QVariant XmlPropertyListReader::readValue(int depth)
{
    if (depth > kMaximumDepth)
        return fail(u"nested deeper than %1 levels"_s.arg(kMaximumDepth));
    const QStringView name = m_xml.name();
    if (name == u"dict")
        return readDictionary(depth + 1);
    if (name == u"array")
        return readArray(depth + 1);
    return readScalar();
}

QVariant XmlPropertyListReader::readDictionary(int depth)
{
    QVariantMap map;
    while (nextElement()) {
        if (m_xml.name() != u"key")
            return fail(u"<dict> holds <%1> where a <key> belongs"_s.arg(m_xml.name()));
        const QString key = m_xml.readElementText();
        if (!nextElement())
            return fail(u"<key>%1</key> has no value"_s.arg(key));
        const QVariant value = readValue(depth);
        if (!value.isValid())
            return {};
        map.insert(key, value);
    }
    return m_xml.hasError() ? fail({}) : QVariant(map);
}

QVariant XmlPropertyListReader::readArray(int depth)
{
    QVariantList list;
    while (nextElement()) {
        const QVariant value = readValue(depth);
        if (!value.isValid())
            return {};
        list.append(value);
    }
    return m_xml.hasError() ? fail({}) : QVariant(list);
}

QVariant XmlPropertyListReader::readScalar()
{
    const QString name = m_xml.name().toString();
    if (name == u"true" || name == u"false") {
        m_xml.skipCurrentElement();
        return m_xml.hasError() ? fail({}) : QVariant(name == u"true");
    }
    const QString text = m_xml.readElementText();
    if (m_xml.hasError())
        return fail({});
    std::optional<QVariant> value;
    if (name == u"string")
        value = text;
    else if (name == u"integer")
        value = integerValue(text);
    else if (name == u"real")
        value = realValue(text);
    else if (name == u"date")
        value = dateValue(text);
    else if (name == u"data")
        value = dataValue(text);
    else
        return fail(u"<%1> is not a property-list value"_s.arg(name));
    if (!value)
        return fail(u"<%1> holds \"%2\""_s.arg(name, text.left(40)));
    return *value;
}
