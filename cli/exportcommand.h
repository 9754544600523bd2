// SPDX-License-Identifier: GPL-3.0-or-later
// vorlin-export's work: the same page as the window's generate command, with the same
// settings, from the command line and without asking anything.
// run() returns one of ExportExit's statuses.
#pragma once

#include "cli/exportoptions.h"
#include "util/bundle.h"

#include <QString>

#include <cstdio>
#include <optional>

class PreferencesStore;

class ExportCommand final
{
public:
    ExportCommand(PreferencesStore &store, Bundle bundle, std::FILE *out = stdout,
                  std::FILE *err = stderr);

    [[nodiscard]] int run(const ExportOptions &options);

private:
    [[nodiscard]] int printPreview();
    [[nodiscard]] QString outputPath(const ExportOptions &options) const;
    void refreshGroups(const class ContactStore &addressBook);
    void print(std::FILE *stream, const QString &text) const;

    PreferencesStore &m_store;
    Bundle m_bundle;
    std::FILE *m_out;
    std::FILE *m_err;
};
