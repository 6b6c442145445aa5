#pragma once

#include <QString>

class QDateTime;

namespace pluginGui {

constexpr char DateFormat[] = "dd.MM.yyyy";
constexpr char TimeFormat[] = "hh:mm:ss";

// "(UTC)", "(UTC +3)", "(UTC -5)", "(UTC +5:30)": the offset of `dateTime` from UTC, minutes
// only when there are any.
QString UtcOffsetText(const QDateTime& dateTime);

// "05.03.2019 14:07:00 (UTC +3)" in English digits, whatever the user's locale; the time is
// shown as `dateTime` holds it, not converted.
QString DateTimeText(const QDateTime& dateTime);

} // namespace pluginGui
