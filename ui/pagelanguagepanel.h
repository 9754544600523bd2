// SPDX-License-Identifier: GPL-3.0-or-later
// The window's choices of the page's language and of its letter index: a list of the
// languages the bundle speaks, each by its own name, after "The desktop's language", and a
// switch that files contacts under the letters of that language instead of A to Z.
//
//   layout->addWidget(new PageLanguagePanel(controller.binder(), controller.bundle()));
#pragma once

#include <QWidget>

class Bundle;
class SettingsBinder;

class PageLanguagePanel final : public QWidget
{
    Q_OBJECT

public:
    PageLanguagePanel(SettingsBinder &binder, const Bundle &bundle, QWidget *parent = nullptr);

    /// What the list shows for code: the language's own name ("Deutsch", "Português
    /// (Brasil)"), with a capital first letter as a list item starts.
    [[nodiscard]] static QString languageName(const QString &code);
};
