// SPDX-License-Identifier: GPL-3.0-or-later
// Prints a written page to PDF through the web engine the preview uses, offscreen, so the
// PDF looks as the page does in a browser's print. The engine starts only here: a plain page
// export never pays for it.
//
//   PdfPrinter::prepareProcess();                 // before the application object
//   QGuiApplication application(argc, argv);
//   QSaveFile pdf(u"/tmp/book.pdf"_s);
//   if (pdf.open(QIODevice::WriteOnly)) error = PdfPrinter(Paper::A4).print(pagePath, pdf);
#pragma once

#include "cli/papersize.h"

#include <QString>

class QSaveFile;

class PdfPrinter final
{
public:
    /// Sets what the engine needs before the application object exists: shared OpenGL
    /// contexts, and no Chromium sandbox when running as root, where it cannot start.
    static void prepareProcess();

    explicit PdfPrinter(Paper paper);

    /// Loads the page by its file address (pictures resolve beside it), prints it and commits
    /// the bytes to pdf, an open QSaveFile, so the PDF appears whole or not at all. Empty on
    /// success, else "<file>: <reason>"; on failure pdf is discarded.
    [[nodiscard]] QString print(const QString &pagePath, QSaveFile &pdf) const;

private:
    Paper m_paper;
};
