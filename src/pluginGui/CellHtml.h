#pragma once

#include <QString>

namespace pluginGui {

// The grey of cells that show a placeholder rather than a value.
QString GrayHtml(const QString& html);
QString ItalicHtml(const QString& html);

} // namespace pluginGui
