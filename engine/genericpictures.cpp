// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/genericpictures.h"

#include "util/systemlog.h"

using namespace Qt::StringLiterals;

GenericPictures::GenericPictures(Bundle bundle, PictureFiles files)
    : m_bundle(std::move(bundle))
    , m_files(std::move(files))
{}

void GenericPictures::use(const QString &fileName, bool save)
{
    if (!m_used.contains(fileName) && save) {
        const QString resource = m_bundle.resourcesPath() + u"/images/"_s + fileName;
        // The card still points at the picture, as a page whose folder is fixed later
        // would need it; the failure is logged, not hidden.
        if (const Expected<void> saved = m_files.writeGenericPicture(resource, fileName); !saved)
            systemLog(u"%1: %2"_s.arg(fileName, saved.error()));
    }
    m_used.insert(fileName);
}

QString GenericPictures::reference(const QString &fileName)
{
    return u"images/"_s + fileName;
}
