// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcarddiagnostics.h"

using namespace Qt::StringLiterals;

VCardDiagnostics::VCardDiagnostics(QString origin, int limit)
    : m_origin(std::move(origin))
    , m_limit(limit)
{}

void VCardDiagnostics::report(qsizetype line, const QString &problem)
{
    add(u"%1:%2: %3"_s.arg(m_origin).arg(line).arg(problem));
}

void VCardDiagnostics::report(const QString &problem)
{
    add(u"%1: %2"_s.arg(m_origin, problem));
}

void VCardDiagnostics::add(QString line)
{
    if (m_lines.size() < m_limit)
        m_lines.append(std::move(line));
    else
        ++m_leftOut;
}

QStringList VCardDiagnostics::lines() const
{
    QStringList lines = m_lines;
    if (m_leftOut > 0)
        lines.append(u"%1: %2 more problems not listed"_s.arg(m_origin).arg(m_leftOut));
    return lines;
}
