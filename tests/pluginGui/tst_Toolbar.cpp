#include "support/TestRegistry.h"

#include "pluginGui/ClickableLabelBase.h"
#include "pluginGui/ToolbarWithCaptions.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
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

struct ButtonShape {
    int width;
    QString caption;
};

class CategoryToolbar final : public pluginGui::ToolbarWithCaptions {
public:
    CategoryToolbar(std::vector<ButtonShape> buttons, std::set<int> disabled = {})
        : ToolbarWithCaptions(nullptr, QMargins(14, 0, 14, 0), 0)
        , m_shapes(std::move(buttons))
        , m_disabled(std::move(disabled))
    {
    }

    void CreateButtons(QWidget* parent, int activeCategory) override
    {
        for (int category = 0; category < static_cast<int>(m_shapes.size()); ++category) {
            const ButtonShape& shape = m_shapes[static_cast<std::size_t>(category)];
            AppendButton(new CategoryButton(parent, category, QSize(shape.width, 30), category == activeCategory,
                                            shape.caption));
        }
    }

    bool IsCategoryEnabled(int category) const override { return m_disabled.count(category) == 0; }

    CategoryButton* Button(int category) const
    {
        return static_cast<CategoryButton*>(GetButtons()[static_cast<std::size_t>(category)]);
    }

    QVBoxLayout* Column(int category) const
    {
        return qobject_cast<QVBoxLayout*>(GetLayout()->itemAt(category)->layout());
    }

    QLabel* Caption(int category) const
    {
        return qobject_cast<QLabel*>(Column(category)->itemAt(1)->layout()->itemAt(0)->widget());
    }

    int SpacerWidth(int category) const
    {
        QVBoxLayout* column = Column(category);
        return column->itemAt(column->count() - 1)->spacerItem()->sizeHint().width();
    }

private:
    std::vector<ButtonShape> m_shapes;
    std::set<int> m_disabled;
};

std::unique_ptr<CategoryToolbar> MakeToolbar(std::vector<ButtonShape> buttons, int category,
                                             std::set<int> disabled = {})
{
    auto toolbar = std::make_unique<CategoryToolbar>(std::move(buttons), std::move(disabled));
    toolbar->CreateButtons(toolbar.get(), category);
    toolbar->Initialize(category);
    return toolbar;
}

// The caption's highlight style classes, e.g. "orange=true gray=false".
QString CaptionClasses(const QWidget* caption)
{
    return "orange=" + caption->property("foreground_pre_orange").toString()
        + " gray=" + caption->property("foreground_gray_middle").toString();
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
    void captionSpacerWidths_data()
    {
        QTest::addColumn<int>("buttonWidth");
        QTest::addColumn<QString>("caption");
        QTest::newRow("no caption, narrow button") << 30 << QString();
        QTest::newRow("no caption, wide button") << 70 << QString();
        QTest::newRow("caption narrower than its button") << 160 << Favorites;
        QTest::newRow("caption wider than its narrow button") << 30 << Directions;
    }

    void captionSpacerWidths()
    {
        QFETCH(int, buttonWidth);
        QFETCH(QString, caption);
        const auto toolbar = MakeToolbar({{buttonWidth, caption}}, 0);
        int expected = std::max(buttonWidth, 54);
        if (!caption.isEmpty()) {
            const int captionWidth = toolbar->Caption(0)->width();
            QVERIFY(captionWidth > 0);
            if (captionWidth > buttonWidth)
                expected = std::max(2 * buttonWidth - captionWidth, 54);
        }
        QCOMPARE(toolbar->SpacerWidth(0), expected);
    }

    // The rows above leave the narrowing rule at its minimum of 54; here it decides the width.
    void aCaptionSlightlyWiderThanItsButtonNarrowsTheColumn()
    {
        const QString caption = QStringLiteral("Directions searches and explored places");
        const int captionWidth = MakeToolbar({{30, caption}}, 0)->Caption(0)->width();
        const int buttonWidth = captionWidth - 20;
        QVERIFY(captionWidth - 40 > 54);
        const auto toolbar = MakeToolbar({{buttonWidth, caption}}, 0);
        QCOMPARE(toolbar->SpacerWidth(0), captionWidth - 40);
    }

    void clickActivatesThroughTheToolbar()
    {
        const auto toolbar = MakeToolbar({{30, Searches}, {30, Favorites}, {30, Directions}}, 0);
        QSignalSpy activated(toolbar.get(), &pluginGui::ToolbarBase::ActivateCategory);
        QCOMPARE(CaptionClasses(toolbar->Caption(0)), QStringLiteral("orange=true gray=false"));

        QTest::mouseClick(toolbar->Button(2), Qt::LeftButton);

        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.at(0).at(0).toInt(), 2);
        QCOMPARE(toolbar->GetCurrentCategory(), 2);
        QCOMPARE(toolbar->GetPreviousCategory(), 0);
        QVERIFY(toolbar->Button(2)->IsActive());
        QVERIFY(!toolbar->Button(0)->IsActive());
        QCOMPARE(toolbar->Button(0)->shown.back(), std::make_pair(0, false));
        QCOMPARE(CaptionClasses(toolbar->Caption(2)), QStringLiteral("orange=true gray=false"));
        QCOMPARE(CaptionClasses(toolbar->Caption(0)), QStringLiteral("orange=false gray=true"));
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
        const auto toolbar = MakeToolbar({{30, Searches}, {30, Favorites}}, 0);
        QSignalSpy changed(toolbar->Button(1), &pluginGui::ClickableLabelBase::CategoryChanged);
        QTest::mouseClick(toolbar->Button(1), static_cast<Qt::MouseButton>(mouseButton));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(toolbar->GetCurrentCategory(), 0);
    }

    void disabledButtonIgnoresTheMouse()
    {
        const auto toolbar = MakeToolbar({{30, Searches}, {30, Favorites}}, 0, {1});
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

    void enabledButtonLightsUpUnderTheMouse()
    {
        const auto toolbar = MakeToolbar({{30, Searches}}, 0);
        CategoryButton* button = toolbar->Button(0);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(button, &enter);
        QCOMPARE(OpacityOf(button), 0.99);
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
        QCOMPARE(OpacityOf(button), 0.75);
        QCOMPARE(button->cursor().shape(), Qt::ArrowCursor);
    }

    void activeButtonIsDeactivatedEvenWhenDisabled()
    {
        const auto toolbar = MakeToolbar({{30, Searches}, {30, Favorites}}, 1, {1});
        CategoryButton* disabled = toolbar->Button(1);
        QVERIFY(disabled->IsActive());

        QTest::mouseClick(toolbar->Button(0), Qt::LeftButton);

        QVERIFY(!disabled->IsActive());
        QCOMPARE(disabled->shown.back(), std::make_pair(1, false));
    }
};

MAPS_TEST_CLASS(ToolbarTest);
#include "tst_Toolbar.moc"
