// SPDX-License-Identifier: GPL-3.0-or-later
// A read that another thread cancels ends at once, even while the server keeps silent.
#include "addressbook/carddav/carddavclient.h"

#include <QElapsedTimer>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <thread>

using namespace Qt::StringLiterals;

TEST(CardDavClient, aCancelledReadEndsWithoutWaitingForTheServer)
{
    // Connections wait in the backlog unanswered, as with a server that hangs.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const QUrl url(u"http://127.0.0.1:%1/book/"_s.arg(silent.serverPort()));
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    CardDavClient::Options options;
    options.cancelled = cancelled;
    CardDavClient client(url, u"ann"_s, u"secret"_s, options);

    std::thread canceller([cancelled] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        cancelled->store(true);
    });
    QElapsedTimer clock;
    clock.start();
    const Expected<CardDavClient::Reply> reply = client.propfind(url, 0, "<propfind/>");
    canceller.join();
    ASSERT_FALSE(reply);
    EXPECT_TRUE(reply.error().endsWith(u"cancelled"_s)) << reply.error().toStdString();
    EXPECT_LT(clock.elapsed(), 10'000) << "not the 30 s a silent server is given";
    EXPECT_FALSE(client.propfind(url, 0, "<propfind/>")) << "and stays cancelled";
}
