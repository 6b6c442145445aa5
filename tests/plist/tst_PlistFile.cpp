#include "support/FileContents.h"
#include "support/RecordingSink.h"
#include "support/TestRegistry.h"
#include "support/CaughtException.h"

#include "cmn/CommonExceptions.h"
#include "cmn/PathEncoding.h"
#include "cmn/plist/PlistFile.h"
#include "cmn/plist/XmlText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <tinyxml.h>

namespace {

QByteArray Repeated(const char* piece, int count)
{
    return QByteArray(piece).repeated(count);
}

QByteArray Nested(int depth)
{
    return Repeated("<a>", depth) + Repeated("</a>", depth);
}

} // namespace

class PlistFileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    boost::filesystem::path WriteFile(const QString& name, const QByteArray& content)
    {
        test::WriteFile(m_folder.filePath(name), content);
        return m_folder.filePath(name).toStdWString();
    }

private slots:
    void initTestCase()
    {
        ulq::cmn::utils::ImbueUtf8PathConversion();
        QVERIFY(m_folder.isValid());
        QVERIFY(test::ProcessRecordingSink());
    }

    void loadsXmlAndBinaryFilesByTheirSignature_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("root");
        QTest::newRow("xml") << QByteArray("<?xml version=\"1.0\"?>\n<Backup><Version>3</Version></Backup>")
                             << "Backup";
        QTest::newRow("binary") << test::ReadFile(PLIST_TEST_DATA "/valid/nested.bplist") << "plist";
    }

    void loadsXmlAndBinaryFilesByTheirSignature()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, root);
        TiXmlDocument document;

        ulq::cmn::OpenPlistFile(WriteFile("list.plist", content), document);

        QVERIFY(document.RootElement());
        QCOMPARE(QString::fromStdString(document.RootElement()->ValueStr()), root);
    }

    void unloadableFileIsACorruptedBackup_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("malformed binary") << QByteArray("bplist00 and then nothing that fits") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("nested deeper than the stack allows") << Nested(200000) << true;
        QTest::newRow("missing") << QByteArray() << false;
    }

    void unloadableFileIsACorruptedBackup()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFile::remove(m_folder.filePath("broken.plist"));
        const boost::filesystem::path path =
            exists ? WriteFile("broken.plist", content) : m_folder.filePath("broken.plist").toStdWString();
        TiXmlDocument document;

        const auto failure = test::CaughtException<ulq::cmn::CommonException>(
            [&] { ulq::cmn::OpenPlistFile(path, document); });

        QVERIFY(failure);
        QCOMPARE(QString::fromStdString(failure->GetUserText()),
                 "Can't open backup." + m_folder.filePath("broken.plist") + " file is corrupted.");
        QCOMPARE(document.FirstChild(), static_cast<TiXmlNode*>(nullptr));
    }

    // TinyXML recurses per level: nesting beyond what a thread's stack surely holds is refused
    // before it parses; whatever TinyXML parses otherwise is accepted, whatever its size.
    void xmlTextParsing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("parses");
        QTest::newRow("nesting within the unchecked markup") << Nested(500) << true;
        QTest::newRow("nesting at the checked limit")
            << "<r>" + Nested(999) + Repeated("<b/>", 1000) + "</r>" << true;
        QTest::newRow("nesting beyond the checked limit")
            << "<r>" + Nested(1000) + Repeated("<b/>", 1000) + "</r>" << false;
        QTest::newRow("two roots in a large document") << Nested(3) + Repeated("<b/>", 1000) << true;
        QTest::newRow("deep nesting") << Nested(100000) << false;
        QTest::newRow("deep nesting hidden from a lenient count")
            << "<r>" + Repeated("<!-- </r> -->", 2000) + Nested(100000) + "</r>" << false;
        QTest::newRow("document type in a large document")
            << "<!DOCTYPE r><r>" + Repeated("<b/>", 2000) + "</r>" << true;
        QTest::newRow("processing instruction in a large document")
            << "<r><?pi <a><a><a>?>" + Repeated("<b/>", 2000) + "</r>" << false;
        // TinyXML steps over a UTF-8 sequence by its lead byte, past the end of a cut one (seen
        // with a guard page; the sanitizers cannot see into the system library).
        QTest::newRow("utf-8 sequence cut in the text") << QByteArray("\xef\xbb\xbf<r>a\xf0") << false;
        QTest::newRow("utf-8 sequence cut in an attribute")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><r a=\"\xe0") << false;
        QTest::newRow("utf-8 sequence cut after the root") << QByteArray("\xef\xbb\xbf<r>text</r>\xf0") << true;
    }

    void xmlTextParsing()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, parses);
        TiXmlDocument document;
        QCOMPARE(ulq::cmn::ParseXmlText(text.toStdString(), document), parses);
    }
};

MAPS_TEST_CLASS(PlistFileTest);
#include "tst_PlistFile.moc"
