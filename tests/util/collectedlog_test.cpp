// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/collectedlog.h"

#include "util/systemlog.h"

#include <gtest/gtest.h>

#include <thread>

#include "qtprinters.h"

using namespace Qt::StringLiterals;

namespace {

// A thread's collected lines stay its own, an inner collection gives the outer one back, and
// lines logged without one still reach the program's log.
TEST(CollectedLog, keepsEachThreadsLinesApart)
{
    QStringList captured;
    const SystemLogCapture capture([&](const QString &line) { captured.append(line); });
    QStringList outer;
    QStringList inner;
    QStringList elsewhere;
    {
        const CollectedLog collectOuter(outer);
        systemLog(u"one"_s);
        {
            const CollectedLog collectInner(inner);
            systemLog(u"two"_s);
        }
        std::thread([&] {
            const CollectedLog collected(elsewhere);
            systemLog(u"three"_s);
        }).join();
        std::thread([] { systemLog(u"four"_s); }).join();
        systemLog(u"five"_s);
    }
    systemLog(u"six"_s);
    EXPECT_EQ(outer, (QStringList{u"one"_s, u"five"_s}));
    EXPECT_EQ(inner, QStringList{u"two"_s});
    EXPECT_EQ(elsewhere, QStringList{u"three"_s});
    EXPECT_EQ(captured, (QStringList{u"four"_s, u"six"_s}));
}

} // namespace
