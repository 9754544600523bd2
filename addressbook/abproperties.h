// SPDX-License-Identifier: GPL-3.0-or-later
// The names through which the program reads a contact: the properties of a person and of a
// group, the keys of a postal-address record and the labels of multi-value entries.
//
//   person.valueForProperty(kABFirstNameProperty).toString()
//   address.value(kABAddressCityKey).toString()
#pragma once

#include <QString>

#include <array>
#include <cstdint>

/// A property of a person or a group. Which kind of value each holds:
/// - text (QString): first, last, middle name, title, suffix, organization, job title,
///   department, note, and a group's name;
/// - integer (qint64): the person flags (low three bits 1 = shown as a company);
/// - date (ContactDate): the birthday;
/// - MultiValue of ContactDate: other dates;
/// - MultiValue of QString: phones, e-mails, web pages, related names and the five
///   messaging services;
/// - MultiValue of address records (QVariantMap, keys kABAddress...Key): postal addresses.
enum class ABProperty : std::uint8_t {
    FirstName,
    LastName,
    MiddleName,
    Title,
    Suffix,
    Organization,
    JobTitle,
    Department,
    PersonFlags,
    Note,
    Birthday,
    OtherDates,
    Phone,
    Email,
    URLs,
    RelatedNames,
    AIMInstant,
    ICQInstant,
    JabberInstant,
    MSNInstant,
    YahooInstant,
    Address,
    GroupName,
};

inline constexpr int kABPropertyCount = static_cast<int>(ABProperty::GroupName) + 1;

/// The text properties of a person, each kept in its own slot: its position here.
inline constexpr std::array kABPersonTextProperties{
    ABProperty::FirstName, ABProperty::LastName,   ABProperty::MiddleName,
    ABProperty::Title,     ABProperty::Suffix,     ABProperty::Organization,
    ABProperty::JobTitle,  ABProperty::Department, ABProperty::Note,
};

inline constexpr ABProperty kABFirstNameProperty = ABProperty::FirstName;
inline constexpr ABProperty kABLastNameProperty = ABProperty::LastName;
inline constexpr ABProperty kABMiddleNameProperty = ABProperty::MiddleName;
inline constexpr ABProperty kABTitleProperty = ABProperty::Title;
inline constexpr ABProperty kABSuffixProperty = ABProperty::Suffix;
inline constexpr ABProperty kABOrganizationProperty = ABProperty::Organization;
inline constexpr ABProperty kABJobTitleProperty = ABProperty::JobTitle;
inline constexpr ABProperty kABDepartmentProperty = ABProperty::Department;
inline constexpr ABProperty kABPersonFlags = ABProperty::PersonFlags;
inline constexpr ABProperty kABNoteProperty = ABProperty::Note;
inline constexpr ABProperty kABBirthdayProperty = ABProperty::Birthday;
inline constexpr ABProperty kABOtherDatesProperty = ABProperty::OtherDates;
inline constexpr ABProperty kABPhoneProperty = ABProperty::Phone;
inline constexpr ABProperty kABEmailProperty = ABProperty::Email;
inline constexpr ABProperty kABURLsProperty = ABProperty::URLs;
inline constexpr ABProperty kABRelatedNamesProperty = ABProperty::RelatedNames;
inline constexpr ABProperty kABAIMInstantProperty = ABProperty::AIMInstant;
inline constexpr ABProperty kABICQInstantProperty = ABProperty::ICQInstant;
inline constexpr ABProperty kABJabberInstantProperty = ABProperty::JabberInstant;
inline constexpr ABProperty kABMSNInstantProperty = ABProperty::MSNInstant;
inline constexpr ABProperty kABYahooInstantProperty = ABProperty::YahooInstant;
inline constexpr ABProperty kABAddressProperty = ABProperty::Address;
inline constexpr ABProperty kABGroupNameProperty = ABProperty::GroupName;

/// The value of kABPersonFlags, masked with kABShowAsMask, that marks a company.
inline constexpr qint64 kABShowAsMask = 7;
inline constexpr qint64 kABShowAsCompany = 1;

// Keys of an address record. Only keys with a non-empty value are present. There are
// kABAddressFieldCount of them; a person keeps them in this order.
inline constexpr std::size_t kABAddressFieldCount = 6;
inline const QString kABAddressStreetKey = QStringLiteral("street"); // lines split by "\n"
inline const QString kABAddressCityKey = QStringLiteral("city");
inline const QString kABAddressStateKey = QStringLiteral("state");
inline const QString kABAddressZIPKey = QStringLiteral("zip");
inline const QString kABAddressCountryKey = QStringLiteral("country");
inline const QString kABAddressCountryCodeKey = QStringLiteral("countryCode"); // "de", "us"
/// An address record's values in the order of its keys above; an empty view is a key not set.
using ABAddressFields = std::array<QStringView, kABAddressFieldCount>;

// Labels of multi-value entries. They are lower-case English texts, and keys of the "ui"
// table (marked for lupdate here); a label that a card spells itself (a custom label) is kept
// as written. ABLocalizedPropertyOrLabel shows them.
inline const QString kABHomeLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "home"));
inline const QString kABWorkLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "work"));
inline const QString kABOtherLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "other"));
inline const QString kABPhoneMobileLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "mobile"));
inline const QString kABPhoneIPhoneLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "iPhone"));
inline const QString kABPhoneMainLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "main"));
inline const QString kABPhoneHomeFAXLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "home fax"));
inline const QString kABPhoneWorkFAXLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "work fax"));
inline const QString kABPhoneOtherFAXLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "other fax"));
inline const QString kABPhonePagerLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "pager"));
inline const QString kABHomePageLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "home page"));
inline const QString kABAnniversaryLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "anniversary"));
inline const QString kABSpouseLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "spouse"));
inline const QString kABManagerLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "manager"));
inline const QString kABAssistantLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "assistant"));
// The relations other exporters write in their own form ("_$!<Sister>!$_").
inline const QString kABMotherLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "mother"));
inline const QString kABFatherLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "father"));
inline const QString kABParentLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "parent"));
inline const QString kABBrotherLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "brother"));
inline const QString kABSisterLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "sister"));
inline const QString kABChildLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "child"));
inline const QString kABFriendLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "friend"));
inline const QString kABPartnerLabel = QStringLiteral(QT_TRANSLATE_NOOP("ui", "partner"));
