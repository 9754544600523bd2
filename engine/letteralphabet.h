// SPDX-License-Identifier: GPL-3.0-or-later
// The letters a language files names under, in its own order, as its readers look a name up:
// ICU's alphabetic index for the language (Russian А to Я, Swedish A to Z then Å Ä Ö,
// German Ä within A, Japanese by kana row, Chinese by the pinyin initial), with A to Z added
// for names in Latin letters. Safe to share between threads once made.
//
//   const LetterAlphabet russian(u"ru"_s);
//   russian.letter(*russian.letterOf(u"Борис"_s)); // "Б"
#pragma once

#include <QString>

#include <memory>
#include <optional>

class LetterAlphabet final
{
public:
    /// The alphabet of the language with that BCP 47 code ("ru", "pt-BR"); for a code ICU
    /// has no index for, its root index: A to Z.
    explicit LetterAlphabet(const QString &languageCode);
    ~LetterAlphabet();
    LetterAlphabet(const LetterAlphabet &) = delete;
    LetterAlphabet &operator=(const LetterAlphabet &) = delete;

    /// How many places there are, letters and places for the names of no letter.
    [[nodiscard]] int placeCount() const;
    /// The letter of a place, as the index shows it ("Б", "か").
    [[nodiscard]] QString letter(int place) const;
    /// The place of the letter name is filed under; none for a name before, between or
    /// after the letters (another script, a sign).
    [[nodiscard]] std::optional<int> letterOf(const QString &name) const;

private:
    struct Index;
    std::unique_ptr<Index> m_index;
};
