#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace test {

// An element of a document read back with QXmlStreamReader.
struct XmlElement {
    QString name; // qualified, "gx:Track"
    QStringList namespaceDeclarations; // "xmlns:gx=http://..."
    QString text; // the element's own character data
    std::vector<XmlElement> children;

    // Children of that name, in document order.
    std::vector<const XmlElement*> Children(const QString& childName) const;
    // The text of the first descendant on the path "Document/name"; empty when absent.
    QString TextAt(const QString& path) const;
    // The element names as nested lists, "Placemark(name,LineString(tessellate,coordinates))".
    QString Structure() const;
};

// The root element of the XML file; `error` tells why reading failed.
XmlElement ReadXmlFile(const QString& path, QString* error);
// The placemarks of a KML document, or of its one folder.
std::vector<const XmlElement*> KmlPlacemarks(const XmlElement& root);

} // namespace test
