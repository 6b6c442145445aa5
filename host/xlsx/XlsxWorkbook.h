#pragma once

#include "XlsxFormats.h"
#include "XlsxTable.h"

#include "exportReport/interfaces/ITableExportFactory.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string>

struct lxw_workbook;

namespace host::xlsx {

// An xlsx report: one worksheet per table the plug-ins ask for. Nothing reaches the disk before
// Close; the tables handed out must not be used after it.
class XlsxWorkbook final : public exportReport::ITableExportFactory {
public:
    // Throws std::runtime_error when the workbook cannot be set up.
    explicit XlsxWorkbook(const QString& path, SheetLimits limits = {});
    // Discards a workbook that was not closed.
    ~XlsxWorkbook() override;

    XlsxWorkbook(const XlsxWorkbook&) = delete;
    XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

    // The sheet's name is `name` made acceptable to the workbook (see MakeSheetName). Rows go
    // through to temporary files as they come: a table's columns are added before its rows, and
    // its rows are written in order.
    std::shared_ptr<exportReport::ITableExport> CreateTable(const std::string& name, int kind) override;

    // Writes the file and puts it on disk; a workbook without tables gets one empty sheet. Throws
    // std::runtime_error with the reason, leaving no partial file, when it cannot be written.
    void Close();

    QStringList SheetNames() const { return m_sheetNames; }

private:
    Sheet AddSheet(const std::string& wantedName);

    lxw_workbook* m_workbook;
    SheetLimits m_limits;
    QString m_path;
    XlsxFormats m_formats;
    QStringList m_sheetNames;
};

} // namespace host::xlsx
