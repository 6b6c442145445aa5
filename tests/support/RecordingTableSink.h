#pragma once

#include "exportReport/interfaces/IExportProgress.h"
#include "exportReport/interfaces/ITableExport.h"
#include "exportReport/interfaces/ITableExportFactory.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace test {

// A report table that keeps every call as one line: "column Date|30", "row 45",
// "cell Date=05.03.2019 ...", "link Location=https://...|50.4 30.5", "summary ...", "end".
class RecordingTable final : public exportReport::ITableExport {
public:
    explicit RecordingTable(std::string name);

    std::string GetName() const override { return m_name; }
    void AddColumn(const std::string& caption, double width) override;
    int GetColumnCount() const override { return captions.size(); }
    void BeginRow(double height) override;
    void SetCell(const std::string& columnCaption, const std::string& text) override;
    void SetNumberCell(const std::string& columnCaption, double value) override;
    void SetLinkCell(const std::string& columnCaption, const std::string& target, const std::string& text) override;
    void SetMultilineCell(const std::string& columnCaption, const std::vector<std::string>& lines) override;
    int GetRowCount() const override { return static_cast<int>(rows.size()); }
    void AddEmptyRow() override { calls << QStringLiteral("empty row"); }
    void AddSummary(const std::string& text) override;
    void EndRow() override;

    QStringList calls;
    QStringList captions;
    // Cells of each ended row, "caption=text" ("caption=target|text" for links), in call order.
    std::vector<QStringList> rows;
    QStringList summaries;

private:
    std::string m_name;
    QStringList m_openRow;
};

// Hands out recording tables. For the name in `failOn` CreateTable calls `failure`, or throws
// std::runtime_error "no table <name>" when none is set.
class RecordingTableFactory final : public exportReport::ITableExportFactory {
public:
    std::shared_ptr<exportReport::ITableExport> CreateTable(const std::string& name, int kind) override;

    QStringList Names() const;
    // The table of that name, or null.
    RecordingTable* Table(const QString& name) const;

    std::string failOn;
    std::function<void()> failure;
    std::vector<int> kinds;

private:
    std::vector<std::shared_ptr<RecordingTable>> m_tables;
};

// Keeps what a plug-in reports about a report export.
class RecordingProgress final : public exportReport::IExportProgress {
public:
    void SetCaption(const QString&) override {}
    bool IsCancelled() const override { return false; }
    std::uint64_t GetTotal() const override { return total; }
    void SetTotal(std::uint64_t newTotal) override { total = newTotal; }
    std::uint64_t GetCurrent() const override { return steps.empty() ? 0 : steps.back(); }
    void SetCurrent(std::uint64_t current) override { steps.push_back(current); }
    void AddFailedCategory(const QString& category) override { failedCategories << category; }

    std::uint64_t total = 0;
    std::vector<std::uint64_t> steps;
    QStringList failedCategories;
};

} // namespace test
