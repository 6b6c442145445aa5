#include "support/TestRegistry.h"

#include "pluginGui/ClickableLabelBase.h"
#include "pluginGui/ToolbarWithCaptions.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QLabel>
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
    CategoryToolbar(QStringList captions, std::set<int> disabled, int buttonWidth)
        : ToolbarWithCaptions(nullptr, QMargins(14, 0, 14, 0), 0)
        , m_captions(std::move(captions))
        , m_disabled(std::move(disabled))
        , m_buttonWidth(buttonWidth)
    {
    }

    void CreateButtons(QWidget* parent, int activeCategory) override
    {
        for (int category = 0; category < m_captions.size(); ++category)
            AppendButton(new CategoryButton(parent, category, QSize(m_buttonWidth, 30), category == activeCategory,
                                            m_captions[category]));
    }

    bool IsCategoryEnabled(int category) const override { return m_disabled.count(category) == 0; }

    CategoryButton* Button(int category) const
    {
        return static_cast<CategoryButton*>(GetButtons()[static_cast<std::size_t>(category)]);
    }

    QLabel* Caption(int category) const
    {
        for (QLabel* label : findChildren<QLabel*>()) {
            if (!dynamic_cast<CategoryButton*>(label) && label->text() == m_captions[category])
                return label;
        }
        return nullptr;
    }

    // The width kept free under a button, its caption included.
    int ColumnWidth(int category) const
    {
        QLayout* column = GetLayout()->itemAt(category)->layout();
        return column->itemAt(column->count() - 1)->spacerItem()->sizeHint().width();
    }

private:
    QStringList m_captions;
    std::set<int> m_disabled;
    int m_buttonWidth;
};

std::unique_ptr<CategoryToolbar> MakeToolbar(const QStringList& captions, int category, std::set<int> disabled = {},
                                             int buttonWidth = 30)
{
    auto toolbar = std::make_unique<CategoryToolbar>(captions, std::move(disabled), buttonWidth);
    toolbar->CreateButtons(toolbar.get(), category);
    toolbar->Initialize(category);
    return toolbar;
}

qreal OpacityOf(const QWidget* widget)
{
    return static_cast<QGraphicsOpacityEffect*>(widget->graphicsEffect())->opacity();
}

QString Colours(const QLabel* caption)
{
    return caption->property("foreground_pre_orange").toString() + '|' + caption->property("foreground_gray_middle").toString();
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
        QCOMPARE(Colours(toolbar->Caption(0)), QStringLiteral("true|false"));
        QCOMPARE(Colours(toolbar->Caption(2)), QStringLiteral("false|true"));

        QTest::mouseClick(toolbar->Button(2), Qt::LeftButton);

        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.at(0).at(0).toInt(), 2);
        QCOMPARE(toolbar->GetCurrentCategory(), 2);
        QCOMPARE(toolbar->GetPreviousCategory(), 0);
        QVERIFY(toolbar->Button(2)->IsActive());
        QVERIFY(!toolbar->Button(0)->IsActive());
        QCOMPARE(toolbar->Button(0)->shown.back(), std::make_pair(0, false));
        QCOMPARE(Colours(toolbar->Caption(0)), QStringLiteral("false|true"));
        QCOMPARE(Colours(toolbar->Caption(2)), QStringLiteral("true|false"));
    }

    void columnUnderAButton_data()
    {
        QTest::addColumn<int>("buttonWidth");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width");
        QTest::newRow("no caption, narrow button: the minimum") << 30 << "" << 54;
        QTest::newRow("no caption, wide button") << 80 << "" << 80;
        QTest::newRow("caption narrower than the button") << 80 << "<p>A</p>" << 80;
        QTest::newRow("caption far wider than the button: the minimum") << 30 << Directions << 54;
    }

    void columnUnderAButton()
    {
        QFETCH(int, buttonWidth);
        QFETCH(QString, caption);
        QTEST(MakeToolbar({caption}, 0, {}, buttonWidth)->ColumnWidth(0), "width");
    }

    // Twice the button less the caption: the caption overhangs both neighbours evenly.
    void captionWiderThanItsButtonNarrowsTheColumn()
    {
        const int captionWidth = MakeToolbar({Directions}, 0)->Caption(0)->width();
        QVERIFY(captionWidth - 20 > 54);
        QCOMPARE(MakeToolbar({Directions}, 0, {}, captionWidth - 10)->ColumnWidth(0), captionWidth - 20);
    }

    void onlyTheLeftButtonClicks()
    {
        const auto toolbar = MakeToolbar({Searches, Favorites}, 0);
        QSignalSpy changed(toolbar->Button(1), &pluginGui::ClickableLabelBase::CategoryChanged);
        QTest::mouseClick(toolbar->Button(1), Qt::RightButton);
        QTest::mouseClick(toolbar->Button(1), Qt::MiddleButton);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(toolbar->GetCurrentCategory(), 0);
    }

    // A disabled button ignores the mouse, yet an active one is still deactivated.
    void disabledButton()
    {
        const auto toolbar = MakeToolbar({Searches, Favorites}, 1, {1});
        CategoryButton* disabled = toolbar->Button(1);
        QVERIFY(disabled->IsActive());
        QTest::mouseClick(toolbar->Button(0), Qt::LeftButton);
        QVERIFY(!disabled->IsActive());
        QCOMPARE(disabled->shown.back(), std::make_pair(1, false));

        QSignalSpy activated(toolbar.get(), &pluginGui::ToolbarBase::ActivateCategory);
        const qreal restingOpacity = OpacityOf(disabled);
        QTest::mouseClick(disabled, Qt::LeftButton);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(disabled, &enter);
        QCOMPARE(activated.count(), 0);
        QCOMPARE(OpacityOf(disabled), restingOpacity);
        QCOMPARE(disabled->cursor().shape(), Qt::ArrowCursor);
        disabled->OnActivateCategory(1);
        QVERIFY(!disabled->IsActive());
    }
};

MAPS_TEST_CLASS(ToolbarTest);
#include "tst_Toolbar.moc"
