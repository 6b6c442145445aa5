#include "SearchFilterEditWidget.h"

#include "CryptLog/log/Log.h"
#include "resources/KitResources.h"
#include "viewers/gui/IconButton.h"
#include "viewers/gui/StyleSheetManager.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <exception>
#include <initializer_list>

namespace pluginGui {

namespace {

constexpr int SearchPauseMs = 1500;
constexpr int FormHeight = 30;
constexpr QSize ClearIconSize(14, 14);
constexpr QSize ClearButtonSize(18, 18);
constexpr QSize MagnifierSize(17, 17);
constexpr QSize ArrowIconSize(6, 12);
constexpr QSize ArrowButtonSize(16, 12);

struct FrameColors {
    QRgb outer;
    QRgb inner;
};

// By state: idle, found, not found.
constexpr std::array<FrameColors, 3> StateFrameColors{{
    {qRgb(192, 192, 192), qRgb(229, 229, 229)},
    {qRgb(59, 179, 73), qRgb(208, 236, 211)},
    {qRgb(241, 84, 90), qRgb(251, 197, 202)},
}};

constexpr std::array<const char*, 3> StatePicturePaths{
    ":/Resources/images/magnifier_gray.png",
    ":/Resources/images/magnifier_green.png",
    ":/Resources/images/magnifier_red.png",
};

viewers::gui::IconButton* CreateArrowButton(QWidget* parent, const QString& svgPath, const QString& objectName)
{
    auto* button = new viewers::gui::IconButton(parent, svgPath, ArrowIconSize, ArrowButtonSize);
    button->setObjectName(objectName);
    button->SetColor(viewers::gui::IconButton::Normal, QColor(128, 128, 128));
    button->SetColor(viewers::gui::IconButton::Disabled, QColor(172, 172, 172));
    return button;
}

QHBoxLayout* CreateRowLayout(QWidget* owner, int spacing)
{
    auto* layout = new QHBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

} // namespace

SearchFilterEditWidget::SearchFilterEditWidget(QWidget* parent, const QString& placeholderText,
                                               bool hideNavigationWhenIdle)
    : QWidget(parent)
    , m_hideNavigationWhenIdle(hideNavigationWhenIdle)
    , m_timer(new QTimer(this))
    , m_waitAnimation(new QMovie(this))
{
    resources::InitKitResources();
    for (std::size_t state = 0; state < m_statePictures.size(); ++state)
        m_statePictures[state] = QPixmap(QString::fromLatin1(StatePicturePaths[state]));
    m_clearIcon = QIcon(QStringLiteral(":/Resources/images/crossSearchBar.png"));
    m_waitAnimation->setFileName(QStringLiteral(":/Resources/images/WaitAnimationGreen_16.gif"));

    BuildForm(placeholderText);
    ApplyStyles();

    m_timer->setInterval(SearchPauseMs);
    m_timer->setSingleShot(true);
    // Queued, so that a pause ends through the event loop after the keystrokes already posted.
    connect(m_timer, &QTimer::timeout, this, &SearchFilterEditWidget::OnPauseEnded, Qt::QueuedConnection);
    connect(m_leSearch, &QLineEdit::returnPressed, this, &SearchFilterEditWidget::OnReturnPressed);
    connect(m_leSearch, &QLineEdit::returnPressed, this, &SearchFilterEditWidget::ReturnPressed);
    connect(m_leSearch, &QLineEdit::textChanged, this, &SearchFilterEditWidget::on_leSearch_textChanged);
    connect(m_btnClear, &QPushButton::clicked, this, &SearchFilterEditWidget::on_btnClear_clicked);
    connect(m_btnPrev, &QPushButton::clicked, this, &SearchFilterEditWidget::on_btnPrev_clicked);
    connect(m_btnNext, &QPushButton::clicked, this, &SearchFilterEditWidget::on_btnNext_clicked);
    connect(m_waitAnimation, &QMovie::frameChanged, this, &SearchFilterEditWidget::OnWaitAnimationFrameChanged);
    auto* clearShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), m_leSearch, nullptr, nullptr, Qt::WidgetShortcut);
    connect(clearShortcut, &QShortcut::activated, this, [this] {
        if (!m_leSearch->text().isEmpty())
            on_btnClear_clicked();
    });
    setFocusProxy(m_leSearch);

    setFixedHeight(FormHeight);
    ShowStatePicture();
    UpdateTexts();
}

QString SearchFilterEditWidget::GetSearchText() const
{
    return m_leSearch->text();
}

void SearchFilterEditWidget::FocusSearchLine()
{
    m_leSearch->setFocus(Qt::ShortcutFocusReason);
    m_leSearch->selectAll();
}

void SearchFilterEditWidget::SetCountSuffix(const QString& suffix)
{
    m_countSuffix = suffix;
    UpdateTexts();
}

void SearchFilterEditWidget::SetNavigationDisplayed(bool displayed)
{
    m_navigationDisplayed = displayed;
    UpdateTexts();
}

void SearchFilterEditWidget::OnCountTag(uint tagsCount)
{
    try {
        m_searching = false;
        m_movingCount = tagsCount;
        if (tagsCount > 0)
            m_state = Found;
        else
            m_state = m_leSearch->text().isEmpty() ? Idle : NotFound;
        m_currentIndex = 0;
        if (tagsCount > 0)
            ProcessArrowClick(false);
        ShowStatePicture();
        UpdateTexts();
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void SearchFilterEditWidget::OnFoundedCount(uint foundedTagsCount, uint maxMovingCount)
{
    try {
        m_foundCount = foundedTagsCount;
        OnCountTag(maxMovingCount);
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void SearchFilterEditWidget::OnSearchStateChanged(bool isStarted)
{
    if (isStarted) {
        m_waitAnimation->start();
        m_btnClear->show();
    } else {
        m_waitAnimation->stop();
        m_btnClear->setIcon(m_clearIcon);
        m_btnClear->setIconSize(ClearIconSize);
    }
}

void SearchFilterEditWidget::OnNextMatch()
{
    if (m_movingCount > 0)
        ProcessArrowClick(false);
}

void SearchFilterEditWidget::OnPreviousMatch()
{
    if (m_movingCount > 0)
        ProcessArrowClick(true);
}

void SearchFilterEditWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_frameRightMargin)
        m_frameRightMargin = contentsMargins().right();

    const FrameColors& colors = StateFrameColors[static_cast<std::size_t>(m_state)];
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(colors.outer), 1));
    painter.drawRect(0, 0, width() - *m_frameRightMargin - 1, height() - 1);
    painter.setPen(QPen(QColor(colors.inner), 1));
    painter.drawRect(1, 1, width() - *m_frameRightMargin - 3, height() - 3);
}

void SearchFilterEditWidget::on_btnPrev_clicked()
{
    ProcessArrowClick(true);
}

void SearchFilterEditWidget::on_btnNext_clicked()
{
    ProcessArrowClick(false);
}

void SearchFilterEditWidget::on_btnClear_clicked()
{
    m_leSearch->setText(QString());
    emit ClearClicked();
    // The empty search goes out at once, so that the highlighting disappears without a pause.
    OnTimerExpired();
}

void SearchFilterEditWidget::on_leSearch_textChanged(const QString& text)
{
    try {
        m_timer->stop();
        if (!m_searching)
            m_timer->start();
        m_state = Idle;
        ShowStatePicture();
        UpdateClearButton();
        update();
        emit SearchLineEditTextChanged(text);
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void SearchFilterEditWidget::OnTimerExpired()
{
    try {
        if (m_searching)
            return;
        m_timer->stop();
        m_movingCount = 0;
        m_searching = true;
        const QString text = m_leSearch->text();
        m_searchedText = text;
        emit SearchTag(text);
        emit CountTag(text);
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void SearchFilterEditWidget::OnPauseEnded()
{
    // A keystroke that came after the timeout was posted has started a new pause: its search
    // replaces this one.
    if (!m_timer->isActive())
        OnTimerExpired();
}

void SearchFilterEditWidget::OnReturnPressed()
{
    // Return on the text already searched steps to the next match, as the arrow does; on a new
    // text it searches at once.
    const bool textSearched = !m_searching && !m_timer->isActive() && m_leSearch->text() == m_searchedText;
    if (textSearched && m_movingCount > 0)
        ProcessArrowClick(false);
    else
        OnTimerExpired();
}

void SearchFilterEditWidget::OnWaitAnimationFrameChanged()
{
    m_btnClear->setIcon(QIcon(m_waitAnimation->currentPixmap()));
}

void SearchFilterEditWidget::BuildForm(const QString& placeholderText)
{
    setObjectName(QStringLiteral("SearchFilterEditWidget"));

    m_lblImg = new QLabel(this);
    m_lblImg->setObjectName(QStringLiteral("lblImg"));
    m_lblImg->setScaledContents(true);
    m_lblImg->setMaximumSize(MagnifierSize);

    m_widgetEdit = new QWidget(this);
    m_widgetEdit->setObjectName(QStringLiteral("widgetEdit"));
    m_leSearch = new QLineEdit(m_widgetEdit);
    m_leSearch->setObjectName(QStringLiteral("leSearch"));
    m_leSearch->setPlaceholderText(placeholderText);
    m_leSearch->setAttribute(Qt::WA_MacShowFocusRect, false);
    m_btnClear = new QPushButton(m_widgetEdit);
    m_btnClear->setObjectName(QStringLiteral("btnClear"));
    m_btnClear->setFixedSize(ClearButtonSize);
    m_btnClear->setIcon(m_clearIcon);
    m_btnClear->setIconSize(ClearIconSize);
    m_btnClear->setCursor(Qt::ArrowCursor);
    m_btnClear->setFocusPolicy(Qt::NoFocus);
    QHBoxLayout* editLayout = CreateRowLayout(m_widgetEdit, 2);
    editLayout->addWidget(m_leSearch, 1);
    editLayout->addWidget(m_btnClear);

    m_lblCount = new QLabel(this);
    m_lblCount->setObjectName(QStringLiteral("lblCount"));

    m_widgetSpinBox = new QWidget(this);
    m_widgetSpinBox->setObjectName(QStringLiteral("widgetSpinBox"));
    m_btnPrev = CreateArrowButton(m_widgetSpinBox, QStringLiteral(":/Resources/images/arrow_prev.svg"),
                                  QStringLiteral("btnPrev"));
    m_lblIndexer = new QLabel(m_widgetSpinBox);
    m_lblIndexer->setObjectName(QStringLiteral("lblIndexer"));
    m_lblIndexer->setAlignment(Qt::AlignCenter);
    m_lblIndexer->setContentsMargins(4, 0, 4, 0);
    m_btnNext = CreateArrowButton(m_widgetSpinBox, QStringLiteral(":/Resources/images/arrow_next.svg"),
                                  QStringLiteral("btnNext"));
    QHBoxLayout* spinLayout = CreateRowLayout(m_widgetSpinBox, 2);
    spinLayout->addWidget(m_btnPrev);
    spinLayout->addWidget(m_lblIndexer);
    spinLayout->addWidget(m_btnNext);

    auto* layout = new QHBoxLayout(this);
    layout->setObjectName(QStringLiteral("horizontalLayout"));
    layout->setContentsMargins(8, 2, 8, 2);
    layout->setSpacing(8);
    layout->addWidget(m_lblImg);
    layout->addWidget(m_widgetEdit, 1);
    layout->addWidget(m_lblCount);
    layout->addWidget(m_widgetSpinBox);
}

void SearchFilterEditWidget::ApplyStyles()
{
    using viewers::gui::ApplyStyle;
    namespace StyleGroup = viewers::gui::StyleGroup;
    namespace StyleClass = viewers::gui::StyleClass;

    ApplyStyle(StyleGroup::Label, StyleClass::border_none, m_lblImg);
    for (QLabel* number : {m_lblCount, m_lblIndexer}) {
        ApplyStyle(StyleGroup::Label, StyleClass::font_pre_small, number);
        ApplyStyle(StyleGroup::Label, StyleClass::foreground_green, number);
    }
    ApplyStyle(StyleGroup::TextEdit, StyleClass::font_small, m_leSearch);
    ApplyStyle(StyleGroup::TextEdit, StyleClass::border_none, m_leSearch);
    for (QWidget* container : {m_widgetEdit, m_widgetSpinBox})
        ApplyStyle(StyleGroup::Widget, StyleClass::background_transparent, container);
    for (const int border : {StyleClass::border_left_solid_2, StyleClass::border_right_solid_2,
                             StyleClass::border_top_solid_2, StyleClass::border_bottom_solid_2,
                             StyleClass::border_color_gray_light})
        ApplyStyle(StyleGroup::Label, border, m_lblIndexer);
    for (QPushButton* button : std::initializer_list<QPushButton*>{m_btnClear, m_btnPrev, m_btnNext})
        ApplyStyle(StyleGroup::Button, StyleClass::border_none, button);
}

void SearchFilterEditWidget::ProcessArrowClick(bool back)
{
    try {
        if (back && m_currentIndex > 1)
            --m_currentIndex;
        else if (!back && m_currentIndex < m_movingCount)
            ++m_currentIndex;
        emit MoveToTag(static_cast<int>(m_currentIndex));
        UpdateTexts();
    } catch (const std::exception& exception) {
        LOG_ERROR << exception.what();
    }
}

void SearchFilterEditWidget::ShowStatePicture()
{
    m_lblImg->setPixmap(m_statePictures[static_cast<std::size_t>(m_state)]);
}

void SearchFilterEditWidget::UpdateTexts()
{
    const bool visible = (!m_hideNavigationWhenIdle || m_navigationDisplayed) && m_movingCount > 0;
    m_lblCount->setVisible(visible);
    m_widgetSpinBox->setVisible(visible);
    m_lblCount->setText(QString::number(m_foundCount != 0 ? m_foundCount : m_movingCount));
    m_lblIndexer->setText(QCoreApplication::translate("cmn", "%1 of %2%3")
                              .arg(QString::number(m_currentIndex), QString::number(m_movingCount), m_countSuffix));
    m_btnNext->setEnabled(m_currentIndex != m_movingCount);
    m_btnPrev->setEnabled(m_currentIndex != 1);
    UpdateClearButton();
    update();
}

void SearchFilterEditWidget::UpdateClearButton()
{
    m_btnClear->setVisible(!m_leSearch->text().isEmpty());
}

} // namespace pluginGui
