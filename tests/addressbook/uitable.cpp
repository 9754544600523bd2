// SPDX-License-Identifier: GPL-3.0-or-later
// The "ui" texts the address-book tests rely on: a strip list holding "The " and "A ", as
// the application's English table does. Installed before any test runs.
#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

class UiTable final : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "ui") == 0 && qstrcmp(sourceText, "stripList") == 0)
            return QStringLiteral("The |A ");
        return {};
    }
    bool isEmpty() const override { return false; }
};

class UiTableEnvironment final : public testing::Environment
{
public:
    void SetUp() override { QCoreApplication::installTranslator(&m_table); }
    void TearDown() override { QCoreApplication::removeTranslator(&m_table); }

private:
    UiTable m_table;
};

[[maybe_unused]] testing::Environment *const environment
    = testing::AddGlobalTestEnvironment(new UiTableEnvironment);

} // namespace
