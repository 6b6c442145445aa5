#include "UrlCatcher.h"

#include <QDesktopServices>

namespace test {

UrlCatcher::UrlCatcher()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
}

UrlCatcher::~UrlCatcher()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void UrlCatcher::Open(const QUrl& url)
{
    opened.append(url);
}

} // namespace test
