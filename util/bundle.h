// SPDX-License-Identifier: GPL-3.0-or-later
// The application bundle: Vorlin.app/Contents with Info.plist, MacOS/ (the executables) and
// Resources/. A program finds its own bundle from its executable's path, so the build tree,
// an installed copy and a moved copy all work alike; tests name theirs.
#pragma once

#include <QString>

#include <optional>

class Bundle final
{
public:
    /// The bundle of the running program: the Contents folder above the folder of its
    /// executable, links resolved.
    [[nodiscard]] static Bundle main();

    explicit Bundle(const QString &contentsPath);

    [[nodiscard]] QString contentsPath() const { return m_contentsPath; }
    [[nodiscard]] QString infoPlistPath() const;
    [[nodiscard]] QString executablesPath() const;
    [[nodiscard]] QString resourcesPath() const;

    /// Resources/<name>.<type> when that file exists.
    [[nodiscard]] std::optional<QString> pathForResource(const QString &name,
                                                         const QString &type) const;
    /// MacOS/<name> when that file exists and is executable.
    [[nodiscard]] std::optional<QString> pathForAuxiliaryExecutable(const QString &name) const;

private:
    QString m_contentsPath;
};
