// SPDX-License-Identifier: GPL-3.0-or-later
// The problems found while reading vCard text, one line each ("<file>:<line>: <problem>"),
// ready for the system log. A file full of garbage must not flood the log, so past a limit
// the remaining problems of that origin are only counted. Parts of one text read apart
// (each counting its lines from 1) are put together with append().
#pragma once

#include <QList>
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
    /// Records the problems of part, a piece of the same origin whose line 1 is line
    /// lineOffset + 1 here, after those recorded so far.
    void append(const VCardDiagnostics &part, qsizetype lineOffset);

    /// The recorded lines, then one line that counts those left out, if any.
    [[nodiscard]] QStringList lines() const;
    [[nodiscard]] const QString &origin() const { return m_origin; }
    /// Every problem recorded, also those only counted.
    [[nodiscard]] qsizetype count() const { return m_problems.size() + m_leftOut; }

private:
    static constexpr qsizetype kWholeOrigin = -1;

    // Kept apart from the line number until asked for, since a part learns only later
    // where in the origin it starts.
    struct Problem
    {
        qsizetype line;
        QString text;
    };

    void add(Problem problem);

    QString m_origin;
    int m_limit;
    QList<Problem> m_problems;
    qsizetype m_leftOut = 0;
};
