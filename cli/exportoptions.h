// SPDX-License-Identifier: GPL-3.0-or-later
// What vorlin-export was asked to do, read from its command line.
#pragma once

#include "addressbook/carddav/carddavstore.h"
#include "cli/papersize.h"
#include "settings/exportoverrides.h"

#include <QString>
#include <QStringList>

#include <optional>

/// vorlin-export's exit statuses.
namespace ExportExit {
// Named as enumerators are (.clang-tidy). NOLINTBEGIN(readability-identifier-naming)
inline constexpr int success = 0;        // the page (or the preview, help, version) written
inline constexpr int pageNotWritten = 1; // the page could not be written
inline constexpr int unusableInput = 2;  // no usable address book, or a bad command line
// NOLINTEND(readability-identifier-naming)
} // namespace ExportExit

struct ExportOptions
{
    std::optional<QString> addressBook;
    std::optional<QString> output;
    std::optional<QString> pdf;
    std::optional<Paper> paper; // none: the locale's
    ExportOverrides overrides;  // --language (a known code, "de" for "de_AT"), --letter-index
    bool previewHtml = false;
    bool listAddressBooks = false;
    bool quiet = false;
    CardDavAccess carddav; // --user, --password-file, --offline
};

struct ExportOptionsParse
{
    std::optional<ExportOptions> options; // none: stop with exitStatus after printing message
    QString message;                      // help, version or the error
    int exitStatus = ExportExit::success;
};

/// Parses arguments (the program name first); pageLanguages are the codes --language takes
/// (engine/pagelanguage.h), each also with a region ("de-AT" for "de").
[[nodiscard]] ExportOptionsParse parseExportOptions(const QStringList &arguments,
                                                    const QStringList &pageLanguages);
