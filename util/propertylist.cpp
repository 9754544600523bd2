// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/propertylist.h"

#include "util/binarypropertylistbounds.h"
#include "util/regularfile.h"
#include "util/xmlpropertylistreader.h"

#include <QDateTime>
#include <QTimeZone>

#include <plist/plist.h>

#include <cerrno>
#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct PlistFree
{
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

// Property-list dates count from the first instant of 2001 (UTC).
const QDateTime &referenceDate()
{
    static const QDateTime kReference(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    return kReference;
}

PlistPtr toNode(const QVariant &value);

PlistPtr listToNode(const QVariantList &list)
{
    PlistPtr array(plist_new_array());
    for (const QVariant &item : list) {
        PlistPtr child = toNode(item);
        if (!child)
            return nullptr;
        plist_array_append_item(array.get(), child.release());
    }
    return array;
}

PlistPtr mapToNode(const QVariantMap &map)
{
    PlistPtr dict(plist_new_dict());
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        PlistPtr child = toNode(it.value());
        if (!child)
            return nullptr;
        plist_dict_set_item(dict.get(), it.key().toUtf8().constData(), child.release());
    }
    return dict;
}

PlistPtr dateToNode(const QDateTime &date)
{
    const qint64 msecs = referenceDate().msecsTo(date);
    const qint64 seconds = msecs >= 0 ? msecs / 1000 : (msecs - 999) / 1000;
    if (seconds < std::numeric_limits<int32_t>::min()
        || seconds > std::numeric_limits<int32_t>::max())
        return nullptr;
    const auto micro = static_cast<int32_t>((msecs - seconds * 1000) * 1000);
    return PlistPtr(plist_new_date(static_cast<int32_t>(seconds), micro));
}

PlistPtr toNode(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return PlistPtr(plist_new_bool(value.toBool() ? 1 : 0));
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return PlistPtr(plist_new_uint(static_cast<uint64_t>(value.toLongLong())));
    case QMetaType::Double:
    case QMetaType::Float:
        return PlistPtr(plist_new_real(value.toDouble()));
    case QMetaType::QString:
        return PlistPtr(plist_new_string(value.toString().toUtf8().constData()));
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return PlistPtr(plist_new_data(bytes.constData(), static_cast<uint64_t>(bytes.size())));
    }
    case QMetaType::QDateTime:
        return dateToNode(value.toDateTime());
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return listToNode(value.toList());
    case QMetaType::QVariantMap:
    case QMetaType::QVariantHash:
        return mapToNode(value.toMap());
    default:
        return nullptr;
    }
}

template<typename Writer, typename Freer>
std::optional<QByteArray> serialize(const PlistPtr &node, Writer write, Freer release)
{
    if (!node)
        return std::nullopt;
    char *bytes = nullptr;
    uint32_t length = 0;
    write(node.get(), &bytes, &length);
    if (!bytes)
        return std::nullopt;
    QByteArray result(bytes, static_cast<qsizetype>(length));
    release(bytes);
    return result;
}

// libplist only turns binary lists into XML here; reading the XML is ours, so a damaged
// file gives a message and never trips one of libplist's assertions.
std::optional<QByteArray> binaryToXml(const QByteArray &bytes)
{
    plist_t root = nullptr;
    plist_from_bin(bytes.constData(), static_cast<uint32_t>(bytes.size()), &root);
    return serialize(PlistPtr(root), plist_to_xml, plist_to_xml_free);
}

// Far more values than any preferences hold, and few enough for libplist to expand and print
// in a fraction of a second.
constexpr quint64 kMaximumValues = quint64{1} << 18;

// Binary lists are measured, then turned into XML; XML is passed on as it is.
Expected<QByteArray> xmlForm(const QByteArray &bytes, const QString &origin)
{
    if (bytes.isEmpty())
        return Unexpected(u"%1: the file is empty"_s.arg(origin));
    if (bytes.size() > std::numeric_limits<uint32_t>::max())
        return Unexpected(u"%1: too large for a property list"_s.arg(origin));
    if (!bytes.startsWith("bplist"))
        return bytes;
    switch (binaryPropertyListShape(bytes, XmlPropertyListReader::kMaximumDepth, kMaximumValues)) {
    case BinaryListShape::WithinBounds:
        break;
    case BinaryListShape::TooDeep:
        return Unexpected(u"%1: nested deeper than %2 levels"_s.arg(origin).arg(
            XmlPropertyListReader::kMaximumDepth));
    case BinaryListShape::TooManyValues:
        return Unexpected(u"%1: its shared values expand to more than %2 values"_s.arg(origin).arg(
            kMaximumValues));
    }
    std::optional<QByteArray> xml = binaryToXml(bytes);
    if (!xml)
        return Unexpected(u"%1: a damaged binary property list"_s.arg(origin));
    return *xml;
}

Expected<QByteArray> fileBytes(const QString &path)
{
    Expected<std::optional<QByteArray>> read = readPropertyListBytes(path);
    if (!read)
        return Unexpected(read.error());
    if (!*read)
        return Unexpected(u"%1: cannot be read (%2)"_s.arg(path, qt_error_string(ENOENT)));
    return std::move(**read);
}

} // namespace

Expected<QVariant> parsePropertyList(const QByteArray &bytes, const QString &origin)
{
    const Expected<QByteArray> xml = xmlForm(bytes, origin);
    if (!xml)
        return Unexpected(xml.error());
    XmlPropertyListReader reader(*xml);
    const QVariant value = reader.read();
    if (!value.isValid())
        return Unexpected(u"%1: not a property list (%2)"_s.arg(origin, reader.error()));
    return value;
}

Expected<std::optional<QByteArray>> readPropertyListBytes(const QString &path)
{
    Expected<std::optional<QByteArray>> read = readRegularFile(path, kMaxPropertyListBytes);
    if (!read)
        return Unexpected(u"%1: cannot be read (%2)"_s.arg(path, read.error()));
    return read;
}

Expected<QVariant> readPropertyListFile(const QString &path)
{
    const Expected<QByteArray> bytes = fileBytes(path);
    if (!bytes)
        return Unexpected(bytes.error());
    return parsePropertyList(*bytes, path);
}

Expected<std::optional<QStringList>> readPropertyListStrings(const QString &path,
                                                             const QString &key)
{
    const Expected<QByteArray> bytes = fileBytes(path);
    const Expected<QByteArray> xml = bytes ? xmlForm(*bytes, path) : bytes;
    if (!xml)
        return Unexpected(xml.error());
    XmlPropertyListReader reader(*xml);
    std::optional<QStringList> strings = reader.readStringArray(key);
    if (!reader.error().isEmpty())
        return Unexpected(u"%1: not a property list (%2)"_s.arg(path, reader.error()));
    return strings;
}

std::optional<QByteArray> toXmlPropertyList(const QVariant &value)
{
    return serialize(toNode(value), plist_to_xml, plist_to_xml_free);
}

std::optional<QByteArray> toBinaryPropertyList(const QVariant &value)
{
    return serialize(toNode(value), plist_to_bin, plist_to_bin_free);
}
