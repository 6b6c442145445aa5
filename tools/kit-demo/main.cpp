#include "KitDemoWindow.h"

#include "exportReport/button/ExportButton.h"
#include "exportReport/button/ExportSaveMenu.h"

#include <QApplication>
#include <QFont>
#include <QEventLoop>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <iostream>

// Shows the GUI kit at work on a sample page. With --screenshot OUT.png it renders the page
// with its export notification and the open export menu into OUT.png and exits; run it under
// QT_QPA_PLATFORM=offscreen to need no display.

namespace {

constexpr QSize WindowSize(800, 560);
// Long enough for the notification to slide in, short of its 5.5 s display time.
constexpr int SettleMs = 900;

void Wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The window and, drawn over it where it floats, the export menu.
QImage Capture(QWidget& window, QWidget& menu)
{
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.drawPixmap(menu.geometry().topLeft() - window.mapToGlobal(QPoint(0, 0)), menu.grab());
    return image;
}

int TakeScreenshot(demo::KitDemoWindow& window, const QString& path)
{
    window.show();
    window.ShowExportNotification();
    Wait(SettleMs);

    pluginGui::ExportButton* button = window.GetExportButton();
    bool saved = false;
    // The click runs the menu modally; the capture happens while it is open.
    QTimer::singleShot(SettleMs / 3, [&] {
        saved = Capture(window, *button->GetMenu()).save(path, "PNG");
        button->GetMenu()->close();
    });
    const QPoint centre = button->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(button, &press);
    if (!saved)
        std::cerr << "cannot write " << path.toStdString() << '\n';
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setPixelSize(12);
    QApplication::setFont(font);
    const QStringList arguments = app.arguments();
    demo::KitDemoWindow window;
    window.resize(WindowSize);

    const int screenshotOption = arguments.indexOf(QStringLiteral("--screenshot"));
    if (screenshotOption >= 0) {
        if (screenshotOption + 1 >= arguments.size()) {
            std::cerr << "usage: kit-demo [--screenshot OUT.png]\n";
            return 2;
        }
        return TakeScreenshot(window, arguments.at(screenshotOption + 1));
    }
    window.show();
    window.ShowExportNotification();
    return app.exec();
}
