// SPDX-License-Identifier: GPL-3.0-or-later
// The "ui" texts the address-book tests rely on: a strip list holding "The " and "A ", as
// the application's English table does. Installed before any test runs.
#include "striplisttranslator.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

class UiTableEnvironment final : public testing::Environment
{
public:
    void SetUp() override { QCoreApplication::installTranslator(&m_table); }
    void TearDown() override { QCoreApplication::removeTranslator(&m_table); }

private:
    StripListTranslator m_table{QStringLiteral("The |A ")};
};

[[maybe_unused]] testing::Environment *const kEnvironment
    = testing::AddGlobalTestEnvironment(new UiTableEnvironment);

} // namespace
