// SPDX-License-Identifier: GPL-3.0-or-later
// Shows a setting that holds one of two words as a check box: ticked for the one, unticked
// for the other (and for anything else stored), and stores the word again when ticked or not.
//
//   ValueTransformer::setValueTransformer(
//       std::make_shared<StringSwitchTransformer>(u"locale"_s, u"latin"_s), u"LetterIndex"_s);
#pragma once

#include "settings/valuetransformer.h"

class StringSwitchTransformer final : public ValueTransformer
{
public:
    StringSwitchTransformer(QString onValue, QString offValue);

    [[nodiscard]] QVariant transformedValue(const QVariant &value) const override;
    [[nodiscard]] bool allowsReverseTransformation() const override { return true; }
    [[nodiscard]] QVariant reverseTransformedValue(const QVariant &value) const override;

private:
    QString m_onValue;
    QString m_offValue;
};
