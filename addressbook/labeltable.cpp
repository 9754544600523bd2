// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/labeltable.h"

#include <QCoreApplication>

#include <array>

using namespace Qt::StringLiterals;

namespace {

QString translated(const QString &text)
{
    return QCoreApplication::translate("ui", text.toUtf8().constData());
}

// "HomeFAX" -> "home fax": a word starts where a capital follows a small letter.
QString wordsOf(QStringView camelCase)
{
    QString words;
    words.reserve(camelCase.size() + 4);
    for (qsizetype i = 0; i < camelCase.size(); ++i) {
        if (i > 0 && camelCase[i].isUpper() && camelCase[i - 1].isLower())
            words.append(u' ');
        words.append(camelCase[i].toLower());
    }
    return words;
}

} // namespace

QString normalizedLabel(const QString &label)
{
    if (!label.startsWith(u"_$!<"_s) || !label.endsWith(u">!$_"_s) || label.size() <= 8)
        return label;
    const QStringView inner = QStringView(label).sliced(4, label.size() - 8);
    if (inner.compare(u"iPhone", Qt::CaseInsensitive) == 0)
        return kABPhoneIPhoneLabel;
    return wordsOf(inner);
}

QString ABLocalizedPropertyOrLabel(const QString &label)
{
    return translated(normalizedLabel(label));
}

QString ABLocalizedPropertyOrLabel(ABProperty property)
{
    static const std::array<QString, kABPropertyCount> names{
        u"first name"_s,    u"last name"_s, u"middle name"_s, u"title"_s,  u"suffix"_s,
        u"organization"_s,  u"job title"_s, u"department"_s,  u"flags"_s,  u"note"_s,
        u"birthday"_s,      u"dates"_s,     u"phone"_s,       u"e-mail"_s, u"web page"_s,
        u"related names"_s, u"AIM"_s,       u"ICQ"_s,         u"Jabber"_s, u"MSN"_s,
        u"Yahoo!"_s,        u"address"_s,   u"group name"_s,
    };
    return translated(names.at(static_cast<std::size_t>(property)));
}
