// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/carddavprompts.h"

#include "ui/uitext.h"

#include <QInputDialog>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

QInputDialog *makeDialog(QWidget *window, const QString &objectName, const QString &title,
                         const QString &label)
{
    auto *dialog = new QInputDialog(window);
    dialog->setObjectName(objectName);
    dialog->setAccessibleName(title);
    dialog->setWindowTitle(title);
    dialog->setLabelText(label);
    dialog->setTextValue({}); // makes the text field, to name it
    if (auto *field = dialog->findChild<QLineEdit *>()) {
        field->setObjectName(objectName + u"Field"_s);
        field->setAccessibleName(label);
    }
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    return dialog;
}

} // namespace

namespace CardDavPrompts {

void askAddress(QWidget *window, std::function<void(const QString &)> chosen)
{
    QInputDialog *dialog
        = makeDialog(window, u"carddavAddressDialog"_s, UiText::tr("CardDAV Address Book"),
                     UiText::tr("The address of the address book, or of the account's server, with "
                                "the user name (https://user@server/):"));
    dialog->setTextValue(u"https://"_s);
    QObject::connect(dialog, &QInputDialog::textValueSelected, dialog,
                     [chosen = std::move(chosen)](const QString &url) { chosen(url.trimmed()); });
    dialog->open();
}

void askPassword(QWidget *window, const QString &account, bool refused,
                 std::function<void(const std::optional<QString> &)> answered)
{
    const QString label = refused
        ? UiText::tr("The server refused the password for %1. Password:").arg(account)
        : UiText::tr("Password for %1:").arg(account);
    QInputDialog *dialog
        = makeDialog(window, u"carddavPasswordDialog"_s, UiText::tr("CardDAV Password"), label);
    dialog->setTextEchoMode(QLineEdit::Password);
    // finished() comes once whichever way the dialog ends, so the answer is given once.
    QObject::connect(
        dialog, &QDialog::finished, dialog, [dialog, answered = std::move(answered)](int result) {
            answered(result == QDialog::Accepted ? std::optional<QString>(dialog->textValue())
                                                 : std::nullopt);
        });
    dialog->open();
}

} // namespace CardDavPrompts
