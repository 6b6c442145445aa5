#pragma once

#include <QObject>
#include <QUrl>

namespace host::viewer {

// Opens the web links that pages ask the desktop to open (map links) in the system's browser,
// and names the link in OpenFailed where no browser could take it, so that it is not lost.
// While it lives it handles the "http" and "https" links of the whole application.
class LinkOpener final : public QObject {
    Q_OBJECT

public:
    explicit LinkOpener(QObject* parent = nullptr);
    ~LinkOpener() override;

public slots:
    // The desktop services call it by name.
    void Open(const QUrl& url);

signals:
    void OpenFailed(QUrl url);
};

} // namespace host::viewer
