#pragma once

#include "XlsxFormats.h"

#include "exportReport/interfaces/ITableExport.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

struct lxw_worksheet;

namespace host::xlsx {

// What one worksheet can hold; the defaults are the file format's and the workbook library's.
struct SheetLimits {
    unsigned rows = 1048576; // the captions row included
    unsigned links = 65530;
};

// A worksheet added for a table, with the name it got.
struct Sheet {
    lxw_worksheet* worksheet = nullptr;
    std::string name;
};

// Adds a worksheet asked for as `wantedName`; throws std::runtime_error when it cannot.
using SheetSource = std::function<Sheet(const std::string& wantedName)>;

// One table: the column captions in the first row, one sheet row per table row, summary lines
// below the rows after a blank one. A table longer than a sheet goes on in continuation sheets
// "<name> (2)", "<name> (3)", ..., each with the captions again; links past a sheet's limit are
// written as their text. Failures of the workbook library, and cells of a column that was never
// added, throw std::runtime_error.
class XlsxTable final : public exportReport::ITableExport {
public:
    XlsxTable(SheetSource addSheet, const std::string& wantedName, const XlsxFormats& formats,
              SheetLimits limits = {});

    std::string GetName() const override;
    void AddColumn(const std::string& caption, double width) override;
    int GetColumnCount() const override;
    void BeginRow(double height) override;
    void SetCell(const std::string& columnCaption, const std::string& text) override;
    void SetNumberCell(const std::string& columnCaption, double value) override;
    void SetLinkCell(const std::string& columnCaption, const std::string& target, const std::string& text) override;
    void SetMultilineCell(const std::string& columnCaption, const std::vector<std::string>& lines) override;
    int GetRowCount() const override;
    void AddEmptyRow() override;
    void AddSummary(const std::string& text) override;
    void EndRow() override;

private:
    struct Column {
        std::string caption;
        double width;
    };

    void WriteColumnCaption(unsigned short column);
    void ContinueWhenFull();
    void StartSheet(Sheet sheet);
    unsigned short ColumnOf(const std::string& caption) const;
    void WriteText(unsigned short column, const std::string& text);
    void Check(int error) const;

    SheetSource m_addSheet;
    XlsxFormats m_formats;
    SheetLimits m_limits;
    std::string m_name;
    Sheet m_sheet; // the one rows go to now
    int m_sheetCount = 1;
    std::vector<Column> m_columns;
    std::map<std::string, unsigned short> m_columnIndex;
    unsigned m_row = 1; // the sheet row the next table row goes to, below the captions
    unsigned m_sheetLinks = 0;
    int m_rowCount = 0;
    bool m_summaryStarted = false;
};

} // namespace host::xlsx
