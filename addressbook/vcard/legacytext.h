// SPDX-License-Identifier: GPL-3.0-or-later
// Files whose text is not UTF-8 and does not say which character set it uses: older desktop
// clients and phones wrote the user's local code page (a Ukrainian book in windows-1251, a
// Japanese one in Shift_JIS). Only the lines that are not valid UTF-8 and name no CHARSET
// are concerned; ICU's detector guesses their set from their text, and when it has no clear
// answer they are read as Windows-1252, which maps every byte and is what such files most
// often are. Lines that are UTF-8, or name their set, are left for the reader as they are.
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
    /// The lowest ICU confidence (0 to 100) taken as an answer. Ukrainian in windows-1251
    /// scores under 20 (the detector knows Russian letters only); ICU gives 10 to sets that
    /// merely fit the bytes.
    static constexpr int kMinConfidence = 15;
    /// How far the best guess must lead the next one of another set.
    static constexpr int kMinLead = 5;

    /// data in UTF-8, when some of its lines are not UTF-8 and name no set; none otherwise.
    [[nodiscard]] static std::optional<LegacyText> decode(QByteArrayView data);

    [[nodiscard]] const QByteArray &utf8() const { return m_utf8; }
    /// One line for the file's diagnostics, naming the set assumed.
    [[nodiscard]] QString message() const;

private:
    QByteArray m_utf8;
    QByteArray m_charset;
    bool m_detected = false;
};
