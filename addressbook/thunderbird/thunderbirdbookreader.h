// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the rows of one of Thunderbird's address books into a contact store. A card
// that keeps its whole vCard (property _vCard, since version 102) is read by the vCard store's
// reader, so it looks as it would exported to a .vcf file, categories included; an older
// card is mapped field by field (thunderbirdfields.h), and so is one whose vCard holds no
// person. A card without a picture of its own takes the file its PhotoName names in the
// profile's Photos folder. Mailing lists are groups of their members. Identifiers are those
// the vCard store gives cards of the same UIDs in the same order.
//
//   ThunderbirdBookReader reader(u"thunderbird:default/abook.sqlite"_s, profileFolder);
//   ContactStoreRead read = reader.read(records);
#pragma once

#include "addressbook/thunderbird/thunderbirdrecords.h"
#include "addressbook/vcard/vcardstore.h"

#include <QString>

class ThunderbirdBookReader final
{
public:
    /// name begins the messages about its cards ("<name>/<card uid>: ..."); profileFolder
    /// holds the Photos folder.
    ThunderbirdBookReader(QString name, const QString &profileFolder);

    [[nodiscard]] ContactStoreRead read(const ThunderbirdRecords &records) const;

private:
    struct CardRead
    {
        ABPerson person{QString()};
        QStringList categories;
        QStringList diagnostics;
        qsizetype problems = 0;
    };

    [[nodiscard]] CardRead readCard(const ThunderbirdCard &card) const;
    static bool readVCard(QByteArrayView vCard, const QString &origin, CardRead &read);
    void addPicture(const ThunderbirdCard &card, CardRead &read,
                    VCardDiagnostics &diagnostics) const;

    QString m_name;
    QString m_photos;
};
