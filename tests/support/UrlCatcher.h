#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace test {

// Receives the https URLs that the desktop services would open in the browser, while it lives.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher();
    ~UrlCatcher() override;

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url);
};

} // namespace test
