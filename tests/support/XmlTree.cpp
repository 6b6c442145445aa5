#include "XmlTree.h"

#include <QFile>
#include <QXmlStreamReader>

namespace test {
namespace {

XmlElement ReadElement(QXmlStreamReader& reader)
{
    XmlElement element;
    element.name = reader.qualifiedName().toString();
    for (const QXmlStreamNamespaceDeclaration& declaration : reader.namespaceDeclarations()) {
        const QString prefix = declaration.prefix().toString();
        element.namespaceDeclarations << (prefix.isEmpty() ? QStringLiteral("xmlns") : QStringLiteral("xmlns:") + prefix)
                + QLatin1Char('=') + declaration.namespaceUri().toString();
    }
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement())
            element.children.push_back(ReadElement(reader));
        else if (reader.isCharacters())
            element.text += reader.text();
        else if (reader.isEndElement())
            break;
    }
    // Between child elements there is only the writer's indentation.
    if (!element.children.empty())
        element.text.clear();
    return element;
}

} // namespace

std::vector<const XmlElement*> XmlElement::Children(const QString& childName) const
{
    std::vector<const XmlElement*> found;
    for (const XmlElement& child : children) {
        if (child.name == childName)
            found.push_back(&child);
    }
    return found;
}

QString XmlElement::TextAt(const QString& path) const
{
    const XmlElement* element = this;
    for (const QString& step : path.split(QLatin1Char('/'))) {
        const std::vector<const XmlElement*> found = element->Children(step);
        if (found.empty())
            return {};
        element = found.front();
    }
    return element->text;
}

QString XmlElement::Structure() const
{
    if (children.empty())
        return name;
    QStringList parts;
    for (const XmlElement& child : children)
        parts << child.Structure();
    return name + QLatin1Char('(') + parts.join(QLatin1Char(',')) + QLatin1Char(')');
}

XmlElement ReadXmlFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QXmlStreamReader reader(&file);
    if (!reader.readNextStartElement()) {
        *error = reader.errorString();
        return {};
    }
    XmlElement root = ReadElement(reader);
    while (!reader.atEnd() && !reader.hasError())
        reader.readNext();
    if (reader.hasError())
        *error = reader.errorString();
    return root;
}

std::vector<const XmlElement*> KmlPlacemarks(const XmlElement& root)
{
    const std::vector<const XmlElement*> documents = root.Children(QStringLiteral("Document"));
    if (documents.empty())
        return {};
    const std::vector<const XmlElement*> folders = documents.front()->Children(QStringLiteral("Folder"));
    return (folders.empty() ? documents.front() : folders.front())->Children(QStringLiteral("Placemark"));
}

} // namespace test
