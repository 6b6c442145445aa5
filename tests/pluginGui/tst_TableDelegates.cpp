#include "support/CellPainting.h"
#include "support/TestRegistry.h"

#include "cmn/Address.h"
#include "pluginGui/AddressDelegate.h"
#include "pluginGui/CellHtml.h"
#include "pluginGui/CellPointer.h"
#include "pluginGui/ElidedSyntaxHighlighter.h"
#include "pluginGui/TableStaticTextDelegateBase.h"
#include "pluginGui/TableUrlDelegateBase.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include <memory>

namespace {

constexpr QRgb SearchYellow = 0xFFFFF100;
const QMargins CellMargins(10, 0, 10, 0);
constexpr int VerticalInset = 5;
const QString Ellipsis(QChar(0x2026));

using StaticDelegate = test::Recording<pluginGui::TableStaticTextDelegateBase>;

} // namespace

class TableDelegatesTest : public QObject {
    Q_OBJECT

private slots:
    void staticCellIsCutOneCharacterBeforeQt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("spareWidth");
        QTest::addColumn<bool>("cut");
        const QString text = QStringLiteral("Coffee shop at the corner of Main Street");
        QTest::newRow("fits the column") << text << 5 << false;
        QTest::newRow("wider than the column") << text << -60 << true;
        QTest::newRow("markup is shown as written") << QStringLiteral("<b>Fish & Chips</b>") << 5 << false;
    }

    void staticCellIsCutOneCharacterBeforeQt()
    {
        QFETCH(QString, text);
        QFETCH(int, spareWidth);
        QFETCH(bool, cut);

        const QFont font;
        const int textWidth = QFontMetrics(font).horizontalAdvance(text);
        test::CellTable table(textWidth + CellMargins.left() + CellMargins.right() + spareWidth, 1);
        table.model.setData(table.model.index(0, 0), text);
        StaticDelegate delegate(&table.view, CellMargins, VerticalInset, 1, nullptr, &font, false);
        const QModelIndex index = table.model.index(0, 0);
        const QStyleOptionViewItem option = table.OptionFor(index);

        test::PaintCell(delegate, option, index);
        QCOMPARE(delegate.drawn.size(), 1);
        const QString qtElided = QFontMetrics(font).elidedText(text, Qt::ElideRight, textWidth + spareWidth);
        const QString expected = cut ? qtElided.left(qtElided.length() - 2) + Ellipsis : text.toHtmlEscaped();
        QCOMPARE(delegate.drawn.first(), expected);

        QToolTip::hideText();
        QHelpEvent toolTip(QEvent::ToolTip, option.rect.center(), table.view.viewport()->mapToGlobal(option.rect.center()));
        QCOMPARE(delegate.helpEvent(&toolTip, &table.view, option, index), cut);
        QCOMPARE(QToolTip::text(), cut ? QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text) : QString());
        QToolTip::hideText();
    }

    void ellipsisMarksCutOffMatchesInStaticCellsOnly_data()
    {
        QTest::addColumn<bool>("linkCell");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ellipsisMarked");
        const QString twice = QStringLiteral("apple xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx apple");
        const QString once = QStringLiteral("apple xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx");
        QTest::newRow("static cell, second match cut off") << false << twice << true;
        QTest::newRow("static cell, no match cut off") << false << once << false;
        QTest::newRow("link cell, second match cut off") << true << twice << false;
    }

    void ellipsisMarksCutOffMatchesInStaticCellsOnly()
    {
        QFETCH(bool, linkCell);
        QFETCH(QString, text);

        const QFont font;
        const QFontMetrics metrics(font);
        test::CellTable table(metrics.horizontalAdvance(QStringLiteral("apple xxxxxxxxxxxx")) + 20, 1);
        table.model.setData(table.model.index(0, 0), text);
        pluginGui::ElidedSyntaxHighlighter highlighter(&table.view, false);
        highlighter.SetEllipsisText(Ellipsis);
        std::unique_ptr<pluginGui::InteractiveDelegateBase> delegate;
        if (linkCell)
            delegate = std::make_unique<pluginGui::TableUrlDelegateBase>(&table.view, CellMargins, VerticalInset, 1,
                                                                         &highlighter, &font, false);
        else
            delegate = std::make_unique<pluginGui::TableStaticTextDelegateBase>(&table.view, CellMargins, VerticalInset, 1,
                                                                                &highlighter, &font, false);
        highlighter.SetSearchTag(QStringLiteral("APPLE"));

        const QModelIndex index = table.model.index(0, 0);
        const QImage image = test::PaintCell(*delegate, table.OptionFor(index), index);
        // Right of the first word, only the ellipsis can be yellow.
        const int afterFirstMatch = CellMargins.left() + 10 + metrics.horizontalAdvance(QStringLiteral("apple "));
        QVERIFY2(test::HasColorRightOf(image, SearchYellow, 0), "the visible match is marked");
        QTEST(test::HasColorRightOf(image, SearchYellow, afterFirstMatch), "ellipsisMarked");
        QVERIFY(!highlighter.IsElided());
    }

    void addressCellShowsResolutionState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("drawn");
        QTest::newRow("in progress") << int(cmn::Address::NotResolvedYet) << pluginGui::GrayHtml("In progress...");
        QTest::newRow("not available") << int(cmn::Address::NotAvailable) << pluginGui::GrayHtml("N/A");
        QTest::newRow("resolved") << int(cmn::Address::Resolved) << QStringLiteral("US Cupertino");
    }

    void addressCellShowsResolutionState()
    {
        QFETCH(int, state);
        QFETCH(QString, drawn);

        cmn::Address address;
        address.resolutionState = state;
        test::CellTable table(300, 1);
        const QModelIndex index = table.model.index(0, 0);
        table.model.setData(index, QStringLiteral("US Cupertino"));
        table.model.setData(index, QVariant::fromValue(static_cast<const cmn::Address*>(&address)), Qt::UserRole);
        test::Recording<pluginGui::AddressDelegate> delegate(&table.view, CellMargins, VerticalInset, 1, nullptr, nullptr);

        test::PaintCell(delegate, table.OptionFor(index), index);
        QCOMPARE(delegate.drawn, QStringList{drawn});
    }

    // Only the last row closes the grid at its bottom; the first column's left edge is the view's.
    void bordersFollowTheGrid_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("leftEdge");
        QTest::addColumn<bool>("bottomEdge");
        QTest::newRow("first column") << 0 << 0 << 0 << false;
        QTest::newRow("other column") << 0 << 1 << 40 << false;
        QTest::newRow("last row") << 2 << 1 << 40 << true;
    }

    void bordersFollowTheGrid()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, leftEdge);
        test::CellTable table(100, 3);
        table.model.setColumnCount(2);
        StaticDelegate delegate(&table.view, CellMargins, VerticalInset, 3, nullptr, nullptr, false);
        const QModelIndex index = table.model.index(row, column);
        QStyleOptionViewItem option = table.OptionFor(index);
        option.rect = QRect(40, 20, 60, 24);

        const QImage image = test::PaintCell(delegate, option, index);
        const QColor grid(241, 242, 242);
        QCOMPARE(image.pixelColor(leftEdge, 30), grid);
        QCOMPARE(image.pixelColor(leftEdge == 0 ? 40 : 0, 30), QColor(Qt::white));
        QCOMPARE(image.pixelColor(99, 30), grid);
        QTEST(image.pixelColor(70, 43) == grid, "bottomEdge");
    }
};

MAPS_TEST_CLASS(TableDelegatesTest);

#include "tst_TableDelegates.moc"
