// SPDX-License-Identifier: GPL-3.0-or-later
// A "ui" table holding only a strip list, for tests of the name prefixes: installed, it
// stands in for the application's table.
//
//   StripListTranslator table(u"The |A "_s);
//   QCoreApplication::installTranslator(&table);
#pragma once

#include <QString>
#include <QTranslator>

#include <utility>

class StripListTranslator final : public QTranslator
{
public:
    explicit StripListTranslator(QString list)
        : m_list(std::move(list))
    {}

    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "ui") == 0 && qstrcmp(source, "stripList") == 0)
            return m_list;
        return {};
    }
    bool isEmpty() const override { return false; }

private:
    QString m_list;
};
