// SPDX-License-Identifier: GPL-3.0-or-later
// A read is under way until its answer has been handed over, however soon its thread ends,
// and a read asked for meanwhile replaces the one that was running.
#include "ui/carddavrefresher.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A loopback port where nothing listens: a read there fails at once.
QString refusingBook(const QString &user)
{
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    return u"http://%1@127.0.0.1:%2/book/"_s.arg(user).arg(port);
}

CardDavAccess withPassword()
{
    CardDavAccess access;
    access.password = u"secret"_s;
    return access;
}

class CardDavRefresherTest : public ::testing::Test
{
protected:
    void SetUp() override { qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8()); }
    void TearDown() override { qunsetenv("XDG_CACHE_HOME"); }

    CardDavRefresher refresher;
    QSignalSpy finished{&refresher, &CardDavRefresher::finished};

private:
    QTemporaryDir m_cache;
};

TEST_F(CardDavRefresherTest, staysRunningUntilTheAnswerIsHandedOver)
{
    refresher.start(refusingBook(u"ann"_s), withPassword());
    // The worker has long failed, but its answer waits in this thread's event queue.
    QThread::msleep(1'000);
    EXPECT_TRUE(refresher.isRunning());
    ASSERT_TRUE(finished.wait(30'000));
    EXPECT_FALSE(refresher.isRunning());
    const CardDavRefresher::Result result = refresher.takeResult();
    EXPECT_FALSE(result.read);
    EXPECT_EQ(result.problem, CardDavProblem::Other);
}

TEST_F(CardDavRefresherTest, aReadAskedForMeanwhileGivesTheOnlyAnswer)
{
    refresher.start(refusingBook(u"ann"_s), withPassword());
    const QString newest = refusingBook(u"bob"_s);
    refresher.start(newest, withPassword());
    ASSERT_TRUE(finished.wait(30'000));
    EXPECT_EQ(refresher.takeResult().name, newest);
    EXPECT_FALSE(refresher.isRunning());
    EXPECT_FALSE(finished.wait(500)) << "the first answer is dropped";
}

} // namespace
