// SPDX-License-Identifier: GPL-3.0-or-later
// The page as vorlin-export prints it: the text just generated, never the written page read
// back, which may be a pipe, a device or replaced meanwhile. The engine loads a private copy
// in a folder of its own, whose <base> points at the page's folder so that images/ resolve.
//
//   PrintedPage copy;
//   const Expected<QString> path = copy.write(text, QFileInfo(pagePath).absolutePath());
#pragma once

#include "util/expected.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QTemporaryDir>

class PrintedPage final
{
public:
    /// A card of the page: the contact's name as the card shows it, and its text's bytes.
    struct Card
    {
        QString name;
        qsizetype textBytes = 0;
    };

    /// The bytes of html that are text, not markup: what the engine lays out. Contact text
    /// is escaped, so every '<' opens a tag.
    [[nodiscard]] static qsizetype textBytes(QByteArrayView html);
    /// The card with the most text on page (the generated UTF-8 text); none on a page
    /// without cards.
    [[nodiscard]] static Card largestCard(QByteArrayView page);

    /// Writes page, with a base address in folder, to a file only the user can read, removed
    /// with this object; its path, or "<file>: <reason>".
    [[nodiscard]] Expected<QString> write(const QByteArray &page, const QString &folder);

private:
    QTemporaryDir m_folder;
};
