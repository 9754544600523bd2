// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/contactcardwriter.h"

#include "addressbook/abperson.h"
#include "engine/datagroups.h"
#include "engine/htmltext.h"
#include "engine/namerecord.h"
#include "settings/exportsettings.h"
#include "util/systemlog.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

const QString emptyPictureColumn = u"\t\t<div class=\"imagecolumn\">&nbsp;</div>\n"_s;

struct DataKindWriter
{
    bool (*included)(const ExportSettings &settings);
    DataGroupWriter writer;
};

// Indexed by the numbers "dataOrder" stores.
const std::array<DataKindWriter, 8> dataKindWriters{{
    {[](const ExportSettings &s) { return s.includePhone; }, addPhones},
    {[](const ExportSettings &s) { return s.includeEmail; }, addEmail},
    {[](const ExportSettings &s) { return s.includeWeb; }, addWeb},
    {[](const ExportSettings &s) { return s.includeDate; }, addDates},
    {[](const ExportSettings &s) { return s.includeRelatedName; }, addRelatedNames},
    {[](const ExportSettings &s) {
         return s.includeInstantMessaging
             && (s.includeAIM || s.includeYahoo || s.includeICQ || s.includeMSN || s.includeJabber);
     },
     addInstantMessages},
    {[](const ExportSettings &s) { return s.includePostal; }, addPostals},
    {[](const ExportSettings &s) { return s.includeNote; }, addNote},
}};

bool isCompany(const ABPerson &person)
{
    return (person.valueForProperty(kABPersonFlags).toLongLong() & kABShowAsMask)
        == kABShowAsCompany;
}

std::optional<QString> jobText(const ABPerson &person)
{
    const std::optional<QString> title = person.stringForProperty(kABJobTitleProperty);
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

void ContactCardWriter::parseContact(const ABPerson &person, QString &page, bool saveImage)
{
    const QString name = cleanValue(makeNameFromPerson(person, m_context.settings).displayName);
    page += u"\t<div class=\"card\" id=\"addressbook:%1\">\n"_s.arg(person.uniqueId());
    appendPictureColumn(person, name, page, saveImage);
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
                                            QString &page, bool saveImage)
{
    const std::optional<QString> reference
        = m_context.settings.includeImage ? pictureReference(person, saveImage) : std::nullopt;
    if (!reference) {
        page += emptyPictureColumn;
        return;
    }
    page += u"\t\t<div class=\"imagecolumn\"><img class=\"contactimage\" src=\"%1\" "
            "alt=\"%2\"></div>\n"_s.arg(*reference, attributeForm(name));
}

std::optional<QString> ContactCardWriter::pictureReference(const ABPerson &person, bool saveImage)
{
    const std::optional<QByteArray> bytes = person.imageData();
    if (!bytes)
        return genericPictureReference(person, saveImage);
    const QString fileName = PictureFiles::contactFileName(person.uniqueId());
    if (saveImage) {
        const std::optional<PictureError> prepared = m_pictureJobs.take(person);
        if (const PictureError error
            = prepared ? *prepared : m_pictures.writeContactPicture(*bytes, fileName)) {
            systemLog(u"%1: %2"_s.arg(person.uniqueId(), *error));
            return std::nullopt;
        }
    }
    return u"images/"_s + fileName;
}

std::optional<QString> ContactCardWriter::genericPictureReference(const ABPerson &person,
                                                                  bool saveImage)
{
    if (!m_context.settings.includeGenericImages)
        return std::nullopt;
    const bool company = isCompany(person);
    const QString fileName = company ? u"genericCompany.png"_s : u"genericPerson.png"_s;
    bool &written = company ? m_wroteGenericCompanyJPG : m_wroteGenericPersonJPG;
    if (!written && saveImage) {
        const QString resource = m_bundle.resourcesPath() + u"/images/"_s + fileName;
        // The card still points at the picture, as a page whose folder is fixed later
        // would need it; the failure is logged, not hidden.
        if (const PictureError error = m_pictures.writeGenericPicture(resource, fileName))
            systemLog(u"%1: %2"_s.arg(fileName, *error));
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
    for (const int kind : m_context.settings.dataOrder.value_or(QList<int>())) {
        if (kind < 0 || kind >= static_cast<int>(dataKindWriters.size()))
            continue;
        const DataKindWriter &entry = dataKindWriters[static_cast<std::size_t>(kind)];
        if (entry.included(m_context.settings))
            isFirstDataGroup = entry.writer(person, name, page, isFirstDataGroup, m_context);
    }
    page += u"\t\t</div>\n"_s;
}
