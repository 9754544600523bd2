// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exportoptions.h"

#include "engine/pagefile.h"
#include "engine/pagelanguage.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

struct Options
{
    QCommandLineOption addressBook{u"address-book"_s,
                                   u"The address book: a .vcf file or a folder of them, "
                                   "eds: (the desktop's default address book), eds:UID, "
                                   "thunderbird:PROFILE/FILE (one of Thunderbird's), or the "
                                   "https:// URL of a CardDAV address book or account."_s,
                                   u"PATH"_s};
    QCommandLineOption listAddressBooks{u"list-address-books"_s,
                                        u"List the address books there are, and write no file."_s};
    QCommandLineOption output{u"output"_s, u"Where to write the page."_s, u"FILE"_s};
    QCommandLineOption pdf{u"pdf"_s, u"Also print the page to this PDF file."_s, u"FILE"_s};
    QCommandLineOption paper{
        u"paper"_s, u"The PDF's paper: a4 or letter (default: the locale's)."_s, u"SIZE"_s};
    QCommandLineOption language{u"language"_s,
                                u"The page's language, such as de or pt-BR, for this run "
                                "(default: the stored one, else the desktop's)."_s,
                                u"CODE"_s};
    QCommandLineOption letterIndex{u"letter-index"_s,
                                   u"How the index files contacts, for this run: latin (A to Z) "
                                   "or locale (the alphabet of the page's language)."_s,
                                   u"KIND"_s};
    QCommandLineOption previewHtml{
        u"preview-html"_s, u"Print the preview page for the current settings; write no file."_s};
    QCommandLineOption quiet{u"quiet"_s, u"Show no progress."_s};
    QCommandLineOption user{
        u"user"_s, u"The CardDAV user, when the address book's URL names none."_s, u"NAME"_s};
    QCommandLineOption passwordFile{u"password-file"_s,
                                    u"Read the CardDAV password from the first line of this file "
                                    "(which only you may read), not from the keyring."_s,
                                    u"FILE"_s};
    QCommandLineOption offline{
        u"offline"_s, u"Read a CardDAV address book's local copy without asking the server."_s};
};

// What the parser accepted but makes no sense together; empty when all is well.
QString conflict(const QCommandLineParser &parser, const Options &names,
                 const QStringList &pageLanguages)
{
    if (!parser.positionalArguments().isEmpty())
        return u"Unexpected argument: %1"_s.arg(parser.positionalArguments().first());
    for (const QCommandLineOption *file : {&names.output, &names.pdf}) {
        const QString path = parser.value(*file);
        if (parser.isSet(*file) && !PageFile::namesAFile(path))
            return u"--%1 needs a file name, not \"%2\"."_s.arg(file->names().first(), path);
    }
    if (parser.isSet(names.listAddressBooks)
        && (parser.isSet(names.previewHtml) || parser.isSet(names.pdf)))
        return u"--list-address-books writes nothing: use it alone."_s;
    if (parser.isSet(names.offline) && parser.isSet(names.passwordFile))
        return u"--offline asks no server: --password-file goes without it."_s;
    if (parser.isSet(names.pdf) && parser.isSet(names.previewHtml))
        return u"--pdf prints the page, not the preview: use one of the two."_s;
    if (parser.isSet(names.paper) && !parser.isSet(names.pdf))
        return u"--paper goes with --pdf."_s;
    if (parser.isSet(names.paper) && !paperFromName(parser.value(names.paper)))
        return u"--paper is a4 or letter, not \"%1\"."_s.arg(parser.value(names.paper));
    if (parser.isSet(names.language)
        && !PageLanguage::known(parser.value(names.language), pageLanguages))
        return u"--language is one of %1, not \"%2\"."_s.arg(pageLanguages.join(u", "_s),
                                                             parser.value(names.language));
    if (parser.isSet(names.letterIndex) && !letterIndexFromName(parser.value(names.letterIndex)))
        return u"--letter-index is latin or locale, not \"%1\"."_s.arg(
            parser.value(names.letterIndex));
    return {};
}

std::optional<QString> valueIfSet(const QCommandLineParser &parser,
                                  const QCommandLineOption &option)
{
    return parser.isSet(option) ? std::optional(parser.value(option)) : std::nullopt;
}

} // namespace

ExportOptionsParse parseExportOptions(const QStringList &arguments,
                                      const QStringList &pageLanguages)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Writes the address book as one HTML page, with the settings of the Vorlin window."_s);
    const Options names;
    parser.addOptions({names.addressBook, names.listAddressBooks, names.output, names.pdf,
                       names.paper, names.language, names.letterIndex, names.previewHtml,
                       names.quiet, names.user, names.passwordFile, names.offline});
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    if (!parser.parse(arguments))
        return {std::nullopt, parser.errorText() + u"\n"_s + parser.helpText(),
                ExportExit::unusableInput};
    if (parser.isSet(help))
        return {std::nullopt, parser.helpText(), ExportExit::success};
    if (parser.isSet(version))
        return {std::nullopt,
                QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion()
                    + u'\n',
                ExportExit::success};
    if (const QString problem = conflict(parser, names, pageLanguages); !problem.isEmpty())
        return {std::nullopt, problem + u"\n"_s + parser.helpText(), ExportExit::unusableInput};

    ExportOptions options;
    options.addressBook = valueIfSet(parser, names.addressBook);
    options.output = valueIfSet(parser, names.output);
    options.pdf = valueIfSet(parser, names.pdf);
    options.paper = paperFromName(parser.value(names.paper));
    options.overrides.pageLanguage
        = PageLanguage::known(parser.value(names.language), pageLanguages);
    options.overrides.letterIndex = letterIndexFromName(parser.value(names.letterIndex));
    options.previewHtml = parser.isSet(names.previewHtml);
    options.listAddressBooks = parser.isSet(names.listAddressBooks);
    options.quiet = parser.isSet(names.quiet);
    options.carddav.user = parser.value(names.user);
    options.carddav.passwordFile = valueIfSet(parser, names.passwordFile);
    options.carddav.offline = parser.isSet(names.offline);
    return {options, {}, ExportExit::success};
}
