#include "support/TestRegistry.h"
#include "support/UrlCatcher.h"
#include "support/CellPainting.h"

#include "location/LocationMetaTypes.h"
#include "location/ui/LocationCoordinatesDelegate.h"
#include "location/ui/LocationDefaultDelegate.h"
#include "location/ui/LocationMapRegionDelegate.h"
#include "location/ui/LocationRouteDelegate.h"
#include "pluginGui/CellPointer.h"
#include "pluginGui/DelegateActionType.h"

#include <QTest>

#include <array>
#include <deque>
#include <memory>

namespace {

constexpr QRgb LinkBlue = 0xFF00ADEE;
const QMargins CellMargins(10, 0, 10, 0);
constexpr int VerticalInset = 5;

enum LinkKind { PointLink, RouteLink, RegionLink };

using LinkDelegate = std::unique_ptr<location::ui::LocationLinkDelegateBase>;

template <typename Delegate> LinkDelegate MakeLinkDelegate(QObject* parent, const QFont* font)
{
    return std::make_unique<Delegate>(parent, CellMargins, VerticalInset, 1, nullptr, font);
}

// A cell value pointing to a copy of value that lives as long as the test run, as records do.
template <typename T> QVariant KeptPointer(const T& value)
{
    static std::deque<T> kept;
    kept.push_back(value);
    return QVariant::fromValue(static_cast<const T*>(&kept.back()));
}

template <typename T> QVariant NullPointer()
{
    return QVariant::fromValue(static_cast<const T*>(nullptr));
}

} // namespace

class LocationDelegatesTest : public QObject {
    Q_OBJECT

private slots:
    void linkCellShowsCopiesAndOpensItsValue_data()
    {
        using location::Coordinates;
        QTest::addColumn<int>("kind");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("path");

        QTest::newRow("point without location")
            << int(PointLink) << KeptPointer(Coordinates{-181.0, -91.0, 0.0}) << QString() << QString();
        QTest::newRow("null point") << int(PointLink) << NullPointer<Coordinates>() << QString() << QString();
        QTest::newRow("point on the equator")
            << int(PointLink) << KeptPointer(Coordinates{30.5, 0.0, 0.0}) << "0 30.5000000"
            << "/maps/place/0,30.5000000";
        QTest::newRow("empty route") << int(RouteLink) << KeptPointer(location::Route{}) << QString() << QString();
        QTest::newRow("route through a stop")
            << int(RouteLink) << KeptPointer(location::Route{{1.0, 2.0, 0.0}, {3.0, 4.0, 0.0}, {5.0, 6.0, 0.0}})
            << "show route"
            << "/maps/dir/2.0000000,1.0000000/6.0000000,5.0000000";
        QTest::newRow("null region") << int(RegionLink) << NullPointer<location::MapRegion>() << QString() << QString();
        QTest::newRow("region with coinciding corners")
            << int(RegionLink) << KeptPointer(location::MapRegion{{10.0, 20.0, 0.0}, {10.0, 20.0, 0.0}})
            << "20.0000000 10.0000000 20.0000000 10.0000000"
            << "/maps/@20.0000000,10.0000000,infz";
    }

    void linkCellShowsCopiesAndOpensItsValue()
    {
        QFETCH(int, kind);
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        QFETCH(QString, path);

        // Wide enough for every text, so that a click near the right edge misses the link.
        test::CellTable table(600, 1);
        const QModelIndex index = table.model.index(0, 0);
        table.model.setData(index, value);
        const QFont font;
        const LinkDelegate delegate = std::array{&MakeLinkDelegate<location::ui::LocationCoordinatesDelegate>,
                                                 &MakeLinkDelegate<location::ui::LocationRouteDelegate>,
                                                 &MakeLinkDelegate<location::ui::LocationMapRegionDelegate>}[kind](
            &table.view, &font);
        QCOMPARE(delegate->GetText(index), text);

        const QImage image = test::PaintCell(*delegate, table.OptionFor(index), index);
        QCOMPARE(test::HasColorRightOf(image, LinkBlue, 0), !text.isEmpty());

        const QRect cell = table.view.visualRect(index);
        const QPoint onLink = cell.topLeft() + QPoint(CellMargins.left() + 8, VerticalInset + 6);
        const QPoint pastLink(cell.right() - 2, onLink.y());
        test::UrlCatcher catcher;
        delegate->HandleMouseAction(pastLink, index, &table.view, pluginGui::LeftClickAction, nullptr);
        QVERIFY(catcher.opened.isEmpty());
        delegate->HandleMouseAction(onLink, index, &table.view, pluginGui::MoveAction, nullptr);
        QCOMPARE(table.view.cursor().shape(), text.isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
        delegate->HandleMouseAction(onLink, index, &table.view, pluginGui::LeftClickAction, nullptr);
        QCOMPARE(catcher.opened.size(), text.isEmpty() ? 0 : 1);
        if (!text.isEmpty())
            QCOMPARE(catcher.opened.first().path(), path);

        QString copied;
        delegate->HandleMouseAction(pastLink, index, &table.view, pluginGui::RightClickAction, &copied);
        QCOMPARE(copied, text);
    }

    void textCellShowsUndefinedOnlyWhenAsked_data()
    {
        QTest::addColumn<bool>("showUndefined");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QStringList>("drawn");
        const QStringList undefined{QStringLiteral("<font color=\"#808184\"><i>Undefined</i></font>")};
        QTest::newRow("empty text, placeholder wanted") << true << KeptPointer(QString()) << undefined;
        QTest::newRow("null text, placeholder wanted") << true << NullPointer<QString>() << undefined;
        QTest::newRow("empty text") << false << KeptPointer(QString()) << QStringList();
        QTest::newRow("text, placeholder wanted")
            << true << KeptPointer(QStringLiteral("Fish & Chips")) << QStringList{"Fish &amp; Chips"};
    }

    void textCellShowsUndefinedOnlyWhenAsked()
    {
        QFETCH(bool, showUndefined);
        QFETCH(QVariant, value);
        QFETCH(QStringList, drawn);

        test::CellTable table(400, 1);
        const QModelIndex index = table.model.index(0, 0);
        table.model.setData(index, value);
        test::Recording<location::ui::LocationDefaultDelegate> delegate(&table.view, CellMargins, VerticalInset, 1,
                                                                        nullptr, nullptr, showUndefined);

        test::PaintCell(delegate, table.OptionFor(index), index);
        QCOMPARE(delegate.drawn, drawn);
    }
};

MAPS_TEST_CLASS(LocationDelegatesTest);

#include "tst_LocationDelegates.moc"
