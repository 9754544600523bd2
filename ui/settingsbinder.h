// SPDX-License-Identifier: GPL-3.0-or-later
// Ties controls to settings, both ways: a control's value shows the setting "values.<key>"
// and every edit takes effect in the store at once, its save following a moment later
// (PreferencesStore::updateValue, so typing does not write the file per keystroke); a
// control's enabled state follows any number of boolean settings (enabled only while all
// read true). Both follow every change the store announces, whoever made it (another program
// too), so no control reads or writes the store by hand.
//
//   SettingsBinder binder(PreferencesStore::standard());
//   binder.bindValue(field, u"values.phoneURIScheme"_s,
//                    {.transformerName = u"QEV_NilToBlankStringTransformer"_s,
//                     .nullPlaceholder = UiText::tr("Phone URI Scheme"), .continuous = true});
//   binder.bindEnabled(field, u"values.includePhone"_s);
#pragma once

#include <QHash>
#include <QList>
#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class PreferencesStore;
class QWidget;
class ValueTransformer;

/// How a value binding shows and stores its setting.
struct ValueBindingOptions
{
    QString transformerName; // from the value-transformer registry; empty for none
    QString nullPlaceholder; // shown by a text control while the value is empty
    bool continuous = false; // text controls store on every keystroke
};

class SettingsBinder final : public QObject
{
    Q_OBJECT

public:
    explicit SettingsBinder(PreferencesStore &store, QObject *parent = nullptr);

    /// Binds widget's user property (checked, text, plainText, ...) to keyPath, which must
    /// read "values.<key>". False, with a log line, when it does not or widget has no user
    /// property. A second value binding of the same widget replaces the first.
    bool bindValue(QWidget *widget, const QString &keyPath,
                   const ValueBindingOptions &options = {});
    /// Adds keyPath to the settings that enable widget. False, with a log line, when keyPath
    /// does not read "values.<key>".
    bool bindEnabled(QWidget *widget, const QString &keyPath);

private Q_SLOTS:
    void storeFromSender();

private:
    struct ValueBinding
    {
        QPointer<QWidget> widget;
        QMetaProperty property;
        QString key;
        std::shared_ptr<const ValueTransformer> transformer;
    };
    struct EnabledBinding
    {
        QPointer<QWidget> widget;
        QStringList keys;
    };

    void onValueChanged(const QString &key);
    void showValue(const ValueBinding &binding);
    void storeValue(const QWidget *widget);
    void updateEnabled(const EnabledBinding &binding);
    void forget(QObject *widget);
    void watchDestruction(QWidget *widget);

    PreferencesStore &m_store;
    QHash<const QObject *, ValueBinding> m_values;
    QHash<const QObject *, EnabledBinding> m_enabled;
    const QObject *m_storing = nullptr; // the control whose edit is being stored
    bool m_showing = false;             // a stored value is being shown, not edited
};
