#include "support/TestRegistry.h"

#include "cmn/text/AddressText.h"

#include <QTest>

Q_DECLARE_METATYPE(cmn::Address)

namespace {

cmn::Address FullAddress()
{
    cmn::Address address;
    address.resolutionState = cmn::Address::Resolved;
    address.country = "Ukraine";
    address.countryCode = "UA";
    address.locality = "Kyiv";
    address.postCode = "01001";
    address.thoroughfare = "Khreshchatyk";
    address.subThoroughfare = "22";
    address.administrativeArea = "Kyiv City";
    address.administrativeAreaCode = "KC";
    return address;
}

} // namespace

class AddressTextTest : public QObject {
    Q_OBJECT

private slots:
    void oneLine_data()
    {
        QTest::addColumn<cmn::Address>("address");
        QTest::addColumn<QString>("text");

        QTest::newRow("every component, in column order")
            << FullAddress() << "UA Ukraine Kyiv City Kyiv Khreshchatyk 22 01001 KC";

        cmn::Address sparse;
        sparse.resolutionState = cmn::Address::Resolved;
        sparse.locality = "Lviv";
        sparse.postCode = "79000";
        QTest::newRow("empty components leave no double blank") << sparse << "Lviv 79000";

        cmn::Address notAvailable = sparse;
        notAvailable.resolutionState = cmn::Address::NotAvailable;
        QTest::newRow("an unavailable address still shows what it holds") << notAvailable << "Lviv 79000";

        cmn::Address unresolved = FullAddress();
        unresolved.resolutionState = cmn::Address::NotResolvedYet;
        QTest::newRow("never resolved") << unresolved << "";

        cmn::Address empty;
        empty.resolutionState = cmn::Address::Resolved;
        QTest::newRow("resolved but empty") << empty << "";
    }

    void oneLine()
    {
        QFETCH(cmn::Address, address);
        QTEST(cmn::OneLineAddressText(address), "text");
    }

    void firstAddressOnly()
    {
        cmn::Address second = FullAddress();
        second.country = "Poland";
        QCOMPARE(cmn::FirstAddressText({FullAddress(), second}), cmn::OneLineAddressText(FullAddress()));
        QCOMPARE(cmn::FirstAddressText({}), QString());
    }
};

MAPS_TEST_CLASS(AddressTextTest);

#include "tst_AddressText.moc"
