// SPDX-License-Identifier: GPL-3.0-or-later
// Watches the settings that change what a card looks like and says when one of them
// changed, so the preview re-renders; the proposed file name and the chosen groups are not
// among them, so saving or ticking groups never re-renders it.
#pragma once

#include <QObject>
#include <QStringList>

class PreferencesStore;

class SettingsObserver final : public QObject
{
    Q_OBJECT

public:
    /// Follows every change that store announces.
    explicit SettingsObserver(PreferencesStore &store, QObject *parent = nullptr);

    /// The observed key paths ("values.sortByLast", ...), in order: every setting the preview
    /// follows.
    [[nodiscard]] static const QStringList &observedKeyPaths();

    /// Passes keyPath on when it is observed; ignores it otherwise.
    void observeValueForKeyPath(const QString &keyPath);

Q_SIGNALS:
    void observedValueChanged(const QString &keyPath);
};
