// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/contactcardwriter.h"

#include "addressbook/abperson.h"
#include "engine/datagroups.h"
#include "engine/htmltext.h"
#include "engine/namerecord.h"
#include "settings/exportsettings.h"
#include "util/systemlog.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kEmptyPictureColumn = u"\t\t<div class=\"imagecolumn\">&nbsp;</div>\n"_s;

// A switch rather than an array, so that a kind added to DataKind without a writer is a
// compile error (-Wswitch).
DataGroupWriter writerFor(DataKind kind)
{
    switch (kind) {
    case DataKind::Phone:
        return addPhones;
    case DataKind::Email:
        return addEmail;
    case DataKind::Web:
        return addWeb;
    case DataKind::Dates:
        return addDates;
    case DataKind::RelatedNames:
        return addRelatedNames;
    case DataKind::InstantMessaging:
        return addInstantMessages;
    case DataKind::Postal:
        return addPostals;
    case DataKind::Note:
        return addNote;
    }
    return nullptr;
}

// Messaging shows only when at least one of its services is on as well.
bool isIncluded(DataKind kind, const ExportSettings &settings)
{
    if (kind == DataKind::InstantMessaging)
        return settings.include(kind)
            && std::ranges::find(settings.includeService, true) != settings.includeService.end();
    return settings.include(kind);
}

bool isCompany(const ABPerson &person)
{
    return (person.valueForProperty(kABPersonFlags).toLongLong() & kABShowAsMask)
        == kABShowAsCompany;
}

std::optional<QString> jobText(const ABPerson &person)
{
    std::optional<QString> title = person.stringForProperty(kABJobTitleProperty);
    const QString department = person.stringForProperty(kABDepartmentProperty).value_or(QString());
    if (title && title->isEmpty())
        return std::nullopt;
    if (title && !department.isEmpty())
        return u"%1, %2"_s.arg(*title, department);
    if (title)
        return title;
    if (!department.isEmpty())
        return department;
    return std::nullopt;
}

} // namespace

ContactCardWriter::ContactCardWriter(const CardContext &context, Bundle bundle,
                                     const QString &imagesFolder)
    : m_context(context)
    , m_pictures(imagesFolder)
    , m_generics(std::move(bundle), m_pictures)
{}

void ContactCardWriter::parseContact(const ABPerson &person, QString &page, PictureSaving pictures)
{
    const QString name = cleanValue(makeDisplayName(person));
    page += u"\t<div class=\"card\" id=\"addressbook:" + person.uniqueId() + u"\">\n";
    appendPictureColumn(person, name, page, pictures);
    appendNameColumn(person, name, page);
    appendDataColumn(person, name, page);
    page += u"\t</div>\n";
}

void ContactCardWriter::handOverGenericPictures(std::function<void(const QString &fileName)> use)
{
    m_handOverGeneric = std::move(use);
}

void ContactCardWriter::appendPictureColumn(const ABPerson &person, const QString &name,
                                            QString &page, PictureSaving pictures)
{
    const std::optional<QString> reference
        = m_context.settings.includeImage ? pictureReference(person, pictures) : std::nullopt;
    if (!reference) {
        page += kEmptyPictureColumn;
        return;
    }
    page += u"\t\t<div class=\"imagecolumn\"><img class=\"contactimage\" src=\"" + *reference
        + u"\" alt=\"" + attributeForm(name) + u"\"></div>\n";
}

std::optional<QString> ContactCardWriter::pictureReference(const ABPerson &person,
                                                           PictureSaving pictures)
{
    const std::optional<QByteArray> bytes = person.imageData();
    if (!bytes)
        return genericPictureReference(person, pictures);
    const QString fileName = PictureFiles::contactFileName(person.uniqueId());
    if (pictures == PictureSaving::ReferenceOnly)
        return u"images/"_s + fileName;
    const PictureResult result = m_pictures.writeContactPicture(*bytes, fileName);
    if (!result.failure.isEmpty())
        systemLog(u"%1: %2"_s.arg(person.uniqueId(), result.failure));
    switch (result.shown) {
    case PictureResult::Shown::Own:
        return u"images/"_s + fileName;
    case PictureResult::Shown::Generic:
        return genericPictureReference(person, pictures);
    case PictureResult::Shown::None:
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> ContactCardWriter::genericPictureReference(const ABPerson &person,
                                                                  PictureSaving pictures)
{
    if (!m_context.settings.includeGenericImages)
        return std::nullopt;
    const bool company = isCompany(person);
    const QString fileName = company ? u"genericCompany.png"_s : u"genericPerson.png"_s;
    if (m_handOverGeneric)
        m_handOverGeneric(fileName);
    else
        m_generics.use(fileName, pictures == PictureSaving::Save);
    return GenericPictures::reference(fileName);
}

void ContactCardWriter::appendNameColumn(const ABPerson &person, const QString &name,
                                         QString &page) const
{
    const ExportSettings &settings = m_context.settings;
    page += u"\t\t<div class=\"namecolumn\">\n\t\t\t<div class=\"contactname\">" + name
        + u"</div>\n";
    if (settings.includeJobTitle) {
        if (const std::optional<QString> job = jobText(person))
            page += u"\t\t\t<div class=\"jobtitle\">" + cleanValue(*job) + u"</div>\n";
    }
    const QString organization
        = person.stringForProperty(kABOrganizationProperty).value_or(QString());
    if (settings.includeOrganization && !organization.isEmpty()) {
        if (const QString cleaned = cleanValue(organization); cleaned != name)
            page += u"\t\t\t<div class=\"organization\">" + cleaned + u"</div>\n";
    }
    page += u"\t\t</div>\n";
}

void ContactCardWriter::appendDataColumn(const ABPerson &person, const QString &name,
                                         QString &page) const
{
    page += u"\t\t<div class=\"datacolumn\">\n";
    bool isFirstDataGroup = true;
    static const QList<int> kNoOrder;
    const std::optional<QList<int>> &dataOrder = m_context.settings.dataOrder;
    for (const int id : dataOrder ? *dataOrder : kNoOrder) {
        const std::optional<DataKind> kind = dataKindFromId(id);
        if (kind && isIncluded(*kind, m_context.settings))
            isFirstDataGroup = writerFor(*kind)(person, name, page, isFirstDataGroup, m_context);
    }
    page += u"\t\t</div>\n";
}
