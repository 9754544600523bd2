// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcarddiagnostics.h"

using namespace Qt::StringLiterals;

VCardDiagnostics::VCardDiagnostics(QString origin, int limit)
    : m_origin(std::move(origin))
    , m_limit(limit)
{}

void VCardDiagnostics::report(qsizetype line, const QString &problem)
{
    add({line, problem});
}

void VCardDiagnostics::report(const QString &problem)
{
    add({kWholeOrigin, problem});
}

void VCardDiagnostics::append(const VCardDiagnostics &part, qsizetype lineOffset)
{
    for (const Problem &problem : part.m_problems)
        add({problem.line == kWholeOrigin ? kWholeOrigin : problem.line + lineOffset,
             problem.text});
    m_leftOut += part.m_leftOut;
}

void VCardDiagnostics::add(Problem problem)
{
    if (m_problems.size() < m_limit)
        m_problems.append(std::move(problem));
    else
        ++m_leftOut;
}

QStringList VCardDiagnostics::lines() const
{
    QStringList lines;
    lines.reserve(m_problems.size() + 1);
    for (const Problem &problem : m_problems) {
        lines.append(problem.line == kWholeOrigin
                         ? u"%1: %2"_s.arg(m_origin, problem.text)
                         : u"%1:%2: %3"_s.arg(m_origin).arg(problem.line).arg(problem.text));
    }
    if (m_leftOut > 0)
        lines.append(u"%1: %2 more problems not listed"_s.arg(m_origin).arg(m_leftOut));
    return lines;
}
