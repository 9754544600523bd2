// SPDX-License-Identifier: GPL-3.0-or-later
#include "scratchaddressbook.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QThread>
#include <QUuid>

#include <chrono>

#include <libebook/libebook.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr std::chrono::seconds kSourceKnownWithin{20};

QString takeMessage(GError *error)
{
    QString message = error ? QString::fromUtf8(error->message) : u"no error given"_s;
    g_clear_error(&error);
    return message;
}

} // namespace

struct ScratchAddressBook::Handles
{
    ESourceRegistry *registry = nullptr;
    ESource *source = nullptr;
    EBookClient *client = nullptr;

    ~Handles()
    {
        g_clear_object(&client);
        g_clear_object(&source);
        g_clear_object(&registry);
    }
};

ScratchAddressBook::ScratchAddressBook(const QString &displayName)
    : m_uid(u"vorlin-test-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
    , m_handles(std::make_unique<Handles>())
{
    GError *error = nullptr;
    m_handles->registry = e_source_registry_new_sync(nullptr, &error);
    if (!m_handles->registry)
        ADD_FAILURE() << "registry: " << takeMessage(error).toStdString();
    m_handles->source = e_source_new_with_uid(m_uid.toUtf8().constData(), nullptr, &error);
    e_source_set_display_name(m_handles->source, displayName.toUtf8().constData());
    e_source_set_parent(m_handles->source, "local-stub");
    auto *book = static_cast<ESourceBackend *>(
        e_source_get_extension(m_handles->source, E_SOURCE_EXTENSION_ADDRESS_BOOK));
    e_source_backend_set_backend_name(book, "local");
    if (!e_source_registry_commit_source_sync(m_handles->registry, m_handles->source, nullptr,
                                              &error))
        ADD_FAILURE() << "new source: " << takeMessage(error).toStdString();
    // The registry tells the address-book factory of a new source a moment after the commit
    // returns (on a busy machine, seconds): until then a connection finds no such source.
    const QDeadlineTimer known(kSourceKnownWithin);
    for (;;) {
        // A wait of -1: the synchronous connection would otherwise block on its own main loop.
        m_handles->client = E_BOOK_CLIENT(
            e_book_client_connect_sync(m_handles->source, guint32(-1), nullptr, &error));
        if (m_handles->client || known.hasExpired())
            break;
        g_clear_error(&error);
        QThread::msleep(100);
    }
    if (!m_handles->client)
        ADD_FAILURE() << "connect: " << takeMessage(error).toStdString();
}

ScratchAddressBook::~ScratchAddressBook() = default;

QString ScratchAddressBook::name() const
{
    return u"eds:"_s + m_uid;
}

QStringList ScratchAddressBook::add(const QList<QByteArray> &vcards)
{
    GSList *contacts = nullptr;
    for (const QByteArray &vcard : vcards)
        contacts = g_slist_append(contacts, e_contact_new_from_vcard(vcard.constData()));
    GSList *uids = nullptr;
    GError *error = nullptr;
    if (!e_book_client_add_contacts_sync(m_handles->client, contacts, E_BOOK_OPERATION_FLAG_NONE,
                                         &uids, nullptr, &error))
        ADD_FAILURE() << "add: " << takeMessage(error).toStdString();
    g_slist_free_full(contacts, g_object_unref);
    QStringList added;
    for (GSList *item = uids; item; item = item->next)
        added.append(QString::fromUtf8(static_cast<const char *>(item->data)));
    g_slist_free_full(uids, g_free);
    return added;
}

void ScratchAddressBook::remove(const QStringList &uids)
{
    QList<QByteArray> texts;
    for (const QString &uid : uids)
        texts.append(uid.toUtf8());
    GSList *list = nullptr;
    for (QByteArray &text : texts)
        list = g_slist_append(list, text.data());
    GError *error = nullptr;
    if (!e_book_client_remove_contacts_sync(m_handles->client, list, E_BOOK_OPERATION_FLAG_NONE,
                                            nullptr, &error))
        ADD_FAILURE() << "remove: " << takeMessage(error).toStdString();
    g_slist_free(list);
}

QList<QByteArray> splitCards(const QByteArray &vcf)
{
    QList<QByteArray> cards;
    const QString text = QString::fromUtf8(vcf);
    static const QRegularExpression kCard(u"BEGIN:VCARD.*?END:VCARD"_s,
                                          QRegularExpression::DotMatchesEverythingOption);
    for (auto it = kCard.globalMatch(text); it.hasNext();)
        cards.append(it.next().captured().toUtf8());
    return cards;
}
