// SPDX-License-Identifier: GPL-3.0-or-later
// Splits vCard text (2.1, 3.0, 4.0) into cards and content lines: line ends CRLF, LF or CR,
// folded lines, quoted-printable soft breaks, vCard 2.1 base64 blocks, parameters with or
// without names and quotes, property groups ("item1."). It keeps the bytes as they are;
// vcardvalue.h decodes them. Nothing here allocates per byte of input: views point into the
// data, and only lines that had to be joined are copied.
//
//   VCardReader reader(bytes, diagnostics);
//   while (std::optional<VCardCard> card = reader.next()) ...
#pragma once

#include "addressbook/vcard/vcarddiagnostics.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QVarLengthArray>

#include <cstring>

#include <optional>
#include <vector>

/// Whether two names, parameter values or keywords are equal, ignoring the case of ASCII
/// letters (other bytes must match exactly). Every case-blind comparison of the vCard code
/// goes through this one, so names and values are matched alike everywhere. Inline: most
/// calls differ in length, and the answer then costs less than a call.
[[nodiscard]] inline bool equalsIgnoringCase(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] == b[i])
            continue;
        // Two bytes of one letter differ in the bit of case alone.
        const char lower = char(a[i] | 0x20);
        if ((a[i] ^ b[i]) != 0x20 || lower < 'a' || lower > 'z')
            return false;
    }
    return true;
}

/// Whether text starts with prefix, compared as equalsIgnoringCase.
[[nodiscard]] inline bool startsWithIgnoringCase(QByteArrayView text, QByteArrayView prefix)
{
    return text.size() >= prefix.size() && equalsIgnoringCase(text.first(prefix.size()), prefix);
}

/// Where byte first stands in text at or after from, or -1. QByteArrayView::indexOf takes a
/// general search for one byte, which costs more than the short values it looks through.
[[nodiscard]] inline qsizetype indexOfByte(QByteArrayView text, char byte, qsizetype from = 0)
{
    if (from >= text.size())
        return -1;
    const void *found = std::memchr(text.data() + from, byte, std::size_t(text.size() - from));
    return found ? static_cast<const char *>(found) - text.data() : -1;
}

/// text without the white space at its ends, as QByteArrayView::trimmed; the usual text with
/// none there is handed back without a call.
[[nodiscard]] inline QByteArrayView trimmedText(QByteArrayView text)
{
    const auto isSpace = [](char c) {
        return c == ' ' || (c >= '\t' && c <= '\r');
    };
    if (text.isEmpty() || (!isSpace(text.front()) && !isSpace(text.back())))
        return text;
    return text.trimmed();
}

/// One parameter value: "TYPE=home,work" gives two, a vCard 2.1 bare "HOME" gives
/// (TYPE, HOME) and a bare "QUOTED-PRINTABLE" or "BASE64" gives (ENCODING, ...).
struct VCardParameter
{
    QByteArrayView name;
    QByteArrayView value; // without quotes
};

struct VCardProperty
{
    // Provided, so that making one in place does not clear the room of its parameters first.
    VCardProperty() noexcept {} // NOLINT(modernize-use-equals-default)

    qsizetype line = 0;   // where the property starts, 1-based
    QByteArrayView group; // "item1", or empty
    QByteArrayView name;  // as written
    QByteArrayView value; // raw: still encoded and escaped
    QVarLengthArray<VCardParameter, 6> parameters;

    /// Whether the name is upperName, ignoring case.
    [[nodiscard]] bool is(QByteArrayView upperName) const
    {
        return equalsIgnoringCase(name, upperName);
    }
    /// The first value of a parameter, by name ignoring case.
    [[nodiscard]] std::optional<QByteArrayView> parameter(QByteArrayView upperName) const;
    /// Whether a parameter has that value, both ignoring case.
    [[nodiscard]] bool hasParameter(QByteArrayView upperName, QByteArrayView wanted) const;
    [[nodiscard]] bool hasType(QByteArrayView type) const { return hasParameter("TYPE", type); }
    [[nodiscard]] bool isQuotedPrintable() const;
    [[nodiscard]] bool isBase64() const;
};

struct VCardCard
{
    qsizetype line = 0;     // of BEGIN:VCARD
    QByteArrayView text;    // the card's bytes, BEGIN to END
    bool complete = false;  // false when the data ended before END:VCARD
    bool version21 = false; // VERSION:2.1 read: folds keep their blank, '\' continues a line
    bool validUtf8 = false; // the whole text is known to be valid UTF-8
    std::vector<VCardProperty> properties;
    std::vector<QByteArray> joinedLines; // owns what views of joined lines point into
};

class VCardReader final
{
public:
    /// A content line longer than this (after joining) is left out: no picture or note a
    /// person keeps is that large, and the limit keeps a broken file from filling memory.
    static constexpr qsizetype kMaxLineLength = 32 * 1024 * 1024;
    static constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";

    /// data must outlive the reader and the cards it returns. validUtf8 says that data is
    /// known to be valid UTF-8, so that its values (but quoted-printable ones) are too.
    VCardReader(QByteArrayView data, VCardDiagnostics &diagnostics, bool validUtf8 = false);

    /// The next card: complete ones in the order their END:VCARD comes (a card nested in
    /// another comes before it), then, at the end of the data, those left open.
    [[nodiscard]] std::optional<VCardCard> next();
    /// How many bytes from the start every card returned so far, and the reader, are done
    /// with; nothing before it is looked at again.
    [[nodiscard]] qsizetype consumed() const;
    /// Takes back a card the caller is done with, to use its room for the next one.
    void recycle(VCardCard &&card);
    /// The first line of text found outside any card, or 0. Such text is skipped; whether
    /// it is worth a message depends on whether the data held any card at all.
    [[nodiscard]] qsizetype firstStrayLine() const { return m_firstStrayLine; }
    /// How many lines (as the data breaks them, before any joining) were read so far.
    [[nodiscard]] qsizetype lineCount() const { return m_lineNumber; }
    /// Whether a card was still open where the data ended (it was returned all the same).
    [[nodiscard]] bool endedInsideCard() const { return m_endedInsideCard; }

private:
    struct Line
    {
        QByteArrayView text;
        qsizetype number = 0;
        qsizetype start = 0;
    };

    [[nodiscard]] bool atEnd() const { return m_pos >= m_data.size(); }
    Line readPhysicalLine();
    [[nodiscard]] QByteArrayView peekLine(qsizetype limit) const;
    [[nodiscard]] bool continuesFolded() const;
    [[nodiscard]] bool inVersion21() const;
    std::optional<Line> readLogicalLine(std::vector<QByteArray> &storage);
    void joinSoftBreaks(VCardProperty &property, std::vector<QByteArray> &storage);
    void joinBase64Block(VCardProperty &property, std::vector<QByteArray> &storage);
    [[nodiscard]] bool nextLineIsBase64() const;
    [[nodiscard]] bool nextLineIsCardBoundary() const;
    [[nodiscard]] bool nextLineContinuesValue() const;
    void joinContinuedLines(VCardProperty &property, std::vector<QByteArray> &storage);
    void openCard(const Line &line);
    void addProperty(const Line &line);
    VCardCard finishCard(bool complete, qsizetype end);

    QByteArrayView m_data;
    VCardDiagnostics &m_diagnostics;
    bool m_validUtf8;
    qsizetype m_pos = 0;
    qsizetype m_lineNumber = 0;
    qsizetype m_firstStrayLine = 0;
    bool m_endedInsideCard = false;
    std::vector<VCardCard> m_open; // innermost last
    std::vector<VCardProperty> m_spareProperties;
};
