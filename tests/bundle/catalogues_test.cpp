// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped catalogue translates every text the program marks, leaves none unfinished,
// holds nothing the program no longer asks for, and keeps the placeholders that the program
// fills in, so that no language shows an English text or a broken message.
#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

struct Message
{
    QStringList translations; // one per plural form; empty when unfinished
    bool finished = false;
};

// (context, source) -> message
using Catalogue = QMap<std::pair<QString, QString>, Message>;

Message readMessage(QXmlStreamReader &xml, QString &source)
{
    Message message;
    while (xml.readNextStartElement()) {
        if (xml.name() == "source"_L1) {
            source = xml.readElementText();
        } else if (xml.name() == "translation"_L1) {
            message.finished = xml.attributes().value("type"_L1).isEmpty();
            const bool plural = xml.attributes().hasAttribute("numerus"_L1);
            QString text;
            while (!xml.atEnd() && !(xml.isEndElement() && xml.name() == "translation"_L1)) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == "numerusform"_L1)
                    message.translations.append(xml.readElementText());
                else if (xml.isCharacters())
                    text += xml.text();
            }
            if (message.translations.isEmpty() && !plural)
                message.translations.append(text);
        } else {
            xml.skipCurrentElement();
        }
    }
    return message;
}

Catalogue readCatalogue(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    Catalogue catalogue;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == "name"_L1) {
            context = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == "message"_L1) {
            QString source;
            const Message message = readMessage(xml, source);
            catalogue.insert({context, source}, message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return catalogue;
}

QString cataloguePath(const QString &language)
{
    return QStringLiteral(VORLIN_SOURCE_DIR "/bundle/translations/vorlin_%1.ts").arg(language);
}

// What lupdate finds in the sources today, read once for the whole suite.
const Catalogue &markedTexts()
{
    static const Catalogue kTexts = [] {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"sources.ts"_s);
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(VORLIN_SOURCE_DIR));
        QStringList arguments{u"-silent"_s, u"-locations"_s, u"none"_s, u"-I"_s, u"."_s};
        arguments += QStringLiteral(VORLIN_TRANSLATED_FOLDERS).split(u',');
        lupdate.start(QStringLiteral(VORLIN_LUPDATE), arguments << u"-ts"_s << path);
        EXPECT_TRUE(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0)
            << lupdate.readAllStandardError().toStdString();
        return readCatalogue(path);
    }();
    return kTexts;
}

// The parts of a text the program fills in or acts on: "%@", "%1", "%Ln", the access key's
// "&" and a final line feed.
QStringList placeholdersOf(const QString &text)
{
    static const QRegularExpression kPlaceholder(u"%(@|L?n|\\d)|&(?=[^ ;])"_s);
    QStringList found;
    for (const QRegularExpressionMatch &match : kPlaceholder.globalMatch(text))
        found.append(match.captured());
    if (text.endsWith(u'\n'))
        found.append(u"line feed"_s);
    found.sort();
    return found;
}

std::string describe(const std::pair<QString, QString> &key)
{
    return QString(key.first + u" / " + key.second).toStdString();
}

class Catalogues : public testing::TestWithParam<QString>
{};

TEST_P(Catalogues, translateEveryMarkedTextAndNothingElse)
{
    const Catalogue catalogue = readCatalogue(cataloguePath(GetParam()));
    ASSERT_FALSE(markedTexts().isEmpty());
    for (auto it = markedTexts().keyBegin(); it != markedTexts().keyEnd(); ++it)
        EXPECT_TRUE(catalogue.contains(*it)) << "missing: " << describe(*it);
    for (auto it = catalogue.keyBegin(); it != catalogue.keyEnd(); ++it)
        EXPECT_TRUE(markedTexts().contains(*it)) << "no longer marked: " << describe(*it);
}

TEST_P(Catalogues, leaveNoEntryUnfinished)
{
    const Catalogue catalogue = readCatalogue(cataloguePath(GetParam()));
    for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
        EXPECT_TRUE(it->finished) << "unfinished: " << describe(it.key());
        EXPECT_FALSE(it->translations.isEmpty() || it->translations.contains(QString()))
            << "empty: " << describe(it.key());
    }
}

// Keys ("s002", "stripList") have no placeholders of their own; their English text has.
TEST_P(Catalogues, keepThePlaceholdersOfTheEnglishText)
{
    const Catalogue english = readCatalogue(cataloguePath(u"en"_s));
    const Catalogue catalogue = readCatalogue(cataloguePath(GetParam()));
    for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
        const auto reference = english.constFind(it.key());
        if (reference == english.cend() || reference->translations.isEmpty())
            continue;
        const QStringList wanted = placeholdersOf(reference->translations.constLast());
        for (const QString &translation : it->translations)
            EXPECT_EQ(placeholdersOf(translation), wanted)
                << describe(it.key()) << " -> " << translation.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, Catalogues,
                         testing::ValuesIn(QStringLiteral(VORLIN_LANGUAGES).split(u',')),
                         [](const testing::TestParamInfo<QString> &language) {
                             return language.param.toStdString();
                         });

} // namespace
