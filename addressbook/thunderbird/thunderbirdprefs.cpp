// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/thunderbird/thunderbirdprefs.h"

#include "util/regularfile.h"

#include <cctype>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Larger than any profile's, and bounded so that a file of another kind is not read whole.
constexpr qint64 kMaxPrefsSize = qint64{32} << 20;

class PrefsScanner final
{
public:
    explicit PrefsScanner(QByteArrayView text)
        : m_text(text)
    {}

    [[nodiscard]] bool atEnd()
    {
        skipBlanks();
        return m_at >= m_text.size();
    }
    /// One user_pref(...); statement, or none when the text here is not one (then the rest of
    /// the line it starts on is passed over).
    std::optional<std::pair<QString, QVariant>> next();

private:
    std::optional<std::pair<QString, QVariant>> statement();
    void skipBlanks();
    bool take(QByteArrayView token);
    std::optional<QString> string();
    QString escape();
    std::optional<QVariant> value();
    void skipLine();
    [[nodiscard]] char peek() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }

    QByteArrayView m_text;
    qsizetype m_at = 0;
};

void PrefsScanner::skipBlanks()
{
    while (m_at < m_text.size()) {
        const QByteArrayView rest = m_text.sliced(m_at);
        if (rest.startsWith("//") || rest.startsWith("#")) {
            skipLine();
        } else if (rest.startsWith("/*")) {
            const qsizetype end = rest.indexOf("*/", 2);
            m_at = end < 0 ? m_text.size() : m_at + end + 2;
        } else if (QChar::isSpace(uchar(rest.front()))) {
            ++m_at;
        } else {
            return;
        }
    }
}

bool PrefsScanner::take(QByteArrayView token)
{
    skipBlanks();
    if (!m_text.sliced(m_at).startsWith(token))
        return false;
    m_at += token.size();
    return true;
}

void PrefsScanner::skipLine()
{
    const qsizetype end = m_text.indexOf('\n', m_at);
    m_at = end < 0 ? m_text.size() : end + 1;
}

std::optional<QString> PrefsScanner::string()
{
    skipBlanks();
    const char quote = peek();
    if (quote != '"' && quote != '\'')
        return std::nullopt;
    QString text;
    for (qsizetype run = ++m_at; m_at < m_text.size(); ++m_at) {
        const char c = m_text[m_at];
        if (c != quote && c != '\\')
            continue;
        text += QString::fromUtf8(m_text.sliced(run, m_at - run));
        if (c == quote) {
            ++m_at;
            return text;
        }
        if (++m_at >= m_text.size())
            break;
        text += escape();
        run = m_at + 1;
    }
    return std::nullopt;
}

// What an escape stands for: m_at is on the letter after the backslash, and is left on the
// escape's last character.
QString PrefsScanner::escape()
{
    const char letter = m_text[m_at];
    const int digits = letter == 'u' ? 4 : letter == 'x' ? 2 : 0;
    bool ok = digits > 0 && m_at + digits < m_text.size();
    const uint code = ok ? m_text.sliced(m_at + 1, digits).toUInt(&ok, 16) : 0;
    if (ok) {
        m_at += digits;
        return QChar(char16_t(code));
    }
    switch (letter) {
    case 'n':
        return u"\n"_s;
    case 'r':
        return u"\r"_s;
    case 't':
        return u"\t"_s;
    default:
        return QChar::fromLatin1(letter);
    }
}

std::optional<QVariant> PrefsScanner::value()
{
    if (std::optional<QString> text = string())
        return QVariant(*std::move(text));
    if (take("true"))
        return QVariant(true);
    if (take("false"))
        return QVariant(false);
    const qsizetype start = m_at;
    if (peek() == '-' || peek() == '+')
        ++m_at;
    while (m_at < m_text.size() && std::isdigit(uchar(m_text[m_at])))
        ++m_at;
    bool ok = false;
    const qint64 number = m_text.sliced(start, m_at - start).toLongLong(&ok);
    return ok ? std::optional(QVariant(number)) : std::nullopt;
}

std::optional<std::pair<QString, QVariant>> PrefsScanner::statement()
{
    if (!take("user_pref") || !take("("))
        return std::nullopt;
    std::optional<QString> name = string();
    if (!name || !take(","))
        return std::nullopt;
    std::optional<QVariant> found = value();
    if (!found || !take(")"))
        return std::nullopt;
    take(";");
    return std::pair(*std::move(name), *std::move(found));
}

std::optional<std::pair<QString, QVariant>> PrefsScanner::next()
{
    // A statement cut short ends on its own line: the next line may hold a whole one.
    const qsizetype start = m_at;
    std::optional<std::pair<QString, QVariant>> pref = statement();
    if (!pref) {
        m_at = start;
        skipLine();
    }
    return pref;
}

} // namespace

ThunderbirdPrefs ThunderbirdPrefs::parse(QByteArrayView text)
{
    ThunderbirdPrefs prefs;
    PrefsScanner scanner(text);
    while (!scanner.atEnd()) {
        std::optional<std::pair<QString, QVariant>> pref = scanner.next();
        if (!pref)
            continue;
        if (!prefs.m_values.contains(pref->first))
            prefs.m_names.append(pref->first);
        prefs.m_values.insert(pref->first, pref->second);
    }
    return prefs;
}

ThunderbirdPrefs ThunderbirdPrefs::readProfile(const QString &folder)
{
    const Expected<std::optional<QByteArray>> bytes
        = readRegularFile(folder + u"/prefs.js"_s, kMaxPrefsSize);
    return bytes && *bytes ? parse(**bytes) : ThunderbirdPrefs();
}

std::optional<QString> ThunderbirdPrefs::text(const QString &name) const
{
    const QVariant value = m_values.value(name);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

std::optional<qint64> ThunderbirdPrefs::integer(const QString &name) const
{
    const QVariant value = m_values.value(name);
    if (value.typeId() != QMetaType::LongLong)
        return std::nullopt;
    return value.toLongLong();
}

QStringList ThunderbirdPrefs::namesStartingWith(const QString &prefix) const
{
    QStringList names;
    for (const QString &name : m_names) {
        if (name.startsWith(prefix))
            names.append(name);
    }
    return names;
}
