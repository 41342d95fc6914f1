#include "platform/Controls.h"

#include "platform/Twips.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>

QColor bgrColor(quint32 bgr)
{
    return QColor(static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8U) & 0xFFU),
                  static_cast<int>((bgr >> 16U) & 0xFFU));
}

void installFontSubstitutes()
{
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                              QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("DejaVu Serif")});
}

QFont designFont(double points, bool bold, const QString &family)
{
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 4.0 / 3.0)));
    font.setBold(bold);
    return font;
}

QFont defaultDesignFont()
{
    return designFont(8.25);
}

QPalette designPalette(quint32 bgr)
{
    // The colours a plain desktop gives these windows, fixed, so that a dark or high-contrast
    // theme cannot paint white text on the designed cyan and pink. Each group is one row: the
    // text, the selection, the bevels of borders and buttons.
    struct GroupColours {
        QPalette::ColorGroup group;
        QRgb text;
        QRgb highlight;
        QRgb highlightedText;
        QRgb dark;
        QRgb shadow;
    };
    static constexpr GroupColours groups[] = {
        // Selected text is black, not the desktop's white, which reads at only 3.7:1 on this blue.
        {QPalette::Active, 0x000000, 0x308cc6, 0x000000, 0x9f9f9f, 0x767676},
        {QPalette::Inactive, 0x000000, 0x308cc6, 0x000000, 0x9f9f9f, 0x767676},
        // Greyed text: unmistakably off, and still apart from the background.
        {QPalette::Disabled, 0xbebebe, 0x919191, 0xffffff, 0xbebebe, 0xb1b1b1},
    };
    const QColor background = bgrColor(bgr);
    QPalette palette;
    for (const GroupColours &colours : groups) {
        const auto set = [&](QPalette::ColorRole role, const QColor &colour) {
            palette.setColor(colours.group, role, colour);
        };
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            set(role, QColor(colours.text));
        }
        for (const QPalette::ColorRole role :
             {QPalette::Window, QPalette::Base, QPalette::Button}) {
            set(role, background);
        }
        QColor placeholder(Qt::black);
        placeholder.setAlpha(128);
        set(QPalette::PlaceholderText, placeholder);
        set(QPalette::Highlight, QColor(colours.highlight));
        set(QPalette::HighlightedText, QColor(colours.highlightedText));
        set(QPalette::BrightText, Qt::white);
        set(QPalette::Light, Qt::white);
        set(QPalette::Midlight, QColor(0xcacaca));
        set(QPalette::Mid, QColor(0xb8b8b8));
        set(QPalette::Dark, QColor(colours.dark));
        set(QPalette::Shadow, QColor(colours.shadow));
        set(QPalette::AlternateBase, QColor(0xf7f7f7));
        set(QPalette::Link, Qt::blue);
        set(QPalette::LinkVisited, Qt::magenta);
        set(QPalette::ToolTipBase, QColor(0xffffdc));
        set(QPalette::ToolTipText, Qt::black);
    }
    return palette;
}

void setBackground(QWidget *widget, quint32 bgr)
{
    widget->setPalette(designPalette(bgr));
    widget->setAutoFillBackground(true);
}

void setTransparent(QWidget *widget)
{
    widget->setAutoFillBackground(false);
    widget->setAttribute(Qt::WA_TranslucentBackground);
}

void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

Qt::Alignment alignmentFor(CaptionAlign align)
{
    switch (align) {
    case CaptionAlign::Left:
        return Qt::AlignLeft | Qt::AlignTop;
    case CaptionAlign::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case CaptionAlign::Centre:
        break;
    }
    return Qt::AlignHCenter | Qt::AlignTop;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                  int width, int height, double points, Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    shapeLabel(label, name, caption, left, top, width, height, points, alignment);
    return label;
}

void shapeLabel(QLabel *label, const QString &name, const QString &caption, int left, int top,
                int width, int height, double points, Qt::Alignment alignment)
{
    label->setText(caption);
    label->setObjectName(name);
    label->setFont(designFont(points));
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    placeTwips(label, left, top, width, height);
}

void setSingleBorder(QLabel *label)
{
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, int left,
                        int top, int width, int height, double points)
{
    auto *button = new CommandButton(caption, parent);
    button->setObjectName(name);
    button->setFont(designFont(points));
    setBackground(button, DesignColor::LightPink);
    placeTwips(button, left, top, width, height);
    return button;
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    const bool press = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (press && modifiers == Qt::NoModifier && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

DrawnLine::DrawnLine(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2,
                     const QString &spoken)
    : QWidget(parent)
{
    setObjectName(name);
    if (!spoken.isEmpty()) {
        setAccessibleName(spoken);
    }
    m_line = twipsLine(x1, y1, x2, y2);
    const QRect bounds = QRect(m_line.p1(), m_line.p2()).normalized().adjusted(0, 0, 1, 1);
    setGeometry(bounds);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DrawnLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // At a display scale such as 125% a one-pixel widget covers a fraction of a device pixel
    // more or less than one, and a line drawn at its top edge can fall just outside it. An
    // upright or level line fills its whole widget, which always covers a device pixel; a
    // slanted one is drawn with a cosmetic pen, one device pixel wide at any scale.
    if (m_line.dx() == 0 || m_line.dy() == 0) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    QPen pen(Qt::black, 0);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawLine(m_line.translated(-pos()));
}

QWidget *setTabOrder(QList<TabStop> stops)
{
    Q_ASSERT(!stops.isEmpty());
    std::sort(stops.begin(), stops.end(),
              [](const TabStop &a, const TabStop &b) { return a.first < b.first; });
    for (qsizetype i = 1; i < stops.size(); ++i) {
        QWidget::setTabOrder(stops.at(i - 1).second, stops.at(i).second);
    }
    return stops.first().second;
}
