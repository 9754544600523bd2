// SPDX-License-Identifier: GPL-3.0-or-later
// Prints a generated page to PDF through the web engine the preview uses, offscreen, so the
// PDF looks as the page does in a browser's print. The engine starts only here: a plain page
// export never pays for it.
//
//   PdfPrinter::prepareProcess();                 // before the application object
//   QGuiApplication application(argc, argv);
//   QSaveFile pdf(u"/tmp/book.pdf"_s);
//   if (pdf.open(QIODevice::WriteOnly)) error = PdfPrinter(Paper::A4).print(text, folder, pdf);
#pragma once

#include "cli/papersize.h"

#include <QByteArray>
#include <QString>

#include <chrono>

class QSaveFile;

class PdfPrinter final
{
public:
    /// Sets what the engine needs before the application object exists: shared OpenGL
    /// contexts, and no Chromium sandbox when running as root, where it cannot start.
    static void prepareProcess();

    explicit PdfPrinter(Paper paper);

    /// How long loading and printing may take before the PDF is given up: the largest book
    /// printed (ExportCommand's bounds) takes about 100 seconds, and a page whose style sheet
    /// waits on a pipe or a slow server would otherwise never finish.
    static constexpr std::chrono::seconds kDeadline{120};

    /// Loads page (the generated UTF-8 text) from a private copy whose pictures resolve in
    /// folder, the page's folder, prints it and commits the bytes to pdf, an open QSaveFile,
    /// so the PDF appears whole or not at all. Empty on success, else "<file>: <reason>"; on
    /// failure pdf is discarded.
    [[nodiscard]] QString print(const QByteArray &page, const QString &folder,
                                QSaveFile &pdf) const;

private:
    [[nodiscard]] QString printFile(const QString &pagePath, const QString &folder,
                                    QSaveFile &pdf) const;

    Paper m_paper;
};
