// SPDX-License-Identifier: GPL-3.0-or-later
// Fills the desktop's default address book with the cards of a .vcf file, as a desktop
// program would through libebook, so that reading it back can be timed (bench/eds-export,
// inside a private session). Usage: eds_import FILE.vcf
#include <QFile>
#include <QRegularExpression>

#include <libebook/libebook.h>

#include <cstdio>

namespace {

constexpr int kBatch = 500;

bool addBatch(EBookClient *book, GSList *contacts)
{
    GError *error = nullptr;
    const bool added = e_book_client_add_contacts_sync(book, contacts, E_BOOK_OPERATION_FLAG_NONE,
                                                       nullptr, nullptr, &error);
    if (!added) {
        std::fprintf(stderr, "eds_import: %s\n", error->message);
        g_error_free(error);
    }
    g_slist_free_full(contacts, g_object_unref);
    return added;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: eds_import FILE.vcf\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "eds_import: %s: cannot be read\n", argv[1]);
        return 2;
    }
    const QString text = QString::fromUtf8(file.readAll());
    GError *error = nullptr;
    ESourceRegistry *registry = e_source_registry_new_sync(nullptr, &error);
    ESource *source = registry ? e_source_registry_ref_default_address_book(registry) : nullptr;
    EBookClient *book = source
        ? E_BOOK_CLIENT(e_book_client_connect_sync(source, guint32(-1), nullptr, &error))
        : nullptr;
    if (!book) {
        std::fprintf(stderr, "eds_import: %s\n", error ? error->message : "no address book");
        return 1;
    }
    static const QRegularExpression card(QStringLiteral("BEGIN:VCARD.*?END:VCARD"),
                                         QRegularExpression::DotMatchesEverythingOption);
    GSList *batch = nullptr;
    int inBatch = 0;
    int total = 0;
    bool ok = true;
    for (auto it = card.globalMatch(text); it.hasNext() && ok;) {
        batch = g_slist_prepend(
            batch, e_contact_new_from_vcard(it.next().captured().toUtf8().constData()));
        ++total;
        if (++inBatch == kBatch) {
            ok = addBatch(book, batch);
            batch = nullptr;
            inBatch = 0;
        }
    }
    if (ok && batch)
        ok = addBatch(book, batch);
    std::printf("%d\n", total);
    g_object_unref(book);
    g_object_unref(source);
    g_object_unref(registry);
    return ok ? 0 : 1;
}
