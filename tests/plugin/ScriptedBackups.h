#pragma once

#include "appleMaps/AppleMapsPlugIn.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

namespace test {

// What a backup of the test parser holds and how its parser behaves.
struct ScriptedBackup {
    std::uint64_t size = 0;
    std::function<void(appleMaps::AppleMapsRecords&)> fill;
    // Thrown from the size query when set.
    std::function<void()> sizeFailure;
    // Thrown from Parse when set.
    std::function<void()> parseFailure;
    int parseCalls = 0;
};

// Backups by descriptor path; the plug-in below gets a parser only for the paths listed here.
using ScriptedBackups = std::map<QString, std::shared_ptr<ScriptedBackup>>;

// The real plug-in object whose parser factories read scripted backups instead of databases.
class ScriptedPlugIn : public appleMaps::AppleMapsPlugIn {
public:
    explicit ScriptedPlugIn(ScriptedBackups backups);

protected:
    appleMaps::AppleMapsParserFactories CreateParserFactories(const QString& path) const override;

private:
    ScriptedBackups m_backups;
};

} // namespace test
