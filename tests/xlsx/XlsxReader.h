#pragma once

#include "ZipArchive.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace test {

// The parts of an xlsx workbook the tests check, read straight from its XML members.
class XlsxReader {
public:
    explicit XlsxReader(const QString& path);

    bool IsValid() const { return m_archive.IsValid(); }
    QStringList SheetNames() const;

    // Cells by reference ("A1"), their text as shown: shared strings resolved.
    QMap<QString, QString> Cells(int sheet) const;
    // Link targets by cell reference.
    QMap<QString, QString> Links(int sheet) const;
    // Row heights by 1-based row number; only rows with a height of their own.
    QMap<int, double> RowHeights(int sheet) const;
    // Widths by 1-based column number.
    QMap<int, double> ColumnWidths(int sheet) const;

private:
    QByteArray Sheet(int sheet) const;
    QStringList SharedStrings() const;

    ZipArchive m_archive;
};

} // namespace test
