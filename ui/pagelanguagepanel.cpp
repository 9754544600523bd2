// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pagelanguagepanel.h"

#include "engine/pagelanguage.h"
#include "settings/letterindex.h"
#include "settings/settingskeys.h"
#include "ui/choicebox.h"
#include "ui/settingsbinder.h"
#include "ui/stringswitchtransformer.h"
#include "ui/uitext.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QFormLayout>
#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kLetterIndexSwitch = u"LetterIndexSwitch"_s;

ChoiceBox *makeLanguageBox(const Bundle &bundle)
{
    auto *box = new ChoiceBox;
    box->setObjectName(SettingsKeys::pageLanguage);
    box->setAccessibleName(UiText::tr("Page language"));
    box->view()->setAccessibleName(UiText::tr("Page language"));
    box->setToolTip(UiText::tr("The language of the page's labels, dates and index"));
    box->addChoice(UiText::tr("The desktop's language"), QString());
    QStringList codes = PageLanguage::available(bundle);
    std::ranges::sort(codes, [](const QString &a, const QString &b) {
        return PageLanguagePanel::languageName(a).localeAwareCompare(
                   PageLanguagePanel::languageName(b))
            < 0;
    });
    for (const QString &code : std::as_const(codes))
        box->addChoice(PageLanguagePanel::languageName(code), code);
    return box;
}

QCheckBox *makeLetterIndexSwitch()
{
    auto *check = new QCheckBox(UiText::tr("Index by the letters of the page's language"));
    check->setObjectName(SettingsKeys::letterIndex);
    check->setAccessibleName(check->text());
    check->setToolTip(
        UiText::tr("File contacts under the letters of the page's language instead of A to Z"));
    return check;
}

} // namespace

PageLanguagePanel::PageLanguagePanel(SettingsBinder &binder, const Bundle &bundle, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"pageLanguagePanel"_s);
    setAccessibleName(UiText::tr("Page language"));
    ValueTransformer::setValueTransformer(
        std::make_shared<StringSwitchTransformer>(letterIndexName(LetterIndex::Locale),
                                                  letterIndexName(LetterIndex::Latin)),
        kLetterIndexSwitch);
    auto *layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ChoiceBox *language = makeLanguageBox(bundle);
    layout->addRow(UiText::tr("Page language"), language);
    QCheckBox *letters = makeLetterIndexSwitch();
    layout->addRow(letters);
    binder.bindValue(language, u"values."_s + SettingsKeys::pageLanguage);
    binder.bindValue(
        letters, u"values."_s + SettingsKeys::letterIndex,
        {.transformerName = kLetterIndexSwitch, .nullPlaceholder = {}, .continuous = false});
}

QString PageLanguagePanel::languageName(const QString &code)
{
    QString name = PageLanguage::nativeName(code);
    if (!name.isEmpty())
        name[0] = QLocale(code).toUpper(name.first(1)).front();
    return name;
}
