// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grouptablemodel.h"

#include "addressbook/groupselection.h"
#include "settings/exportsettings.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "ui/uitext.h"

using namespace Qt::StringLiterals;

namespace {

// The pseudo-group keeps its English name in the stored choice and speaks the window's
// language on screen.
QString shownName(const QString &name)
{
    return name == ungroupedContactsName() ? UiText::tr("Ungrouped Contacts") : name;
}

} // namespace

GroupTableModel::GroupTableModel(ExportSettings &settings, PreferencesStore &store,
                                 const ContactStore &addressBook, QObject *parent)
    : QAbstractTableModel(parent)
    , m_settings(settings)
    , m_store(store)
    , m_addressBook(&addressBook)
{
    connect(&store, &PreferencesStore::valueChanged, this, [this](const QString &key) {
        if (key == SettingsKeys::groupsToUse && !m_writing)
            adoptStoredChoices();
    });
}

void GroupTableModel::setAddressBook(const ContactStore &addressBook)
{
    m_addressBook = &addressBook;
}

void GroupTableModel::reloadGroupNamesTable()
{
    replaceChoices(refreshedGroupChoices(allGroupNames(*m_addressBook), m_settings.groupsToUse));
}

void GroupTableModel::setSelectedGroupNamesTable(bool include)
{
    QList<GroupChoice> choices;
    const QStringList names = allGroupNames(*m_addressBook);
    for (const QString &name : names)
        choices.append({include, name});
    replaceChoices(std::move(choices));
}

QString GroupTableModel::columnIdentifier(int column)
{
    return column == IncludeColumn ? u"include"_s : u"name"_s;
}

int GroupTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(choices().size());
}

int GroupTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GroupTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const GroupChoice &choice = choices().at(index.row());
    if (index.column() == IncludeColumn) {
        switch (role) {
        case Qt::CheckStateRole:
            return choice.include ? Qt::Checked : Qt::Unchecked;
        case Qt::AccessibleTextRole:
            return UiText::tr("Include %@").replace(u"%@"_s, shownName(choice.name));
        case Qt::ToolTipRole:
            return UiText::tr("Tick the groups whose contacts go into the page");
        default:
            return {};
        }
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return shownName(choice.name);
    case Qt::ToolTipRole:
        return UiText::tr("Address book group");
    default:
        return {};
    }
}

QVariant GroupTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal
        || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return section == IncludeColumn ? UiText::tr("Include") : UiText::tr("Group");
}

Qt::ItemFlags GroupTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.column() == IncludeColumn ? base | Qt::ItemIsUserCheckable : base;
}

bool GroupTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() != IncludeColumn
        || role != Qt::CheckStateRole)
        return false;
    QList<GroupChoice> edited = choices();
    edited[index.row()].include = value.toInt() == Qt::Checked;
    m_settings.groupsToUse = edited;
    store(edited);
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

const QList<GroupChoice> &GroupTableModel::choices() const
{
    static const QList<GroupChoice> kNone;
    return m_settings.groupsToUse ? *m_settings.groupsToUse : kNone;
}

void GroupTableModel::replaceChoices(QList<GroupChoice> choices)
{
    beginResetModel();
    store(choices);
    m_settings.groupsToUse = std::move(choices);
    endResetModel();
}

void GroupTableModel::store(const QList<GroupChoice> &choices)
{
    m_writing = true;
    m_store.setObject(groupChoicesToVariant(choices), SettingsKeys::groupsToUse);
    m_writing = false;
}

// Another program stored other choices (vorlin-export on another book, a second window): the
// table shows them as they are, since they are what the next page uses. They are not merged
// and written back here, or two windows on two books would answer each other for ever;
// Refresh and a change of the book merge them.
void GroupTableModel::adoptStoredChoices()
{
    beginResetModel();
    readStoredSettings(m_settings, m_store);
    endResetModel();
}
