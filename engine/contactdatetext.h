// SPDX-License-Identifier: GPL-3.0-or-later
// A contact's date as the page shows it: in the user's long date style, and without any
// year where the card stored none (rather than with an invented one), in the words of the
// page's language.
#pragma once

#include <QString>

class ContactDate;
class DateFormatSource;
class QLocale;
class QTimeZone;

/// timeZone is the system's, looked up once by the caller. Month and day names, and the
/// format where the user has none, are locale's.
[[nodiscard]] QString longDateString(const ContactDate &date, const DateFormatSource &formats,
                                     const QTimeZone &timeZone, const QLocale &locale);
