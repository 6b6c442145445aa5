#pragma once

#include "XlsxFormats.h"

#include "exportReport/interfaces/ITableExport.h"

#include <map>
#include <string>

struct lxw_worksheet;

namespace host::xlsx {

// One worksheet: the column captions in the first row, one sheet row per table row, summary
// lines below the rows after a blank one. Failures of the workbook library, and cells of a
// column that was never added, throw std::runtime_error.
class XlsxTable final : public exportReport::ITableExport {
public:
    XlsxTable(lxw_worksheet* worksheet, std::string name, const XlsxFormats& formats);

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
    unsigned short Column(const std::string& caption) const;
    void WriteText(unsigned short column, const std::string& text);
    void Check(int error) const;

    lxw_worksheet* m_worksheet;
    std::string m_name;
    XlsxFormats m_formats;
    std::map<std::string, unsigned short> m_columns;
    unsigned m_row = 1; // the sheet row the next table row goes to, below the captions
    int m_rowCount = 0;
    bool m_summaryStarted = false;
};

} // namespace host::xlsx
