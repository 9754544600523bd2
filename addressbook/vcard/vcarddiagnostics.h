// SPDX-License-Identifier: GPL-3.0-or-later
// The problems found while reading vCard text, one line each ("<file>:<line>: <problem>"),
// ready for the system log. A file full of garbage must not flood the log, so past a limit
// the remaining problems of that origin are only counted.
#pragma once

#include <QString>
#include <QStringList>

class VCardDiagnostics final
{
public:
    static constexpr int kDefaultLimit = 50;

    explicit VCardDiagnostics(QString origin, int limit = kDefaultLimit);

    /// Records a problem at a (1-based) line of the origin.
    void report(qsizetype line, const QString &problem);
    /// Records a problem of the origin as a whole.
    void report(const QString &problem);

    /// The recorded lines, then one line that counts those left out, if any.
    [[nodiscard]] QStringList lines() const;
    [[nodiscard]] const QString &origin() const { return m_origin; }

private:
    void add(QString line);

    QString m_origin;
    int m_limit;
    QStringList m_lines;
    qsizetype m_leftOut = 0;
};
