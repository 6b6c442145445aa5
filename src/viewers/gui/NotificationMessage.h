#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace viewers::gui {

// One line of a notification strip: a message and a button that opens the file it is about.
// With a reserved width the message is kept on one line, cut in the middle, as the strip's
// parent is resized.
class NotificationMessage : public QWidget {
    Q_OBJECT

public:
    // reservedWidth: the part of the parent's width the message leaves to its neighbours;
    // 0 lets the message fill the row and never cuts it.
    NotificationMessage(QWidget* parent, int reservedWidth);

    void SetText(const QString& text);
    void SetPath(const QString& path);
    void HideOpenButton();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void on_btnOpen_clicked();

private:
    void FitText(int parentWidth);

    QLabel* m_content;
    QPushButton* m_openButton;
    QString m_path;
    QString m_text;
    int m_reservedWidth;
};

} // namespace viewers::gui
