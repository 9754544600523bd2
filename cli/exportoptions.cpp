// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exportoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

ExportOptionsParse parseExportOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Writes the address book as one HTML page, with the settings of the Vorlin window."_s);
    const QCommandLineOption addressBook(
        u"address-book"_s, u"The address book: a .vcf file or a folder of them."_s, u"PATH"_s);
    const QCommandLineOption output(u"output"_s, u"Where to write the page."_s, u"FILE"_s);
    const QCommandLineOption previewHtml(
        u"preview-html"_s, u"Print the preview page for the current settings; write no file."_s);
    const QCommandLineOption quiet(u"quiet"_s, u"Show no progress."_s);
    parser.addOptions({addressBook, output, previewHtml, quiet});
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
    if (!parser.positionalArguments().isEmpty())
        return {std::nullopt,
                u"Unexpected argument: %1\n"_s.arg(parser.positionalArguments().first())
                    + parser.helpText(),
                ExportExit::unusableInput};

    ExportOptions options;
    if (parser.isSet(addressBook))
        options.addressBook = parser.value(addressBook);
    if (parser.isSet(output))
        options.output = parser.value(output);
    options.previewHtml = parser.isSet(previewHtml);
    options.quiet = parser.isSet(quiet);
    return {options, {}, ExportExit::success};
}
