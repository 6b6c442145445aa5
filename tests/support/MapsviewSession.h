#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

class QProcess;

namespace test {

struct MapsviewRun {
    bool finished = false;
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
};

// Runs the built `mapsview` as a user would, with "appdata" and the temporary folder pointing
// into folders of this session, so that settings, the log and private copies stay out of the
// user's way and what is left behind can be checked.
class MapsviewSession final {
public:
    bool IsValid() const { return m_appData.isValid() && m_temp.isValid(); }
    // `environment` holds "NAME=value" entries set for this run only.
    MapsviewRun Run(const QStringList& arguments, const QStringList& environment = {}) const;
    // Starts a run that the caller waits for or ends.
    void Start(QProcess& process, const QStringList& arguments, const QStringList& environment = {}) const;
    QString AppDataPath() const { return m_appData.path(); }
    QString TemporaryPath() const { return m_temp.path(); }
    // Files and folders left in the session's temporary folder.
    QStringList TemporaryLeftovers() const;

private:
    QTemporaryDir m_appData;
    QTemporaryDir m_temp;
};

} // namespace test
