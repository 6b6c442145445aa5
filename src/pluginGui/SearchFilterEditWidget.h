#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QMovie;
class QPushButton;
class QTimer;

namespace viewers::gui {
class IconButton;
}

namespace pluginGui {

// The search field above a category table. It holds no search logic: it asks the page to search
// after a typing pause (or on Return), shows the count the page answers with, and steps through
// the matches. A second request is not sent while one is running, that is until the count arrives.
class SearchFilterEditWidget : public QWidget {
    Q_OBJECT

public:
    // hideNavigationWhenIdle keeps the count and the arrows hidden unless SetNavigationDisplayed
    // asks for them.
    explicit SearchFilterEditWidget(QWidget* parent = nullptr, const QString& placeholderText = QString(),
                                    bool hideNavigationWhenIdle = false);

    QString GetSearchText() const;
    // Puts the keyboard into the search line with its text selected.
    void FocusSearchLine();
    // Appended to the "1 of 3" text, such as a "+" for a count that is still growing.
    void SetCountSuffix(const QString& suffix);
    void SetNavigationDisplayed(bool displayed);

signals:
    void CountTag(QString tag);
    // 1-based position of the current match.
    void MoveToTag(int index);
    void SearchTag(QString tag);
    void ClearClicked();
    void ReturnPressed();
    void SearchLineEditTextChanged(QString text);

public slots:
    void OnCountTag(uint tagsCount);
    // For pages that count all matches but can step through fewer of them.
    void OnFoundedCount(uint foundedTagsCount, uint maxMovingCount);
    // Shows a wait animation in place of the clear icon while a long search runs.
    void OnSearchStateChanged(bool isStarted);
    // The next or previous match, as the arrows step; nothing without matches.
    void OnNextMatch();
    void OnPreviousMatch();

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void on_btnPrev_clicked();
    void on_btnNext_clicked();
    void on_btnClear_clicked();
    void on_leSearch_textChanged(const QString& text);
    void OnTimerExpired();
    void OnWaitAnimationFrameChanged();
    void OnPauseEnded();
    void OnReturnPressed();

private:
    enum State { Idle = 0, Found = 1, NotFound = 2, StateCount };

    void BuildForm(const QString& placeholderText);
    void ApplyStyles();
    void ProcessArrowClick(bool back);
    void ShowStatePicture();
    void UpdateTexts();
    void UpdateClearButton();

    int m_state = Idle;
    uint m_movingCount = 0;
    uint m_foundCount = 0;
    uint m_currentIndex = 0;
    bool m_hideNavigationWhenIdle;
    bool m_navigationDisplayed = false;
    bool m_searching = false;
    // The text of the last search sent, whose matches the arrows step through.
    QString m_searchedText;
    QTimer* m_timer;
    std::array<QPixmap, StateCount> m_statePictures;
    QString m_countSuffix;
    QIcon m_clearIcon;
    QMovie* m_waitAnimation;
    // The frame leaves the right contents margin out; read at the first paint.
    std::optional<int> m_frameRightMargin;

    QLabel* m_lblImg = nullptr;
    QWidget* m_widgetEdit = nullptr;
    QLineEdit* m_leSearch = nullptr;
    QPushButton* m_btnClear = nullptr;
    QLabel* m_lblCount = nullptr;
    QWidget* m_widgetSpinBox = nullptr;
    viewers::gui::IconButton* m_btnPrev = nullptr;
    QLabel* m_lblIndexer = nullptr;
    viewers::gui::IconButton* m_btnNext = nullptr;
};

} // namespace pluginGui
