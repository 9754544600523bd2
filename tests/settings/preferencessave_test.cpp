// SPDX-License-Identifier: GPL-3.0-or-later
// A save replaces the preferences file whole: a reader that opened it before the save keeps
// reading the complete earlier file, never a truncated or half-written one.
#include "settings/preferencesstore.h"

#include "settingstestsupport.h"
#include "util/propertylist.h"

#include "qtprinters.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

class Save : public ConfigFolderTest
{
protected:
    void SetUp() override { QDir().mkpath(path(u"prefs"_s)); }
};

TEST_F(Save, replacesTheFileInsteadOfWritingIntoIt)
{
    PreferencesStore store(files());
    ASSERT_TRUE(store.setObject(u"first.html"_s, u"fileName"_s));
    const QString file = files().userDomain;
    const QByteArray before = readFile(file);
    const ino_t inodeBefore = fileVersion(file).first;
    QFile openedBefore(file);
    ASSERT_TRUE(openedBefore.open(QIODevice::ReadOnly));

    ASSERT_TRUE(store.setObject(QString(4096, u'x'), u"css"_s));

    EXPECT_NE(fileVersion(file).first, inodeBefore);
    EXPECT_EQ(openedBefore.readAll(), before);
    const Expected<QVariant> after = readPropertyListFile(file);
    ASSERT_TRUE(after) << after.error().toStdString();
    EXPECT_EQ(after->toMap().value(u"css"_s), QString(4096, u'x'));
    EXPECT_EQ(QDir(path(u"prefs"_s)).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"org.vorlin.Vorlin.plist"_s});
}

} // namespace
