#include "support/FileContents.h"
#include "support/TestRegistry.h"

#include "viewers/gui/IconButton.h"

#include <QSvgWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

QRgb IconCenter(const viewers::gui::IconButton& button)
{
    const QImage image = button.findChild<QSvgWidget*>()->grab().toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

} // namespace

class IconButtonTest : public QObject {
    Q_OBJECT

private slots:
    void iconTakesTheColourOfItsState_data()
    {
        QTest::addColumn<QByteArray>("source");
        const QByteArray svg("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"12\" height=\"12\" "
                             "viewBox=\"0 0 12 12\"><path %1d=\"M0 0 H12 V12 H0 Z\"/></svg>");
        QTest::newRow("paths without any fill") << QByteArray(svg).replace("%1", "");
        QTest::newRow("explicit fill") << QByteArray(svg).replace("%1", "fill=\"#808080\" ");
    }

    void iconTakesTheColourOfItsState()
    {
        QFETCH(QByteArray, source);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("icon.svg"));
        test::WriteFile(path, source);

        viewers::gui::IconButton button(nullptr, path, QSize(12, 12), QSize(16, 14));
        button.SetColor(viewers::gui::IconButton::Normal, QColor(128, 128, 128));
        button.SetColor(viewers::gui::IconButton::Disabled, QColor(200, 30, 30));
        QCOMPARE(IconCenter(button), qRgb(128, 128, 128));

        button.setEnabled(false);
        QCOMPARE(IconCenter(button), qRgb(200, 30, 30));
        button.setEnabled(true);
        QCOMPARE(IconCenter(button), qRgb(128, 128, 128));
    }
};

MAPS_TEST_CLASS(IconButtonTest);

#include "tst_IconButton.moc"
