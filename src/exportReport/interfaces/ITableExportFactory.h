#pragma once

#include <memory>
#include <string>

namespace exportReport {

class ITableExport;

// Makes the tables of the host's report.
class ITableExportFactory {
public:
    virtual ~ITableExportFactory() = default;

    // `kind` is the table layout; plug-ins ask for 1, a plain table with a caption row.
    virtual std::shared_ptr<ITableExport> CreateTable(const std::string& name, int kind) = 0;
};

} // namespace exportReport
