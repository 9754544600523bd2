// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/propertylist.h"

#include <QDateTime>
#include <QFile>
#include <QTimeZone>

#include <plist/plist.h>

#include <cstdlib>
#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct PlistFree
{
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

struct MallocFree
{
    void operator()(char *text) const { std::free(text); }
};
using MallocText = std::unique_ptr<char, MallocFree>;

// Property-list dates count from the first instant of 2001 (UTC).
const QDateTime &referenceDate()
{
    static const QDateTime reference(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    return reference;
}

QString takeString(char *text)
{
    const MallocText owned(text);
    return QString::fromUtf8(owned.get());
}

QVariant toVariant(plist_t node);

QVariant arrayToVariant(plist_t node)
{
    QVariantList list;
    const uint32_t size = plist_array_get_size(node);
    list.reserve(size);
    for (uint32_t i = 0; i < size; ++i)
        list.append(toVariant(plist_array_get_item(node, i)));
    return list;
}

QVariant dictToVariant(plist_t node)
{
    QVariantMap map;
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(node, &iter);
    for (;;) {
        char *key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(node, iter, &key, &value);
        if (!key)
            break;
        map.insert(takeString(key), toVariant(value));
    }
    std::free(iter);
    return map;
}

QVariant scalarToVariant(plist_t node, plist_type type)
{
    switch (type) {
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return value != 0;
    }
    case PLIST_UINT: {
        // libplist keeps every integer as 64 unsigned bits; negative ones come back
        // as their two's complement.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return static_cast<qint64>(value);
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return value;
    }
    case PLIST_STRING: {
        char *value = nullptr;
        plist_get_string_val(node, &value);
        return takeString(value);
    }
    case PLIST_DATE: {
        int32_t seconds = 0;
        int32_t microseconds = 0;
        plist_get_date_val(node, &seconds, &microseconds);
        return referenceDate().addMSecs(qint64(seconds) * 1000 + microseconds / 1000);
    }
    case PLIST_DATA: {
        char *bytes = nullptr;
        uint64_t length = 0;
        plist_get_data_val(node, &bytes, &length);
        const MallocText owned(bytes);
        return QByteArray(owned.get(), static_cast<qsizetype>(length));
    }
    case PLIST_UID: {
        uint64_t value = 0;
        plist_get_uid_val(node, &value);
        return static_cast<qulonglong>(value);
    }
    default:
        return {};
    }
}

QVariant toVariant(plist_t node)
{
    if (!node)
        return {};
    const plist_type type = plist_get_node_type(node);
    if (type == PLIST_ARRAY)
        return arrayToVariant(node);
    if (type == PLIST_DICT)
        return dictToVariant(node);
    return scalarToVariant(node, type);
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
std::optional<QByteArray> serialize(const QVariant &value, Writer write, Freer release)
{
    const PlistPtr node = toNode(value);
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

} // namespace

PropertyListRead parsePropertyList(const QByteArray &bytes, const QString &origin)
{
    if (bytes.isEmpty())
        return {{}, u"%1: the file is empty"_s.arg(origin)};
    if (bytes.size() > std::numeric_limits<uint32_t>::max())
        return {{}, u"%1: too large for a property list"_s.arg(origin)};
    plist_t root = nullptr;
    plist_from_memory(bytes.constData(), static_cast<uint32_t>(bytes.size()), &root);
    const PlistPtr owned(root);
    if (!owned)
        return {{}, u"%1: not a property list (neither XML nor binary)"_s.arg(origin)};
    return {toVariant(owned.get()), {}};
}

PropertyListRead readPropertyListFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, u"%1: cannot be read (%2)"_s.arg(path, file.errorString())};
    return parsePropertyList(file.readAll(), path);
}

std::optional<QByteArray> toXmlPropertyList(const QVariant &value)
{
    return serialize(value, plist_to_xml, plist_to_xml_free);
}

std::optional<QByteArray> toBinaryPropertyList(const QVariant &value)
{
    return serialize(value, plist_to_bin, plist_to_bin_free);
}
