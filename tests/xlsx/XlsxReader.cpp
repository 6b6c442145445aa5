#include "XlsxReader.h"

#include <QXmlStreamReader>

namespace test {
namespace {

QString Attribute(const QXmlStreamReader& reader, const char* name)
{
    return reader.attributes().value(QLatin1String(name)).toString();
}

} // namespace

XlsxReader::XlsxReader(const QString& path)
    : m_archive(path)
{
}

QStringList XlsxReader::SheetNames() const
{
    QStringList names;
    QXmlStreamReader reader(m_archive.Member(QStringLiteral("xl/workbook.xml")));
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("sheet"))
            names << Attribute(reader, "name");
    }
    return names;
}

QByteArray XlsxReader::Sheet(int sheet) const
{
    return m_archive.Member(QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet));
}

QStringList XlsxReader::SharedStrings() const
{
    QStringList strings;
    QXmlStreamReader reader(m_archive.Member(QStringLiteral("xl/sharedStrings.xml")));
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("si"))
            strings << QString();
        else if (reader.isStartElement() && reader.name() == QLatin1String("t") && !strings.isEmpty())
            strings.last() += reader.readElementText();
    }
    return strings;
}

QMap<QString, QString> XlsxReader::Cells(int sheet) const
{
    const QStringList strings = SharedStrings();
    QMap<QString, QString> cells;
    QXmlStreamReader reader(Sheet(sheet));
    QString reference;
    QString type;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("c")) {
            reference = Attribute(reader, "r");
            type = Attribute(reader, "t");
            cells[reference];
        } else if (reader.name() == QLatin1String("v")) {
            const QString value = reader.readElementText();
            cells[reference] = type == QLatin1String("s") ? strings.value(value.toInt()) : value;
        } else if (reader.name() == QLatin1String("t") && type == QLatin1String("inlineStr")) {
            cells[reference] += reader.readElementText();
        }
    }
    return cells;
}

QMap<QString, QString> XlsxReader::Links(int sheet) const
{
    QMap<QString, QString> targets;
    QXmlStreamReader relations(
        m_archive.Member(QStringLiteral("xl/worksheets/_rels/sheet%1.xml.rels").arg(sheet)));
    while (!relations.atEnd()) {
        if (relations.readNext() == QXmlStreamReader::StartElement
            && relations.name() == QLatin1String("Relationship"))
            targets[Attribute(relations, "Id")] = Attribute(relations, "Target");
    }
    QMap<QString, QString> links;
    QXmlStreamReader reader(Sheet(sheet));
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("hyperlink"))
            links[Attribute(reader, "ref")] = targets.value(reader.attributes().value("r:id").toString());
    }
    return links;
}

QMap<int, double> XlsxReader::RowHeights(int sheet) const
{
    QMap<int, double> heights;
    QXmlStreamReader reader(Sheet(sheet));
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("row")
            && reader.attributes().hasAttribute(QLatin1String("ht")))
            heights[Attribute(reader, "r").toInt()] = Attribute(reader, "ht").toDouble();
    }
    return heights;
}

QMap<int, double> XlsxReader::ColumnWidths(int sheet) const
{
    QMap<int, double> widths;
    QXmlStreamReader reader(Sheet(sheet));
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("col")) {
            for (int column = Attribute(reader, "min").toInt(); column <= Attribute(reader, "max").toInt(); ++column)
                widths[column] = Attribute(reader, "width").toDouble();
        }
    }
    return widths;
}

} // namespace test
