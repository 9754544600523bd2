// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/labeltable.h"

#include <QCoreApplication>

#include <array>
#include <span>

using namespace Qt::StringLiterals;

namespace {

QString translated(const QString &text)
{
    return QCoreApplication::translate("ui", text.toUtf8().constData());
}

// The standard labels by the form exporters write inside "_$!<...>!$_", which differs from
// the stored label in more than case and spaces for "iPhone" alone.
struct ExportedLabel
{
    QStringView exported;
    const QString &label;
};

std::span<const ExportedLabel> exportedLabels()
{
    static const ExportedLabel kLabels[]{
        {u"Home", kABHomeLabel},
        {u"Work", kABWorkLabel},
        {u"Other", kABOtherLabel},
        {u"Mobile", kABPhoneMobileLabel},
        {u"iPhone", kABPhoneIPhoneLabel},
        {u"Main", kABPhoneMainLabel},
        {u"HomeFAX", kABPhoneHomeFAXLabel},
        {u"WorkFAX", kABPhoneWorkFAXLabel},
        {u"OtherFAX", kABPhoneOtherFAXLabel},
        {u"Pager", kABPhonePagerLabel},
        {u"HomePage", kABHomePageLabel},
        {u"Anniversary", kABAnniversaryLabel},
        {u"Spouse", kABSpouseLabel},
        {u"Manager", kABManagerLabel},
        {u"Assistant", kABAssistantLabel},
        {u"Mother", kABMotherLabel},
        {u"Father", kABFatherLabel},
        {u"Parent", kABParentLabel},
        {u"Brother", kABBrotherLabel},
        {u"Sister", kABSisterLabel},
        {u"Child", kABChildLabel},
        {u"Friend", kABFriendLabel},
        {u"Partner", kABPartnerLabel},
    };
    return kLabels;
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
    for (const ExportedLabel &standard : exportedLabels()) {
        if (inner.compare(standard.exported, Qt::CaseInsensitive) == 0)
            return standard.label;
    }
    return wordsOf(inner);
}

QString ABLocalizedPropertyOrLabel(const QString &label)
{
    return translated(normalizedLabel(label));
}

QString ABLocalizedPropertyOrLabel(ABProperty property)
{
    // Keys of the "ui" table, marked for lupdate.
    static const std::array<const char *, kABPropertyCount> kNames{
        QT_TRANSLATE_NOOP("ui", "first name"),  QT_TRANSLATE_NOOP("ui", "last name"),
        QT_TRANSLATE_NOOP("ui", "middle name"), QT_TRANSLATE_NOOP("ui", "title"),
        QT_TRANSLATE_NOOP("ui", "suffix"),      QT_TRANSLATE_NOOP("ui", "organization"),
        QT_TRANSLATE_NOOP("ui", "job title"),   QT_TRANSLATE_NOOP("ui", "department"),
        QT_TRANSLATE_NOOP("ui", "flags"),       QT_TRANSLATE_NOOP("ui", "note"),
        QT_TRANSLATE_NOOP("ui", "birthday"),    QT_TRANSLATE_NOOP("ui", "dates"),
        QT_TRANSLATE_NOOP("ui", "phone"),       QT_TRANSLATE_NOOP("ui", "e-mail"),
        QT_TRANSLATE_NOOP("ui", "web page"),    QT_TRANSLATE_NOOP("ui", "related names"),
        QT_TRANSLATE_NOOP("ui", "AIM"),         QT_TRANSLATE_NOOP("ui", "ICQ"),
        QT_TRANSLATE_NOOP("ui", "Jabber"),      QT_TRANSLATE_NOOP("ui", "MSN"),
        QT_TRANSLATE_NOOP("ui", "Yahoo!"),      QT_TRANSLATE_NOOP("ui", "address"),
        QT_TRANSLATE_NOOP("ui", "group name"),
    };
    return QCoreApplication::translate("ui", kNames.at(static_cast<std::size_t>(property)));
}
