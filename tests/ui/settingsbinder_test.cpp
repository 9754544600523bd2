// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingskeys.h"
#include "ui/choicebox.h"
#include "ui/settingsbinder.h"
#include "ui/stringswitchtransformer.h"
#include "uitestsupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class SettingsBinding : public StoreTest
{
protected:
    SettingsBinder binder{store};
};

TEST_F(SettingsBinding, storedValueReachesTheControlAndBack)
{
    QCheckBox box;
    ASSERT_TRUE(binder.bindValue(&box, u"values.includePhone"_s));
    EXPECT_TRUE(box.isChecked()) << "registered default";
    store.setObject(false, u"includePhone"_s);
    EXPECT_FALSE(box.isChecked());
    box.click();
    ASSERT_TRUE(store.synchronize()); // rather than wait for the save delay
    EXPECT_EQ(onDisk(u"includePhone"_s), QVariant(true));
}

TEST_F(SettingsBinding, editCountsAtOnceAndIsSavedAfterTheDelay)
{
    QCheckBox box;
    binder.bindValue(&box, u"values.includePhone"_s);
    QLineEdit observer;
    binder.bindEnabled(&observer, u"values.includePhone"_s);
    box.click();
    EXPECT_FALSE(observer.isEnabled());
    EXPECT_FALSE(onDisk(u"includePhone"_s).isValid()) << "not saved on the keystroke";
    QTest::qWait(PreferencesStore::kSaveDelayMilliseconds + 300);
    EXPECT_EQ(onDisk(u"includePhone"_s), QVariant(false));
}

TEST_F(SettingsBinding, transformerShowsAbsentAsBlankWithThePlaceholder)
{
    QLineEdit field;
    store.setObject(u"/tmp/a.vcf"_s, SettingsKeys::addressBookPath);
    ASSERT_TRUE(
        binder.bindValue(&field, u"values.addressBookPath"_s,
                         {u"QEV_NilToBlankStringTransformer"_s, u"No address book"_s, true}));
    EXPECT_EQ(field.text(), u"/tmp/a.vcf"_s);
    store.removeObject(SettingsKeys::addressBookPath); // no default: absent
    EXPECT_EQ(field.text(), QString());
    EXPECT_EQ(field.placeholderText(), u"No address book"_s);
}

TEST_F(SettingsBinding, emptiedTextFieldStoresTheEmptyString)
{
    QLineEdit field;
    binder.bindValue(&field, u"values.phoneURIScheme"_s,
                     {u"QEV_NilToBlankStringTransformer"_s, {}, true});
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Backspace);
    ASSERT_TRUE(store.synchronize());
    const QVariant stored = onDisk(u"phoneURIScheme"_s);
    EXPECT_TRUE(stored.isValid());
    EXPECT_EQ(stored.toString(), QString());
}

TEST_F(SettingsBinding, continuousTextFieldStoresEveryKeystroke)
{
    QLineEdit field;
    binder.bindValue(&field, u"values.webURIScheme"_s, {{}, {}, true});
    field.clear();
    QSignalSpy changes(&store, &PreferencesStore::valueChanged);
    QTest::keyClicks(&field, u"go:"_s);
    EXPECT_EQ(changes.size(), 3);
    EXPECT_EQ(store.objectForKey(u"webURIScheme"_s), QVariant(u"go:"_s));
    EXPECT_EQ(field.cursorPosition(), 3) << "own edits are not written back";
}

TEST_F(SettingsBinding, discreteTextFieldStoresWhenEditingEnds)
{
    QLineEdit field;
    binder.bindValue(&field, u"values.fileName"_s);
    field.clear();
    QTest::keyClicks(&field, u"a.html"_s);
    EXPECT_EQ(store.objectForKey(SettingsKeys::fileName), QVariant(u"vorlin.html"_s));
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(store.objectForKey(SettingsKeys::fileName), QVariant(u"a.html"_s));
}

TEST_F(SettingsBinding, plainTextEditorStoresEveryChange)
{
    QPlainTextEdit editor;
    binder.bindValue(&editor, u"values.css"_s);
    EXPECT_EQ(editor.toPlainText(), u"body {}"_s);
    editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor, u"p"_s);
    ASSERT_TRUE(store.synchronize());
    EXPECT_EQ(onDisk(SettingsKeys::css), QVariant(u"body {}p"_s));
}

TEST_F(SettingsBinding, enabledBindingsCombine)
{
    QLineEdit field;
    binder.bindEnabled(&field, u"values.includeAIM"_s);
    binder.bindEnabled(&field, u"values.includeInstantMessaging"_s);
    EXPECT_TRUE(field.isEnabled());
    store.setObject(false, u"includeInstantMessaging"_s);
    EXPECT_FALSE(field.isEnabled());
    store.setObject(false, u"includeAIM"_s);
    store.setObject(true, u"includeInstantMessaging"_s);
    EXPECT_FALSE(field.isEnabled()) << "the service's own switch still off";
    store.setObject(true, u"includeAIM"_s);
    EXPECT_TRUE(field.isEnabled());
}

TEST_F(SettingsBinding, refusesKeyPathsOutsideValuesAndForgetsDestroyedControls)
{
    auto box = std::make_unique<QCheckBox>();
    EXPECT_FALSE(binder.bindValue(box.get(), u"includePhone"_s));
    EXPECT_FALSE(binder.bindEnabled(box.get(), u"values."_s));
    binder.bindValue(box.get(), u"values.includePhone"_s);
    box.reset();
    store.setObject(false, u"includePhone"_s); // must not touch the deleted box
}

// The page language and the letter index store codes and words while the window shows names
// and a tick; a stored value the window does not offer shows as the first choice.
TEST_F(SettingsBinding, choiceBoxStoresTheCodeBehindTheName)
{
    ChoiceBox box;
    box.addChoice(u"The desktop's language"_s, QString());
    box.addChoice(u"Deutsch"_s, u"de"_s);
    box.addChoice(u"svenska"_s, u"sv"_s);
    store.setObject(u"sv"_s, u"choiceUnderTest"_s);
    ASSERT_TRUE(binder.bindValue(&box, u"values.choiceUnderTest"_s));
    EXPECT_EQ(box.currentText(), u"svenska"_s);
    box.setCurrentIndex(1);
    ASSERT_TRUE(store.synchronize());
    EXPECT_EQ(onDisk(u"choiceUnderTest"_s), QVariant(u"de"_s));
    store.setObject(u"tlh"_s, u"choiceUnderTest"_s);
    EXPECT_EQ(box.currentIndex(), 0);
}

TEST_F(SettingsBinding, switchStoresOneOfTwoWords)
{
    ValueTransformer::setValueTransformer(
        std::make_shared<StringSwitchTransformer>(u"locale"_s, u"latin"_s), u"TestSwitch"_s);
    QCheckBox box;
    store.setObject(u"latin"_s, u"switchUnderTest"_s);
    ASSERT_TRUE(binder.bindValue(
        &box, u"values.switchUnderTest"_s,
        {.transformerName = u"TestSwitch"_s, .nullPlaceholder = {}, .continuous = false}));
    EXPECT_FALSE(box.isChecked());
    box.click();
    ASSERT_TRUE(store.synchronize());
    EXPECT_EQ(onDisk(u"switchUnderTest"_s), QVariant(u"locale"_s));
    box.click();
    ASSERT_TRUE(store.synchronize());
    EXPECT_EQ(onDisk(u"switchUnderTest"_s), QVariant(u"latin"_s));
    store.setObject(u"Latin"_s, u"switchUnderTest"_s);
    EXPECT_FALSE(box.isChecked()) << "anything but the on word reads as off";
}

} // namespace
