#include "LinkOpener.h"

#include <QDesktopServices>

namespace host::viewer {
namespace {

const char* const kSchemes[] = {"http", "https"};

} // namespace

LinkOpener::LinkOpener(QObject* parent)
    : QObject(parent)
{
    for (const char* scheme : kSchemes)
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "Open");
}

LinkOpener::~LinkOpener()
{
    for (const char* scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void LinkOpener::Open(const QUrl& url)
{
    // Steps aside for the platform's own launcher, which tells whether a browser took the link.
    QDesktopServices::unsetUrlHandler(url.scheme());
    const bool opened = QDesktopServices::openUrl(url);
    QDesktopServices::setUrlHandler(url.scheme(), this, "Open");
    if (!opened)
        emit OpenFailed(url);
}

} // namespace host::viewer
