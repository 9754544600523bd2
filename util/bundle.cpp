// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/bundle.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

Bundle Bundle::main()
{
    const QFileInfo executable(QFileInfo(u"/proc/self/exe"_s).canonicalFilePath());
    return Bundle(QFileInfo(executable.absolutePath()).absolutePath());
}

Bundle::Bundle(const QString &contentsPath)
    : m_contentsPath(QDir::cleanPath(contentsPath))
{}

QString Bundle::infoPlistPath() const
{
    return m_contentsPath + u"/Info.plist";
}

QString Bundle::executablesPath() const
{
    return m_contentsPath + u"/MacOS";
}

QString Bundle::resourcesPath() const
{
    return m_contentsPath + u"/Resources";
}

std::optional<QString> Bundle::pathForResource(const QString &name, const QString &type) const
{
    const QString path = resourcesPath() + u'/' + name + u'.' + type;
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    return path;
}

std::optional<QString> Bundle::pathForAuxiliaryExecutable(const QString &name) const
{
    const QFileInfo file(executablesPath() + u'/' + name);
    if (!file.isFile() || !file.isExecutable())
        return std::nullopt;
    return file.absoluteFilePath();
}
