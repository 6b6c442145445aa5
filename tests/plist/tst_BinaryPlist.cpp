#include "support/FileContents.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"

#include "cmn/plist/BinaryPlist.h"

#include <QDir>
#include <QTest>

#include <tinyxml.h>

#include <string>

using test::ReadFile;

namespace {

QString DataPath(const QString& relative)
{
    return QStringLiteral(PLIST_TEST_DATA "/") + relative;
}

int Load(TiXmlDocument& document, const QByteArray& bytes)
{
    return ulq::cmn::LoadBinaryPlist(&document, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Same escaping as make_plists.py: one line per element, whatever its text holds.
std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        if (c == '\\') {
            escaped += "\\\\";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof(code), "\\x%02X", static_cast<unsigned char>(c));
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

// One line per element, "  " per level: the name, then a blank and the text for text elements.
void AppendOutline(const TiXmlElement& element, int depth, std::string& outline)
{
    outline += std::string(2 * static_cast<std::size_t>(depth), ' ') + element.ValueStr();
    const TiXmlNode* first = element.FirstChild();
    if (first && first->ToText())
        outline += " " + Escaped(first->ValueStr());
    outline += '\n';
    for (const TiXmlElement* child = element.FirstChildElement(); child; child = child->NextSiblingElement())
        AppendOutline(*child, depth + 1, outline);
}

std::string OutlineOfPlist(const TiXmlDocument& document)
{
    const TiXmlElement* plist = document.FirstChildElement("plist");
    const TiXmlElement* top = plist ? plist->FirstChildElement() : nullptr;
    std::string outline;
    if (top)
        AppendOutline(*top, 0, outline);
    return outline;
}

void AddFileRows(const QString& folder)
{
    const QDir dir(DataPath(folder));
    for (const QString& name : dir.entryList({QStringLiteral("*.bplist")}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(folder + "/" + name)) << dir.filePath(name);
}

} // namespace

class BinaryPlistTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(test::ProcessRecordingSink()); }

    void convertsListsOfAnIndependentWriter_data()
    {
        QTest::addColumn<QString>("path");
        AddFileRows(QStringLiteral("valid"));
    }

    void convertsListsOfAnIndependentWriter()
    {
        QFETCH(QString, path);
        QString expectedPath = path;
        expectedPath.replace(QStringLiteral(".bplist"), QStringLiteral(".expected"));
        const QByteArray expected = ReadFile(expectedPath);
        QVERIFY(!expected.isEmpty());

        TiXmlDocument document;
        QCOMPARE(Load(document, ReadFile(path)), 0);

        QCOMPARE(QString::fromStdString(OutlineOfPlist(document)), QString::fromUtf8(expected));
    }

    void nestingUpToTheLimitConverts()
    {
        TiXmlDocument document;
        QCOMPARE(Load(document, ReadFile(DataPath("nesting_at_limit.bplist"))), 0);

        int arrays = 0;
        const TiXmlElement* element = document.RootElement()->FirstChildElement();
        for (; element && element->ValueStr() == "array"; element = element->FirstChildElement())
            ++arrays;
        QCOMPARE(arrays, 512);
        QVERIFY(element);
        QCOMPARE(std::string(element->GetText()), std::string("leaf"));
    }

    void rejectsMalformedListsAndLeavesTheDocumentEmpty_data()
    {
        QTest::addColumn<QString>("path");
        AddFileRows(QStringLiteral("malformed"));
    }

    void rejectsMalformedListsAndLeavesTheDocumentEmpty()
    {
        QFETCH(QString, path);
        const QByteArray bytes = ReadFile(path);
        QVERIFY(!bytes.isEmpty());
        TiXmlDocument document;
        QCOMPARE(Load(document, ReadFile(DataPath("valid/nested.bplist"))), 0);

        QCOMPARE(Load(document, bytes), 3);

        QCOMPARE(document.FirstChild(), static_cast<TiXmlNode*>(nullptr));
    }

    void everyTruncationIsRejected()
    {
        const QByteArray bytes = ReadFile(DataPath("valid/nested.bplist"));
        QVERIFY(!bytes.isEmpty());
        for (int length = 0; length < bytes.size(); ++length) {
            TiXmlDocument document;
            QVERIFY2(Load(document, bytes.left(length)) == 3, qPrintable(QString::number(length)));
        }
    }

};

MAPS_TEST_CLASS(BinaryPlistTest);
#include "tst_BinaryPlist.moc"
