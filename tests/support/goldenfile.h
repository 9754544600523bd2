// SPDX-License-Identifier: GPL-3.0-or-later
// Compares a produced text with its golden file line by line and names the first line that
// differs. With VORLIN_RENEW_GOLDEN set (scripts/renew-golden) it writes the golden file
// instead, for after an intended change.
//
//   EXPECT_TRUE(matchesGoldenFile(page, goldenDir + u"/demo.html.ref"_s));
#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

inline testing::AssertionResult renewGoldenFile(const QString &text, const QString &path)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return testing::AssertionFailure() << path.toStdString() << ": cannot be written ("
                                           << file.errorString().toStdString() << ")";
    return testing::AssertionSuccess() << path.toStdString() << " renewed";
}

inline testing::AssertionResult matchesGoldenFile(const QString &text, const QString &path)
{
    if (qEnvironmentVariableIsSet("VORLIN_RENEW_GOLDEN"))
        return renewGoldenFile(text, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return testing::AssertionFailure()
            << path.toStdString() << ": cannot be read; scripts/renew-golden makes it";
    const QStringList expected = QString::fromUtf8(file.readAll()).split(u'\n');
    const QStringList actual = text.split(u'\n');
    const qsizetype lines = std::max(expected.size(), actual.size());
    for (qsizetype i = 0; i < lines; ++i) {
        const QString want = i < expected.size() ? expected[i] : QStringLiteral("<end of file>");
        const QString got = i < actual.size() ? actual[i] : QStringLiteral("<end of file>");
        if (want != got)
            return testing::AssertionFailure()
                << path.toStdString() << ":" << i + 1 << ": first differing line\n"
                << "  expected: " << want.toStdString() << "\n"
                << "  actual:   " << got.toStdString() << "\n"
                << "After an intended change, renew the golden files with scripts/renew-golden.";
    }
    return testing::AssertionSuccess();
}
