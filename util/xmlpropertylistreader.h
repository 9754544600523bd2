// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the XML form of a property list into QVariant. Our own reader rather than libplist's:
// damaged files must give an error message, never an assertion failure or a stack overflow.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QXmlStreamReader>

class XmlPropertyListReader final
{
public:
    /// Deeper nesting than any settings file needs; the limit keeps recursion bounded.
    static constexpr int kMaximumDepth = 256;

    explicit XmlPropertyListReader(const QByteArray &xml);

    /// The one value inside <plist>, or an invalid QVariant with error() set.
    [[nodiscard]] QVariant read();
    /// For a file that belongs to another program: the strings of the array under key in the
    /// top-level dictionary. Every other entry, and every item of that array that is not a
    /// string, is skipped unread, so values this reader does not know spoil nothing. An empty
    /// optional when the key is absent or holds no array; an error() only when the XML itself
    /// is damaged or holds no dictionary.
    [[nodiscard]] std::optional<QStringList> readStringArray(const QString &key);
    /// "line 3: <integer> holds \"x\"", or empty.
    [[nodiscard]] QString error() const { return m_error; }

private:
    QVariant readValue(int depth);
    QVariant readDictionary(int depth);
    QVariant readArray(int depth);
    QVariant readScalar();
    bool findTopLevelKey(const QString &key);
    QStringList readStrings();
    bool nextElement();
    QVariant fail(const QString &what);

    QXmlStreamReader m_xml;
    QString m_error;
};
