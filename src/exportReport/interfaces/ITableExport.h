#pragma once

#include <string>
#include <vector>

namespace exportReport {

// One table (a sheet) of the host's report. Cells are addressed by their column's caption; all
// texts are UTF-8. The slot order is part of the binary contract with the host.
class ITableExport {
public:
    virtual ~ITableExport() = default;

    // The table's name as the report holds it, which may be shorter than the one asked for.
    virtual std::string GetName() const = 0;
    virtual void AddColumn(const std::string& caption, double width) = 0;
    virtual int GetColumnCount() const = 0;
    virtual void BeginRow(double height) = 0;
    virtual void SetCell(const std::string& columnCaption, const std::string& text) = 0;
    virtual void SetNumberCell(const std::string& columnCaption, double value) = 0;
    virtual void SetLinkCell(const std::string& columnCaption, const std::string& target,
                             const std::string& text) = 0;
    // One cell of several lines.
    virtual void SetMultilineCell(const std::string& columnCaption, const std::vector<std::string>& lines) = 0;
    // Rows ended so far.
    virtual int GetRowCount() const = 0;
    virtual void AddEmptyRow() = 0;
    // A line below the rows, such as how many records were exported.
    virtual void AddSummary(const std::string& text) = 0;
    virtual void EndRow() = 0;
};

} // namespace exportReport
