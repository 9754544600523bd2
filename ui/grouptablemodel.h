// SPDX-License-Identifier: GPL-3.0-or-later
// The group table: one row per entry of the snapshot's groupsToUse, with the columns
// "include" (a check box) and "name". Every edit replaces the list and writes "groupsToUse"
// through at once; Refresh merges the stored choices with the groups the address book has
// now, in the same way vorlin-export does, so the two never disagree. Choices another program
// stores are shown as soon as the store announces them: table, snapshot and setting agree.
#pragma once

#include "settings/groupchoice.h"

#include <QAbstractTableModel>

class ContactStore;
class PreferencesStore;
struct ExportSettings;

class GroupTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { IncludeColumn = 0, NameColumn = 1, ColumnCount };

    /// Reads and replaces settings.groupsToUse; lists the groups of addressBook.
    GroupTableModel(ExportSettings &settings, PreferencesStore &store,
                    const ContactStore &addressBook, QObject *parent = nullptr);

    /// Lists the groups of another address book from the next refresh on.
    void setAddressBook(const ContactStore &addressBook);

    /// Refresh: stored choices kept, new groups ticked, vanished groups gone, rows in the
    /// address book's order.
    void reloadGroupNamesTable();
    /// Select all (true) or Select none (false), over the groups the address book has now.
    void setSelectedGroupNamesTable(bool include);

    /// The identifier of a column: "include" or "name".
    [[nodiscard]] static QString columnIdentifier(int column);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    [[nodiscard]] const QList<GroupChoice> &choices() const;
    void replaceChoices(QList<GroupChoice> choices);
    void store(const QList<GroupChoice> &choices);
    void adoptStoredChoices();

    ExportSettings &m_settings;
    PreferencesStore &m_store;
    const ContactStore *m_addressBook;
    bool m_writing = false; // our own change of "groupsToUse" is being stored
};
