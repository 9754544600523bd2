// SPDX-License-Identifier: GPL-3.0-or-later
// A two-way conversion between a stored setting and what a control shows, looked up by name
// in a registry that lives as long as the process.
#pragma once

#include <QString>
#include <QVariant>

#include <memory>

class ValueTransformer
{
public:
    virtual ~ValueTransformer() = default;

    [[nodiscard]] virtual QVariant transformedValue(const QVariant &value) const = 0;
    [[nodiscard]] virtual bool allowsReverseTransformation() const = 0;
    [[nodiscard]] virtual QVariant reverseTransformedValue(const QVariant &value) const = 0;

    /// Keeps transformer under name; a later transformer of the same name replaces it.
    static void setValueTransformer(const std::shared_ptr<const ValueTransformer> &transformer,
                                    const QString &name);
    /// The transformer registered under name, or null.
    [[nodiscard]] static std::shared_ptr<const ValueTransformer>
    valueTransformerForName(const QString &name);

protected:
    ValueTransformer() = default;
    ValueTransformer(const ValueTransformer &) = default;
    ValueTransformer &operator=(const ValueTransformer &) = default;
};

/// Shows an absent value as the empty string and stores an emptied field as "" (never as
/// absent), so a cleared link scheme stays cleared instead of its default coming back.
class QEV_NilToBlankStringTransformer final : public ValueTransformer
{
public:
    [[nodiscard]] QVariant transformedValue(const QVariant &value) const override;
    [[nodiscard]] bool allowsReverseTransformation() const override { return true; }
    [[nodiscard]] QVariant reverseTransformedValue(const QVariant &value) const override;
};
