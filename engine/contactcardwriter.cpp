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

const QString emptyPictureColumn = u"\t\t<div class=\"imagecolumn\">&nbsp;</div>\n"_s;

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
    , m_bundle(std::move(bundle))
    , m_pictures(imagesFolder)
    , m_pictureJobs(m_pictures)
{}

void ContactCardWriter::parseContact(const ABPerson &person, QString &page, PictureSaving pictures)
{
    const QString name = cleanValue(makeNameFromPerson(person, m_context.settings).displayName);
    page += u"\t<div class=\"card\" id=\"addressbook:%1\">\n"_s.arg(person.uniqueId());
    appendPictureColumn(person, name, page, pictures);
    appendNameColumn(person, name, page);
    appendDataColumn(person, name, page);
    page += u"\t</div>\n"_s;
}

bool ContactCardWriter::preparePicture(const ABPerson &person)
{
    if (!m_context.settings.includeImage)
        return true;
    const std::optional<QByteArray> bytes = person.imageData();
    if (!bytes)
        return true;
    if (m_pictureJobs.full())
        return false;
    m_pictureJobs.start(person, *bytes, PictureFiles::contactFileName(person.uniqueId()));
    return true;
}

void ContactCardWriter::appendPictureColumn(const ABPerson &person, const QString &name,
                                            QString &page, PictureSaving pictures)
{
    const std::optional<QString> reference
        = m_context.settings.includeImage ? pictureReference(person, pictures) : std::nullopt;
    if (!reference) {
        page += emptyPictureColumn;
        return;
    }
    page += u"\t\t<div class=\"imagecolumn\"><img class=\"contactimage\" src=\"%1\" "
            "alt=\"%2\"></div>\n"_s.arg(*reference, attributeForm(name));
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
    const std::optional<PictureResult> prepared = m_pictureJobs.take(person);
    const PictureResult result
        = prepared ? *prepared : m_pictures.writeContactPicture(*bytes, fileName);
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
    bool &written = company ? m_wroteGenericCompanyJPG : m_wroteGenericPersonJPG;
    if (!written && pictures == PictureSaving::Save) {
        const QString resource = m_bundle.resourcesPath() + u"/images/"_s + fileName;
        // The card still points at the picture, as a page whose folder is fixed later
        // would need it; the failure is logged, not hidden.
        if (const Expected<void> saved = m_pictures.writeGenericPicture(resource, fileName); !saved)
            systemLog(u"%1: %2"_s.arg(fileName, saved.error()));
    }
    written = true;
    return u"images/"_s + fileName;
}

void ContactCardWriter::appendNameColumn(const ABPerson &person, const QString &name,
                                         QString &page) const
{
    const ExportSettings &settings = m_context.settings;
    page += u"\t\t<div class=\"namecolumn\">\n"_s;
    page += u"\t\t\t<div class=\"contactname\">%1</div>\n"_s.arg(name);
    if (settings.includeJobTitle) {
        if (const std::optional<QString> job = jobText(person))
            page += u"\t\t\t<div class=\"jobtitle\">%1</div>\n"_s.arg(cleanValue(*job));
    }
    const QString organization
        = person.stringForProperty(kABOrganizationProperty).value_or(QString());
    if (settings.includeOrganization && !organization.isEmpty() && cleanValue(organization) != name)
        page += u"\t\t\t<div class=\"organization\">%1</div>\n"_s.arg(cleanValue(organization));
    page += u"\t\t</div>\n"_s;
}

void ContactCardWriter::appendDataColumn(const ABPerson &person, const QString &name,
                                         QString &page) const
{
    page += u"\t\t<div class=\"datacolumn\">\n"_s;
    bool isFirstDataGroup = true;
    for (const int id : m_context.settings.dataOrder.value_or(QList<int>())) {
        const std::optional<DataKind> kind = dataKindFromId(id);
        if (kind && isIncluded(*kind, m_context.settings))
            isFirstDataGroup = writerFor(*kind)(person, name, page, isFirstDataGroup, m_context);
    }
    page += u"\t\t</div>\n"_s;
}
