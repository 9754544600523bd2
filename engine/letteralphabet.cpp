// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/letteralphabet.h"

#include "util/systemlog.h"

#include <unicode/alphaindex.h>
#include <unicode/locid.h>

using namespace Qt::StringLiterals;

struct LetterAlphabet::Index
{
    // ICU's immutable index is the thread-safe one: the card workers' filing reads it at once.
    std::unique_ptr<icu::AlphabeticIndex::ImmutableIndex> buckets;
};

namespace {

std::unique_ptr<icu::AlphabeticIndex::ImmutableIndex> buildIndex(const QString &languageCode)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = icu::Locale::forLanguageTag(languageCode.toStdString(), status);
    icu::AlphabeticIndex index(locale, status);
    // Names in Latin letters get their letter in every alphabet, not the place of strangers.
    index.addLabels(icu::Locale::getEnglish(), status);
    std::unique_ptr<icu::AlphabeticIndex::ImmutableIndex> built(index.buildImmutableIndex(status));
    if (U_FAILURE(status)) {
        systemLog(
            u"The letters of \"%1\" are not known (%2); every name is filed under \"*\"."_s.arg(
                languageCode, QString::fromLatin1(u_errorName(status))));
        return nullptr;
    }
    return built;
}

} // namespace

LetterAlphabet::LetterAlphabet(const QString &languageCode)
    : m_index(std::make_unique<Index>(Index{buildIndex(languageCode)}))
{}

LetterAlphabet::~LetterAlphabet() = default;

int LetterAlphabet::placeCount() const
{
    return m_index->buckets ? m_index->buckets->getBucketCount() : 0;
}

QString LetterAlphabet::letter(int place) const
{
    const icu::UnicodeString &label = m_index->buckets->getBucket(place)->getLabel();
    return QString::fromUtf16(label.getBuffer(), label.length());
}

std::optional<int> LetterAlphabet::letterOf(const QString &name) const
{
    if (!m_index->buckets)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    // Read in place: the name is not copied.
    const icu::UnicodeString text(false, QStringView(name).utf16(),
                                  static_cast<int32_t>(name.size()));
    const int32_t place = m_index->buckets->getBucketIndex(text, status);
    if (U_FAILURE(status)
        || m_index->buckets->getBucket(place)->getLabelType() != U_ALPHAINDEX_NORMAL)
        return std::nullopt;
    return place;
}
