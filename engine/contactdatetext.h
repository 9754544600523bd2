// SPDX-License-Identifier: GPL-3.0-or-later
// A contact's date as the page shows it: in the user's long date style, and without any
// year where the card stored none (rather than with an invented one).
#pragma once

#include <QString>

class ContactDate;
class DateFormatSource;
class QTimeZone;

/// timeZone is the system's, looked up once by the caller.
[[nodiscard]] QString longDateString(const ContactDate &date, const DateFormatSource &formats,
                                     const QTimeZone &timeZone);
