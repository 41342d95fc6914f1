// The smallest Qt Widgets program that shows a window: the yardstick for Sumtopia's start-up.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(506, 347);
    window.show();
    return app.exec();
}
