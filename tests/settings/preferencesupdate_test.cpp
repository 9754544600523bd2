// SPDX-License-Identifier: GPL-3.0-or-later
// updateValue: the value counts at once, the file follows within the save delay, and a run of
// updates writes the file at most once per delay, however long it lasts.
#include "settings/preferencesstore.h"

#include "settingstestsupport.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int kSaveDelay = PreferencesStore::kSaveDelayMilliseconds;

class Update : public ConfigFolderTest
{
protected:
    void SetUp() override
    {
        QDir().mkpath(path(u"prefs"_s));
        store.registerDefaults({{u"css"_s, u"default"_s}});
        ASSERT_TRUE(store.setObject(u"saved"_s, u"css"_s));
    }

    [[nodiscard]] QVariant onDisk(const QString &key) const
    {
        return PreferencesStore(files()).objectForKey(key);
    }

    PreferencesStore store{files()};
};

struct UpdateRow : NamedRow
{
    QVariant value;
    QVariant effective; // what objectForKey gives, at once
    QVariant saved;     // what the file holds after the delay
};

class UpdateValue : public Update, public testing::WithParamInterface<UpdateRow>
{};

TEST_P(UpdateValue, takesEffectAtOnceAndReachesTheFileAfterTheDelay)
{
    QSignalSpy changes(&store, &PreferencesStore::valueChanged);
    const auto before = fileVersion(files().userDomain);

    ASSERT_TRUE(store.updateValue(GetParam().value, u"css"_s));

    EXPECT_EQ(store.objectForKey(u"css"_s), GetParam().effective);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes.first().first(), u"css"_s);
    EXPECT_EQ(fileVersion(files().userDomain), before) << "not written yet";
    EXPECT_TRUE(waitUntil([&] { return onDisk(u"css"_s) == GetParam().saved; }, kSaveDelay + 500));
}

INSTANTIATE_TEST_SUITE_P(Rows, UpdateValue,
                         testing::Values(UpdateRow{"value", u"typed"_s, u"typed"_s, u"typed"_s},
                                         UpdateRow{"invalidValueRemoves", {}, u"default"_s, {}}),
                         RowName());

struct PendingRow : NamedRow
{
    std::function<void(std::unique_ptr<PreferencesStore> &)> flush;
};

class PendingChanges : public Update, public testing::WithParamInterface<PendingRow>
{};

TEST_P(PendingChanges, areWrittenBeforeTheDelay)
{
    auto typing = std::make_unique<PreferencesStore>(files());
    ASSERT_TRUE(typing->updateValue(u"typed"_s, u"css"_s));
    GetParam().flush(typing);
    EXPECT_EQ(onDisk(u"css"_s), u"typed"_s);
}

INSTANTIATE_TEST_SUITE_P(Rows, PendingChanges,
                         testing::Values(PendingRow{"synchronize",
                                                    [](std::unique_ptr<PreferencesStore> &store) {
                                                        ASSERT_TRUE(store->synchronize());
                                                    }},
                                         PendingRow{"setObjectOfAnotherKey",
                                                    [](std::unique_ptr<PreferencesStore> &store) {
                                                        ASSERT_TRUE(store->setObject(
                                                            false, u"sortByLast"_s));
                                                    }},
                                         PendingRow{"storeDestroyed",
                                                    [](std::unique_ptr<PreferencesStore> &store) {
                                                        store.reset();
                                                    }}),
                         RowName());

struct TypingRow : NamedRow
{
    int keystrokes;
    int pauseMilliseconds;
};

class Typing : public Update, public testing::WithParamInterface<TypingRow>
{};

// Counted by watching the file's version every few milliseconds: a write every save delay at
// most, and yet, while typing goes on, not put off until it stops.
TEST_P(Typing, writesTheFileAtMostOncePerDelay)
{
    std::vector<qint64> writes;
    QElapsedTimer clock;
    clock.start();
    auto version = fileVersion(files().userDomain);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (const auto now = fileVersion(files().userDomain); now != version) {
            version = now;
            writes.push_back(clock.elapsed());
        }
    });
    poll.start(2);

    for (int i = 0; i < GetParam().keystrokes; ++i) {
        store.updateValue(QString(u"p { color: #"_s + QString::number(i)), u"css"_s);
        if (GetParam().pauseMilliseconds > 0)
            QTest::qWait(GetParam().pauseMilliseconds);
    }
    const qint64 typing = clock.elapsed();
    QTest::qWait(kSaveDelay + 200);

    ASSERT_FALSE(writes.empty());
    for (std::size_t i = 1; i < writes.size(); ++i)
        EXPECT_GE(writes[i] - writes[i - 1], kSaveDelay - 60) << "write " << i;
    const auto duringTyping
        = std::count_if(writes.cbegin(), writes.cend(), [&](qint64 at) { return at <= typing; });
    EXPECT_GE(duringTyping, typing / kSaveDelay - 1);
    EXPECT_EQ(onDisk(u"css"_s),
              QString(u"p { color: #"_s + QString::number(GetParam().keystrokes - 1)));
}

INSTANTIATE_TEST_SUITE_P(Rows, Typing,
                         testing::Values(TypingRow{"burstWithoutPause", 50, 0},
                                         TypingRow{"steadyTypingForASecond", 25, 40}),
                         RowName());

} // namespace
