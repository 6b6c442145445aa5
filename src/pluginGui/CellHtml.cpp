#include "CellHtml.h"

namespace pluginGui {

QString GrayHtml(const QString& html)
{
    return QStringLiteral("<font color=\"#808184\">%1</font>").arg(html);
}

QString ItalicHtml(const QString& html)
{
    return QStringLiteral("<i>%1</i>").arg(html);
}

} // namespace pluginGui
