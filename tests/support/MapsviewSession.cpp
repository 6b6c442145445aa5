#include "MapsviewSession.h"

#include "FileContents.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace test {
namespace {

constexpr int kTimeoutMilliseconds = 180000;

} // namespace

void MapsviewSession::Start(QProcess& process, const QStringList& arguments, const QStringList& variables) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("appdata"), m_appData.path());
    environment.insert(QStringLiteral("TMPDIR"), m_temp.path());
    // Qt makes a runtime folder in the temporary folder when none is named.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_appData.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const QString& variable : variables)
        environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(MAPS_MAPSVIEW), arguments);
}

MapsviewRun MapsviewSession::Run(const QStringList& arguments, const QStringList& variables) const
{
    QProcess process;
    Start(process, arguments, variables);
    MapsviewRun run;
    run.finished = process.waitForFinished(kTimeoutMilliseconds) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.standardOutput = process.readAllStandardOutput();
    run.standardError = process.readAllStandardError();
    return run;
}

QStringList MapsviewSession::TemporaryLeftovers() const
{
    return FolderEntries(m_temp.path());
}

} // namespace test
