#include "KmlPolygonExport.h"

#include "KmlNamespaces.h"
#include "XmlSafeText.h"

#include "CryptLog/log/Log.h"

#include <QXmlStreamWriter>

#include <exception>

namespace cmn {

KmlPolygonExport::KmlPolygonExport(QXmlStreamWriter& writer, const QString& category, const QString& sourceName)
    : m_writer(writer)
{
    try {
        m_writer.setCodec("UTF-8");
        m_writer.setAutoFormatting(true);
        m_writer.writeStartDocument();
        m_writer.writeStartElement(QStringLiteral("kml"));
        m_writer.writeAttribute(QStringLiteral("xmlns"), QLatin1String(kml::KmlNamespace));
        m_writer.writeStartElement(QStringLiteral("Document"));
        m_writer.writeStartElement(QStringLiteral("Folder"));
        m_writer.writeTextElement(QStringLiteral("name"), kml::XmlSafeText(QStringLiteral("%1 history for %2").arg(category, sourceName)));
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

KmlPolygonExport::~KmlPolygonExport()
{
    try {
        m_writer.writeEndElement(); // Folder
        m_writer.writeEndElement(); // Document
        m_writer.writeEndElement(); // kml
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void KmlPolygonExport::AddPolygon(const std::vector<location::Coordinates>& ring, const QString& name)
{
    m_writer.writeStartElement(QStringLiteral("Placemark"));
    m_writer.writeTextElement(QStringLiteral("name"), kml::XmlSafeText(name));
    m_writer.writeStartElement(QStringLiteral("Polygon"));
    m_writer.writeStartElement(QStringLiteral("outerBoundaryIs"));
    m_writer.writeStartElement(QStringLiteral("LinearRing"));
    QString coordinates;
    for (const location::Coordinates& point : ring)
        coordinates += QString::asprintf("%f,%f ", point.longitude, point.latitude);
    m_writer.writeTextElement(QStringLiteral("coordinates"), coordinates);
    m_writer.writeEndElement(); // LinearRing
    m_writer.writeEndElement(); // outerBoundaryIs
    m_writer.writeEndElement(); // Polygon
    m_writer.writeEndElement(); // Placemark
}

} // namespace cmn
