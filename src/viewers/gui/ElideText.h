#pragma once

#include <QString>
#include <Qt>

class QFontMetrics;

namespace viewers::gui {

// Qt's elision of `text` to `width` pixels, except that a right-elided text ends one character
// earlier: the ellipsis then never touches the cell edge and the cut is visible as such.
QString ElideText(const QFontMetrics& metrics, Qt::TextElideMode mode, const QString& text, int width);

} // namespace viewers::gui
