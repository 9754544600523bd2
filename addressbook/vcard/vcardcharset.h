// SPDX-License-Identifier: GPL-3.0-or-later
// Files that are neither UTF-8 nor say which character set they use: older desktop clients
// and phones wrote the user's local code page (a Ukrainian book in windows-1251, a Japanese
// one in Shift_JIS). ICU's detector guesses the set from the text of the lines that hold
// 8-bit bytes; when it has no clear answer the file is read as Windows-1252, which maps
// every byte and is what such files most often are.
//
//   if (const std::optional<LegacyText> legacy = LegacyText::decode(bytes))
//       diagnostics.report(legacy->message());
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

class LegacyText final
{
public:
    /// The lowest ICU confidence (0 to 100) taken as an answer: Ukrainian in windows-1251
    /// scores about 20, since the detector knows Russian letters only; guesses below are
    /// noise.
    static constexpr int kMinConfidence = 20;
    /// How far the best guess must lead the next one of another set.
    static constexpr int kMinLead = 10;

    /// data in UTF-8, when it is not valid UTF-8 and declares no CHARSET on any line;
    /// none otherwise (the lines are then decoded one by one as they say).
    [[nodiscard]] static std::optional<LegacyText> decode(QByteArrayView data);
    /// The name of the set the detector finds in data, or none when it is not confident.
    [[nodiscard]] static std::optional<QByteArray> detect(QByteArrayView data);

    [[nodiscard]] const QByteArray &utf8() const { return m_utf8; }
    [[nodiscard]] const QByteArray &charset() const { return m_charset; }
    /// One line for the file's diagnostics, naming the set assumed.
    [[nodiscard]] QString message() const;

private:
    QByteArray m_utf8;
    QByteArray m_charset;
    bool m_detected = false;
};
