// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settingsbinder.h"

#include "settings/preferencesstore.h"
#include "settings/valuetransformer.h"
#include "util/systemlog.h"

#include <QLineEdit>
#include <QMetaMethod>
#include <QWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kValuesPrefix = u"values."_s;

std::optional<QString> keyOfPath(const QString &keyPath)
{
    if (!keyPath.startsWith(kValuesPrefix) || keyPath.size() == kValuesPrefix.size()) {
        systemLog(
            u"SettingsBinder: \"%1\" is not a key path of the form values.<key>"_s.arg(keyPath));
        return std::nullopt;
    }
    return keyPath.mid(kValuesPrefix.size());
}

} // namespace

SettingsBinder::SettingsBinder(PreferencesStore &store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{
    connect(&store, &PreferencesStore::valueChanged, this, &SettingsBinder::onValueChanged);
}

bool SettingsBinder::bindValue(QWidget *widget, const QString &keyPath,
                               const ValueBindingOptions &options)
{
    const std::optional<QString> key = keyOfPath(keyPath);
    if (!key)
        return false;
    const QMetaProperty property = widget->metaObject()->userProperty();
    if (!property.isValid() || !property.hasNotifySignal()) {
        systemLog(
            u"SettingsBinder: %1 has no value to bind to %2"_s.arg(widget->objectName(), keyPath));
        return false;
    }
    std::shared_ptr<const ValueTransformer> transformer;
    if (!options.transformerName.isEmpty()) {
        transformer = ValueTransformer::valueTransformerForName(options.transformerName);
        if (!transformer)
            systemLog(
                u"SettingsBinder: no value transformer named %1"_s.arg(options.transformerName));
    }
    if (m_values.contains(widget))
        disconnect(widget, nullptr, this, nullptr);
    m_values.insert(widget, {widget, property, *key, transformer});
    if (!options.nullPlaceholder.isEmpty())
        widget->setProperty("placeholderText", options.nullPlaceholder);
    watchDestruction(widget);

    // A line edit stores when editing ends unless it is continuous; every other control
    // stores on each change of its value.
    auto *lineEdit = qobject_cast<QLineEdit *>(widget);
    if (lineEdit && !options.continuous)
        connect(lineEdit, &QLineEdit::editingFinished, this,
                [this, lineEdit] { storeValue(lineEdit); });
    else if (lineEdit)
        connect(lineEdit, &QLineEdit::textEdited, this, [this, lineEdit] { storeValue(lineEdit); });
    else
        connect(widget, property.notifySignal(), this,
                metaObject()->method(metaObject()->indexOfSlot("storeFromSender()")));
    showValue(m_values.value(widget));
    return true;
}

bool SettingsBinder::bindEnabled(QWidget *widget, const QString &keyPath)
{
    const std::optional<QString> key = keyOfPath(keyPath);
    if (!key)
        return false;
    EnabledBinding &binding = m_enabled[widget];
    binding.widget = widget;
    binding.keys.append(*key);
    watchDestruction(widget);
    updateEnabled(binding);
    return true;
}

void SettingsBinder::onValueChanged(const QString &key)
{
    for (const ValueBinding &binding : std::as_const(m_values)) {
        if (binding.key == key && binding.widget != m_storing)
            showValue(binding);
    }
    for (const EnabledBinding &binding : std::as_const(m_enabled)) {
        if (binding.keys.contains(key))
            updateEnabled(binding);
    }
}

void SettingsBinder::showValue(const ValueBinding &binding)
{
    QVariant value = m_store.objectForKey(binding.key);
    if (binding.transformer)
        value = binding.transformer->transformedValue(value);
    // Writing an equal value back would move a text cursor or re-announce a toggle.
    if (binding.property.read(binding.widget) == value)
        return;
    m_showing = true;
    binding.property.write(binding.widget, value);
    m_showing = false;
}

void SettingsBinder::storeFromSender()
{
    if (auto *widget = qobject_cast<QWidget *>(sender()))
        storeValue(widget);
}

void SettingsBinder::storeValue(const QWidget *widget)
{
    const auto found = m_values.constFind(widget);
    if (m_showing || found == m_values.cend())
        return;
    QVariant value = found->property.read(widget);
    if (found->transformer && found->transformer->allowsReverseTransformation())
        value = found->transformer->reverseTransformedValue(value);
    m_storing = widget;
    m_store.updateValue(value, found->key);
    m_storing = nullptr;
}

void SettingsBinder::updateEnabled(const EnabledBinding &binding)
{
    const bool enabled
        = std::all_of(binding.keys.cbegin(), binding.keys.cend(),
                      [this](const QString &key) { return m_store.objectForKey(key).toBool(); });
    binding.widget->setEnabled(enabled);
}

void SettingsBinder::forget(QObject *widget)
{
    m_values.remove(widget);
    m_enabled.remove(widget);
}

void SettingsBinder::watchDestruction(QWidget *widget)
{
    connect(widget, &QObject::destroyed, this, &SettingsBinder::forget, Qt::UniqueConnection);
}
