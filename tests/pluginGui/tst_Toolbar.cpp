#include "support/TestRegistry.h"

#include "pluginGui/ClickableLabelBase.h"
#include "pluginGui/ToolbarWithCaptions.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QSignalSpy>
#include <QTest>

#include <set>

namespace {

class CategoryButton final : public pluginGui::ClickableLabelBase {
public:
    CategoryButton(QWidget* parent, int category, QSize size, bool isActive, const QString& caption)
        : ClickableLabelBase(parent, category, size, isActive)
    {
        setToolTip(caption);
    }

    void UpdateView(int category, bool isActive) override { shown.emplace_back(category, isActive); }

    std::vector<std::pair<int, bool>> shown;
};

class CategoryToolbar final : public pluginGui::ToolbarWithCaptions {
public:
    CategoryToolbar(QStringList captions, std::set<int> disabled)
        : ToolbarWithCaptions(nullptr, QMargins(14, 0, 14, 0), 0)
        , m_captions(std::move(captions))
        , m_disabled(std::move(disabled))
    {
    }

    void CreateButtons(QWidget* parent, int activeCategory) override
    {
        for (int category = 0; category < m_captions.size(); ++category)
            AppendButton(new CategoryButton(parent, category, QSize(30, 30), category == activeCategory,
                                            m_captions[category]));
    }

    bool IsCategoryEnabled(int category) const override { return m_disabled.count(category) == 0; }

    CategoryButton* Button(int category) const
    {
        return static_cast<CategoryButton*>(GetButtons()[static_cast<std::size_t>(category)]);
    }

private:
    QStringList m_captions;
    std::set<int> m_disabled;
};

std::unique_ptr<CategoryToolbar> MakeToolbar(const QStringList& captions, int category, std::set<int> disabled = {})
{
    auto toolbar = std::make_unique<CategoryToolbar>(captions, std::move(disabled));
    toolbar->CreateButtons(toolbar.get(), category);
    toolbar->Initialize(category);
    return toolbar;
}

qreal OpacityOf(const QWidget* widget)
{
    return static_cast<QGraphicsOpacityEffect*>(widget->graphicsEffect())->opacity();
}

const QString Searches = QStringLiteral("<p style='white-space:pre'>Searches</p>");
const QString Favorites = QStringLiteral("<p style='white-space:pre'>Favorites</p>");
const QString Directions = QStringLiteral("<p style='white-space:pre'>Directions searches</p>");

} // namespace

class ToolbarTest : public QObject {
    Q_OBJECT

private slots:
    void clickActivatesThroughTheToolbar()
    {
        const auto toolbar = MakeToolbar({Searches, Favorites, Directions}, 0);
        QSignalSpy activated(toolbar.get(), &pluginGui::ToolbarBase::ActivateCategory);

        QTest::mouseClick(toolbar->Button(2), Qt::LeftButton);

        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.at(0).at(0).toInt(), 2);
        QCOMPARE(toolbar->GetCurrentCategory(), 2);
        QCOMPARE(toolbar->GetPreviousCategory(), 0);
        QVERIFY(toolbar->Button(2)->IsActive());
        QVERIFY(!toolbar->Button(0)->IsActive());
        QCOMPARE(toolbar->Button(0)->shown.back(), std::make_pair(0, false));
    }

    void onlyTheLeftButtonClicks_data()
    {
        QTest::addColumn<int>("mouseButton");
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }

    void onlyTheLeftButtonClicks()
    {
        QFETCH(int, mouseButton);
        const auto toolbar = MakeToolbar({Searches, Favorites}, 0);
        QSignalSpy changed(toolbar->Button(1), &pluginGui::ClickableLabelBase::CategoryChanged);
        QTest::mouseClick(toolbar->Button(1), static_cast<Qt::MouseButton>(mouseButton));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(toolbar->GetCurrentCategory(), 0);
    }

    void disabledButtonIgnoresTheMouse()
    {
        const auto toolbar = MakeToolbar({Searches, Favorites}, 0, {1});
        CategoryButton* disabled = toolbar->Button(1);
        QSignalSpy changed(disabled, &pluginGui::ClickableLabelBase::CategoryChanged);
        QSignalSpy activated(toolbar.get(), &pluginGui::ToolbarBase::ActivateCategory);
        const qreal restingOpacity = OpacityOf(disabled);

        QTest::mouseClick(disabled, Qt::LeftButton);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(disabled, &enter);

        QCOMPARE(changed.count(), 0);
        QCOMPARE(activated.count(), 0);
        QCOMPARE(OpacityOf(disabled), restingOpacity);
        QCOMPARE(disabled->cursor().shape(), Qt::ArrowCursor);
        disabled->OnActivateCategory(1);
        QVERIFY(!disabled->IsActive());
    }

    void activeButtonIsDeactivatedEvenWhenDisabled()
    {
        const auto toolbar = MakeToolbar({Searches, Favorites}, 1, {1});
        CategoryButton* disabled = toolbar->Button(1);
        QVERIFY(disabled->IsActive());

        QTest::mouseClick(toolbar->Button(0), Qt::LeftButton);

        QVERIFY(!disabled->IsActive());
        QCOMPARE(disabled->shown.back(), std::make_pair(1, false));
    }
};

MAPS_TEST_CLASS(ToolbarTest);
#include "tst_Toolbar.moc"
