// The smallest Qt program that writes one page of text to a PDF file without a display: the
// yardstick for the worksheet command. Usage: bench_minimal_pdf FILE.pdf
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return 1;
    }
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12);
    painter.setFont(font);
    const int line = painter.fontMetrics().lineSpacing();
    for (int i = 1; i <= 48; ++i) {
        painter.drawText(0, i * line, QStringLiteral("%1 )   123   + 456   Answer 579").arg(i));
    }
    return painter.end() ? 0 : 1;
}
