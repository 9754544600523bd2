// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardstore.h"
#include "addressbook/vcard/legacytext.h"
#include "addressbook/vcard/vcardbytes.h"
#include "addressbook/vcard/vcardcontact.h"
#include "addressbook/vcard/vcarddiagnostics.h"
#include "addressbook/vcard/vcardfile.h"
#include "addressbook/vcard/vcardfolder.h"
#include "addressbook/vcard/vcardidentifiers.h"
#include "addressbook/vcard/vcardrangereads.h"
#include "addressbook/vcard/vcardreader.h"
#include "addressbook/vcard/vcardtextindex.h"
#include "addressbook/vcard/vcardvalue.h"
#include "util/filename.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <QtConcurrent/QtConcurrentMap>
#include <QtConcurrent/QtConcurrentRun>

#include <functional>
#include <span>
#include <vector>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Text in UTF-8: a UTF-8 byte-order mark is skipped, UTF-16 with or without a mark is
// converted, and so is a file in an undeclared legacy character set (said once). Binary data
// is left as it is: no character set makes text of it.
struct Utf8Text
{
    QByteArrayView view;
    QByteArray converted;
    bool valid = false; // checked and found valid UTF-8 as a whole
};

// A large text is checked in pieces side by side. Each piece but the first starts with a
// card, after a line break, so the pieces are valid UTF-8 each exactly when the whole is.
bool isValidUtf8(QByteArrayView data, const VCardReadOptions &options)
{
    const int threads = std::max(options.threads, 1);
    const QList<QByteArrayView> pieces
        = splitAtCards(data, std::max(options.rangeBytes, data.size() / threads));
    if (threads == 1 || pieces.size() == 1)
        return VCardValue::isValidUtf8(data);
    return !QtConcurrent::blockingMapped(pieces, VCardValue::isValidUtf8).contains(false);
}

Utf8Text fromUtf16(QByteArrayView data, QStringConverter::Encoding order)
{
    QStringDecoder decoder(order);
    Utf8Text text;
    text.converted = QString(decoder.decode(data)).toUtf8();
    text.view = text.converted;
    return text;
}

// UTF-16 of ASCII alone is valid UTF-8 too, so it is looked for first.
std::optional<Utf8Text> asUtf16(QByteArrayView data)
{
    if (data.startsWith("\xFF\xFE"))
        return fromUtf16(data.sliced(2), QStringConverter::Utf16LE);
    if (data.startsWith("\xFE\xFF"))
        return fromUtf16(data.sliced(2), QStringConverter::Utf16BE);
    if (const std::optional<QStringConverter::Encoding> order = unmarkedUtf16(data))
        return fromUtf16(data, *order);
    return std::nullopt;
}

// knownValid: whether data is valid UTF-8, where that was found out as it was read.
Utf8Text asUtf8(QByteArrayView data, VCardDiagnostics &diagnostics,
                const VCardReadOptions &options = {1}, std::optional<bool> knownValid = {})
{
    if (data.startsWith("\xEF\xBB\xBF"))
        return {data.sliced(3), {}};
    if (std::optional<Utf8Text> text = asUtf16(data))
        return std::move(*text);
    if (knownValid ? *knownValid : isValidUtf8(data, options))
        return {data, {}, true};
    if (!binaryKind(data).isEmpty())
        return {data, {}};
    const std::optional<LegacyText> legacy = LegacyText::decode(data);
    if (!legacy)
        return {data, {}};
    diagnostics.report(legacy->message());
    Utf8Text text;
    text.converted = legacy->utf8();
    text.view = text.converted;
    return text;
}

// Says why a file gave no card: it is empty, no text at all (binary names what it is), or
// text without a card.
void reportNoCard(VCardDiagnostics &diagnostics, bool empty, const QString &binary)
{
    if (empty)
        diagnostics.report(u"not a vCard file: it is empty"_s);
    else if (!binary.isEmpty())
        diagnostics.report(u"not a vCard file but %1"_s.arg(binary));
    else
        diagnostics.report(1, u"not a vCard file: no BEGIN:VCARD found"_s);
}

// A short text read whole, with what readData finds out about a text before its cards.
struct ShortTextRead
{
    VCardDiagnostics diagnostics; // of the text as a whole (its character set)
    VCardRangeRead cards;
    bool empty = false;
    QString binary;
};

std::vector<ShortTextRead> readShortTextsOf(std::span<const VCardSource> sources)
{
    std::vector<ShortTextRead> reads;
    reads.reserve(sources.size());
    for (const VCardSource &source : sources) {
        VCardDiagnostics diagnostics(source.origin);
        const Utf8Text text = asUtf8(source.data, diagnostics);
        reads.push_back({std::move(diagnostics),
                         readVCardRange(text.view, source.origin, text.valid),
                         text.view.trimmed().isEmpty(), binaryKind(source.data)});
    }
    return reads;
}

class StoreBuilder final
{
public:
    explicit StoreBuilder(const VCardReadOptions &options)
        : m_options(options)
    {}

    void readPath(const QString &path);
    void readData(QByteArrayView data, const QString &origin, VCardFile *file = nullptr);
    void readShortTexts(const QList<VCardSource> &sources);
    ContactStoreRead finish();

private:
    struct Target
    {
        ABPerson *person = nullptr;
        Group *group = nullptr;
    };
    struct PendingGroup
    {
        Group *group;
        QList<VCardMemberReference> members;
        std::size_t origin;
    };
    // How far the cards of one text are taken in.
    struct TextProgress
    {
        qsizetype lines = 0;
        qsizetype cards = 0;
        qsizetype strayLine = 0; // the first line of text outside a card, or 0
    };

    void readFile(const QString &path, bool named);
    TextProgress takeRanges(VCardRangeReads &ranges, std::size_t origin,
                            const std::function<void(qsizetype)> &done);
    void take(VCardRangeRead &range, std::size_t origin, TextProgress &progress);
    void finishText(std::size_t origin, const TextProgress &progress, bool empty,
                    const QString &binary);
    void expect(qsizetype cards);
    void addAll(std::vector<VCardContact> &contacts, std::size_t origin, qsizetype lineOffset);
    void add(VCardContact contact, std::size_t origin, qsizetype lineOffset);
    void addPersonCard(VCardPersonCard card, const VCardHashedText &wantedId,
                       VCardHashedText reference);
    void addGroupCard(VCardGroupCard card, const VCardHashedText &wantedId,
                      VCardHashedText reference, std::size_t origin, qsizetype lineOffset);
    void addReference(VCardHashedText reference, Target target);
    void indexReferences();
    [[nodiscard]] Target referenced(const VCardHashedText &reference) const;
    [[nodiscard]] auto sameReference(const VCardHashedText &reference) const;
    Group &categoryGroup(const QString &name);
    void resolve(const PendingGroup &pending);

    VCardReadOptions m_options;
    std::unique_ptr<MemoryContactStore> m_store = std::make_unique<MemoryContactStore>();
    VCardIdentifiers m_identifiers;
    std::vector<VCardDiagnostics> m_diagnostics; // one per origin, in reading order
    // Every card's reference in reading order; made into a table only when a group card
    // has members to look up, which most address books have none of.
    std::vector<std::pair<VCardHashedText, Target>> m_references;
    VCardTextIndex m_referenceIndex; // the first of each text in m_references
    QHash<QString, Group *> m_groupByName;
    QSet<const Group *> m_cardGroups;
    std::vector<PendingGroup> m_pending;
    QStringList m_folderProblems;
    QString m_pathError;
    qsizetype m_unreadFiles = 0;
};

void StoreBuilder::readPath(const QString &path)
{
    if (const std::optional<mode_t> mode = fileMode(path); !mode || !S_ISDIR(*mode)) {
        readFile(path, true);
        return;
    }
    const VCardFolder folder = VCardFolder::list(path);
    m_folderProblems = folder.problems();
    for (const QString &file : folder.files())
        readFile(file, false);
}

// A named path that cannot be read is an error of its own; a file of a folder is one
// problem among others. Messages show the bytes of a name that is not UTF-8 as escapes.
void StoreBuilder::readFile(const QString &path, bool named)
{
    const QString origin = printableFileName(path);
    Expected<VCardFile> file = VCardFile::open(path, {m_options.threads});
    if (!file) {
        ++m_unreadFiles;
        m_diagnostics.emplace_back(origin);
        m_diagnostics.back().report(file.error());
        if (named)
            m_pathError = u"%1: %2"_s.arg(origin, file.error());
        return;
    }
    readData(file->bytes(), origin, &*file);
}

void StoreBuilder::readData(QByteArrayView data, const QString &origin, VCardFile *file)
{
    const std::size_t index = m_diagnostics.size();
    m_diagnostics.emplace_back(origin);
    const Utf8Text text
        = asUtf8(data, m_diagnostics.back(), m_options, file ? file->isValidUtf8() : std::nullopt);
    // Found out before the bytes are let go as they are read.
    const bool empty = text.view.trimmed().isEmpty();
    const QString binary = binaryKind(data);
    VCardRangeReads ranges(text.view, origin, text.valid, m_options);
    const TextProgress progress = takeRanges(ranges, index, [&](qsizetype consumed) {
        if (file && text.converted.isNull())
            file->releaseUpTo(text.view.data() - data.data() + consumed);
    });
    finishText(index, progress, empty, binary);
}

// Each short text is read whole on the pool, a piece of them at a time, and taken in by the
// calling thread in order while the next pieces are read.
void StoreBuilder::readShortTexts(const QList<VCardSource> &sources)
{
    constexpr qsizetype kPiece = 256;
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(m_options.threads, 1));
    std::vector<QFuture<std::vector<ShortTextRead>>> pieces;
    for (qsizetype from = 0; from < sources.size(); from += kPiece) {
        const std::span piece(sources.constData() + from, std::min(kPiece, sources.size() - from));
        pieces.push_back(QtConcurrent::run(&pool, readShortTextsOf, piece));
    }
    expect(sources.size());
    for (QFuture<std::vector<ShortTextRead>> &piece : pieces) {
        for (ShortTextRead &read : piece.takeResult()) {
            const std::size_t index = m_diagnostics.size();
            m_diagnostics.push_back(std::move(read.diagnostics));
            TextProgress progress;
            take(read.cards, index, progress);
            finishText(index, progress, read.empty, read.binary);
        }
    }
}

// Takes in the ranges in text order; done learns how far the text is read.
StoreBuilder::TextProgress StoreBuilder::takeRanges(VCardRangeReads &ranges, std::size_t origin,
                                                    const std::function<void(qsizetype)> &done)
{
    TextProgress progress;
    bool first = true;
    while (std::optional<VCardRangeRead> range = ranges.next()) {
        if (std::exchange(first, false))
            expect(qsizetype(range->contacts.size()) * ranges.rangeCount());
        take(*range, origin, progress);
        range.reset(); // what the contacts left behind, before more of the text is let go
        done(ranges.consumed());
    }
    return progress;
}

// Takes in the cards of a range, its lines counted on from those before it.
void StoreBuilder::take(VCardRangeRead &range, std::size_t origin, TextProgress &progress)
{
    m_diagnostics[origin].append(range.diagnostics, progress.lines);
    if (progress.strayLine == 0 && range.firstStrayLine > 0)
        progress.strayLine = progress.lines + range.firstStrayLine;
    progress.cards += qsizetype(range.contacts.size());
    addAll(range.contacts, origin, progress.lines);
    progress.lines += range.lineCount;
}

// Says what a text held beside its cards, or why it held none.
void StoreBuilder::finishText(std::size_t origin, const TextProgress &progress, bool empty,
                              const QString &binary)
{
    VCardDiagnostics &diagnostics = m_diagnostics[origin];
    if (progress.cards > 0 && progress.strayLine > 0)
        diagnostics.report(progress.strayLine, u"text outside a card ignored"_s);
    if (progress.cards == 0) {
        ++m_unreadFiles;
        reportNoCard(diagnostics, empty, binary);
    }
}

// The ranges are of about one size, so the first tells how many cards the text holds: the
// tables that take them all are then filled without growing again and again.
void StoreBuilder::expect(qsizetype cards)
{
    m_identifiers.reservePersons(cards);
    m_references.reserve(m_references.size() + std::size_t(cards));
}

// The identifier table is looked up at random; fetching a few cards ahead has the lookup
// ready when the card's turn comes.
void StoreBuilder::addAll(std::vector<VCardContact> &contacts, std::size_t origin,
                          qsizetype lineOffset)
{
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = 0; i < contacts.size(); ++i) {
        if (i + kAhead < contacts.size())
            m_identifiers.prefetchPerson(contacts[i + kAhead].wantedId);
        add(std::move(contacts[i]), origin, lineOffset);
    }
}

void StoreBuilder::add(VCardContact contact, std::size_t origin, qsizetype lineOffset)
{
    if (auto *group = std::get_if<VCardGroupCard>(&contact.card))
        return addGroupCard(std::move(*group), contact.wantedId, std::move(contact.reference),
                            origin, lineOffset);
    addPersonCard(std::get<VCardPersonCard>(std::move(contact.card)), contact.wantedId,
                  std::move(contact.reference));
}

void StoreBuilder::addPersonCard(VCardPersonCard card, const VCardHashedText &wantedId,
                                 VCardHashedText reference)
{
    card.person.setUniqueId(m_identifiers.personId(wantedId));
    ABPerson &person = m_store->addPerson(std::move(card.person));
    addReference(std::move(reference), {&person, nullptr});
    for (const QString &name : std::as_const(card.categories))
        m_store->addMember(categoryGroup(name), person);
}

// A group card takes over the group that categories of the same name made before it, so
// the two are one group; a second card of that name is a group of its own.
// Its members are looked up once every card is read, by then on lines of the whole text.
void StoreBuilder::addGroupCard(VCardGroupCard card, const VCardHashedText &wantedId,
                                VCardHashedText reference, std::size_t origin, qsizetype lineOffset)
{
    for (VCardMemberReference &member : card.members)
        member.line += lineOffset;
    Group *group = nullptr;
    if (card.name) {
        Group *named = m_groupByName.value(*card.name);
        if (named && !m_cardGroups.contains(named))
            group = named;
    }
    if (!group) {
        group = &m_store->addGroup(m_identifiers.groupId(wantedId), card.name);
        if (card.name && !m_groupByName.contains(*card.name))
            m_groupByName.insert(*card.name, group);
    }
    m_cardGroups.insert(group);
    addReference(std::move(reference), {nullptr, group});
    m_pending.push_back({group, std::move(card.members), origin});
}

void StoreBuilder::addReference(VCardHashedText reference, Target target)
{
    if (!reference.text.isEmpty())
        m_references.emplace_back(std::move(reference), target);
}

auto StoreBuilder::sameReference(const VCardHashedText &reference) const
{
    return [this, &reference](quint32 at) {
        return m_references[at].first.text == reference.text;
    };
}

// The first card of a UID is the one its references mean. The table is filled in one go,
// each slot fetched a few references ahead of its turn.
void StoreBuilder::indexReferences()
{
    constexpr std::size_t kAhead = 8;
    m_referenceIndex.reserve(qsizetype(m_references.size()));
    for (std::size_t i = 0; i < m_references.size(); ++i) {
        if (i + kAhead < m_references.size())
            m_referenceIndex.prefetch(m_references[i + kAhead].first.hash);
        const VCardHashedText &reference = m_references[i].first;
        m_referenceIndex.insert(reference.hash, quint32(i), sameReference(reference));
    }
}

StoreBuilder::Target StoreBuilder::referenced(const VCardHashedText &reference) const
{
    const std::optional<quint32> at
        = m_referenceIndex.find(reference.hash, sameReference(reference));
    return at ? m_references[*at].second : Target();
}

Group &StoreBuilder::categoryGroup(const QString &name)
{
    Group *&group = m_groupByName[name];
    if (!group)
        group = &m_store->addGroup(m_identifiers.groupId(VCardIdentifiers::wantedGroupId(
                                       VCardCardKeys().key(name, name.toUtf8()))),
                                   name);
    return *group;
}

void StoreBuilder::resolve(const PendingGroup &pending)
{
    VCardDiagnostics &diagnostics = m_diagnostics[pending.origin];
    for (const VCardMemberReference &member : pending.members) {
        const Target target = referenced(member.reference);
        if (target.person) {
            m_store->addMember(*pending.group, *target.person);
        } else if (!target.group) {
            diagnostics.report(
                member.line,
                u"member \"%1\" is no card of the address book; ignored"_s.arg(member.written));
        } else if (!m_store->addSubgroup(*pending.group, *target.group)) {
            diagnostics.report(member.line,
                               u"group \"%1\" would contain itself through \"%2\"; left out"_s.arg(
                                   pending.group->name().value_or(QString()),
                                   target.group->name().value_or(QString())));
        }
    }
}

ContactStoreRead StoreBuilder::finish()
{
    if (!m_pending.empty())
        indexReferences();
    for (const PendingGroup &pending : m_pending)
        resolve(pending);
    ContactStoreRead read;
    read.store = std::move(m_store);
    read.pathError = m_pathError;
    read.diagnostics = m_folderProblems;
    read.problemCount = m_folderProblems.size();
    read.unreadFiles = m_unreadFiles;
    for (const VCardDiagnostics &diagnostics : m_diagnostics) {
        read.diagnostics.append(diagnostics.lines());
        read.problemCount += diagnostics.count();
    }
    return read;
}

} // namespace

ContactStoreRead readVCardStore(const QString &path, const VCardReadOptions &options)
{
    StoreBuilder builder(options);
    if (!fileMode(path)) {
        ContactStoreRead read = builder.finish();
        read.pathError = u"%1: no such file or folder"_s.arg(printableFileName(path));
        read.diagnostics.append(read.pathError);
        read.problemCount = read.unreadFiles = 1;
        return read;
    }
    builder.readPath(path);
    return builder.finish();
}

ContactStoreRead readVCardData(const QByteArray &data, const QString &origin,
                               const VCardReadOptions &options)
{
    StoreBuilder builder(options);
    builder.readData(data, origin);
    return builder.finish();
}

ContactStoreRead readVCardSources(const QList<VCardSource> &sources,
                                  const VCardReadOptions &options)
{
    StoreBuilder builder(options);
    for (const VCardSource &source : sources)
        builder.readData(source.data, source.origin);
    return builder.finish();
}

ContactStoreRead readShortVCardSources(const QList<VCardSource> &sources,
                                       const VCardReadOptions &options)
{
    StoreBuilder builder(options);
    builder.readShortTexts(sources);
    return builder.finish();
}

VCardPersonRead readFirstVCardPerson(const QByteArray &data, const QString &origin)
{
    VCardDiagnostics diagnostics(origin);
    VCardCardKeys keys;
    const Utf8Text text = asUtf8(data, diagnostics);
    VCardReader reader(text.view, diagnostics);
    std::optional<ABPerson> person;
    while (!person) {
        const std::optional<VCardCard> card = reader.next();
        if (!card)
            break;
        VCardContact contact = readContact(*card, diagnostics, keys);
        if (auto *found = std::get_if<VCardPersonCard>(&contact.card)) {
            person = std::move(found->person);
            person->setUniqueId(VCardIdentifiers().personId(contact.wantedId));
        }
    }
    if (person)
        return {std::move(*person), diagnostics.lines()};
    diagnostics.report(u"no person card found"_s);
    return {Unexpected(u"%1: no person card found"_s.arg(origin)), diagnostics.lines()};
}

VCardPersonRead initWithVCardRepresentation(const QByteArray &data)
{
    return readFirstVCardPerson(data, QStringLiteral("vCard data"));
}

std::optional<QString> addressBookPath(const std::optional<QString> &commandLine,
                                       const std::optional<QString> &preference)
{
    if (commandLine && !commandLine->isEmpty())
        return commandLine;
    if (preference && !preference->isEmpty())
        return preference;
    // The base directory rules ignore a relative XDG_DATA_HOME.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || !QDir::isAbsolutePath(dataHome))
        dataHome = QDir::homePath() + u"/.local/share"_s;
    const QString contacts = dataHome + u"/contacts"_s;
    if (QFileInfo(contacts).isDir())
        return contacts;
    return std::nullopt;
}
