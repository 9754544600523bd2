// SPDX-License-Identifier: GPL-3.0-or-later
// A combo box whose value is the code behind the chosen entry, so that a setting stores "de"
// or "" while the user reads "Deutsch" or "The desktop's language". Its user property is the
// code, which is what SettingsBinder binds.
//
//   auto *box = new ChoiceBox;
//   box->addChoice(UiText::tr("The desktop's language"), QString());
//   box->addChoice(u"Deutsch"_s, u"de"_s);
//   binder.bindValue(box, u"values.pageLanguage"_s);
#pragma once

#include <QComboBox>

class ChoiceBox final : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString code READ code WRITE setCode NOTIFY codeChanged USER true)

public:
    explicit ChoiceBox(QWidget *parent = nullptr);

    void addChoice(const QString &text, const QString &code);

    /// The code of the chosen entry; "" while there is none.
    [[nodiscard]] QString code() const;
    /// Chooses the entry of code; a code no entry has chooses the first entry, so a stored
    /// value that is no longer offered shows as the default rather than as nothing.
    void setCode(const QString &code);

Q_SIGNALS:
    void codeChanged(const QString &code);
};
