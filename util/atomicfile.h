// SPDX-License-Identifier: GPL-3.0-or-later
// A file written whole or not at all, as QSaveFile writes one, but found by the bytes of its
// name (util/filename.h), which QSaveFile cannot take: the bytes go to a new file beside the
// target, which replaces it only on commit. As with QSaveFile, a link at the target is
// followed and the file it ends at replaced; an existing target keeps its permissions, and
// one that the user may not write, or a folder, is refused.
//
//   AtomicFile page(path);
//   if (!page.open()) return report(page.errorString());
//   page.file().write(bytes);
//   if (!page.commit()) report(page.errorString());
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

class AtomicFile final
{
public:
    explicit AtomicFile(const QString &path);
    /// Without a commit, the new file goes and the target stays as it was.
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    /// Creates the new file beside the target.
    [[nodiscard]] bool open();
    /// Where to write, once open.
    [[nodiscard]] QFile &file() { return m_file; }
    /// Puts everything written on disk and the new file in the target's place.
    [[nodiscard]] bool commit();
    /// Why open, a write or commit failed: the system's reason.
    [[nodiscard]] QString errorString() const;

private:
    [[nodiscard]] bool fail();
    [[nodiscard]] int createBeside(mode_t mode);
    void removeNewFile();

    QByteArray m_target; // links followed
    QByteArray m_newFile;
    QFile m_file;
    QString m_error;
};
