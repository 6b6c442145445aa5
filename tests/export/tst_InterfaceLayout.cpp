#include "support/TestRegistry.h"

#include "exportReport/interfaces/FilterHolder.h"
#include "exportReport/interfaces/IExportProgress.h"
#include "exportReport/interfaces/ITableExport.h"
#include "exportReport/interfaces/ITableExportFactory.h"
#include "viewers/gui/IFilter.h"

#include <QTest>

#include <cstdint>
#include <cstring>

namespace {

// The place of a virtual function in its class's table, counted from 1 with the destructor as
// the first: the numbering the host's binary contract uses. The Itanium ABI spends two entries
// on a virtual destructor, so there the entry index (counted from 0) is that place.
template <typename Member>
int SlotOf(Member member)
{
    static_assert(sizeof(Member) == 2 * sizeof(std::uintptr_t), "Itanium member function pointer");
    std::uintptr_t raw = 0;
    std::memcpy(&raw, &member, sizeof raw);
    return static_cast<int>((raw - 1) / sizeof(void*));
}

} // namespace

class InterfaceLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void slotsTheHostCalls()
    {
#if !defined(__GNUC__) || defined(_WIN32)
        QSKIP("The check reads Itanium ABI member pointers");
#else
        using exportReport::ITableExport;
        // One slot per interface: a slot added or removed before it moves it.
        QCOMPARE(SlotOf(&ITableExport::EndRow), 13);
        QCOMPARE(SlotOf(&exportReport::ITableExportFactory::CreateTable), 2);
        QCOMPARE(SlotOf(&exportReport::IExportProgress::AddFailedCategory), 8);
        QCOMPARE(SlotOf(&exportReport::IFilterProvider::GetFilter), 7);
        QCOMPARE(SlotOf(&viewers::gui::IFilter::AcceptsRow), 2);
#endif
    }
};

MAPS_TEST_CLASS(InterfaceLayoutTest);

#include "tst_InterfaceLayout.moc"
