#pragma once

#include <QString>

class QFont;

namespace pluginGui {

// The date in grey, the time, and the zone text small and lighter; "No date is found" when
// there is neither date nor time.
QString DateTimeHtml(const QString& date, const QString& time, const QString& zone);

// DateTimeHtml of what fits `width` pixels in `font`: first the zone is cut, then it is dropped
// and the time cut, at last only the cut date remains.
QString FitDateTime(const QString& date, const QString& time, const QString& zone, const QFont& font, int width);

} // namespace pluginGui
