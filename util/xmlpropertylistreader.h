// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the XML form of a property list into QVariant. Our own reader rather than libplist's:
// damaged files must give an error message, never an assertion failure or a stack overflow.
#pragma once

#include <QString>
#include <QVariant>
#include <QXmlStreamReader>

class XmlPropertyListReader final
{
public:
    /// Deeper nesting than any settings file needs; the limit keeps recursion bounded.
    static constexpr int maximumDepth = 256;

    explicit XmlPropertyListReader(const QByteArray &xml);

    /// The one value inside <plist>, or an invalid QVariant with error() set.
    [[nodiscard]] QVariant read();
    /// "line 3: <integer> holds \"x\"", or empty.
    [[nodiscard]] QString error() const { return m_error; }

private:
    QVariant readValue(int depth);
    QVariant readDictionary(int depth);
    QVariant readArray(int depth);
    QVariant readScalar();
    bool nextElement();
    QVariant fail(const QString &what);

    QXmlStreamReader m_xml;
    QString m_error;
};
