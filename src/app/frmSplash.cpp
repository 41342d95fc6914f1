#include "app/frmSplash.h"

#include "platform/Controls.h"
#include "platform/ScreenBuilder.h"
#include "platform/Texts.h"

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace
{

const QString kTitle = QStringLiteral("Sumtopia");
const QString kArial = QStringLiteral("Arial");

} // namespace

const QList<SplashControl> &splashControls()
{
    // Positions are the frame's own, as designed. Every label is Arial; none takes the focus.
    using Role = SplashRole;
    constexpr CaptionAlign Left = CaptionAlign::Left;
    constexpr CaptionAlign Centre = CaptionAlign::Centre;
    constexpr CaptionAlign Right = CaptionAlign::Right;
    constexpr int none = kNoTabStop;
    static const QList<SplashControl> rows = {
        // role, name, caption, left, top, width, height, points, tab index, alignment, bold
        {Role::Text, "lblLicenseTo",
         QT_TRANSLATE_NOOP("frmSplash", "Licensed for use in classrooms and at home"), 120, 240,
         6855, 255, 8.25, none, Right},
        {Role::Logo, "imgLogo", "", 360, 720, 480, 480, 0, none, Left},
        {Role::Title, "lblProductName", "", 480, 2040, 6435, 765, 32.25, none, Centre, true},
        {Role::Text, "lblCopyright", QT_TRANSLATE_NOOP("frmSplash", "Copyright \u00A9 2026"), 4680,
         4080, 2415, 255, 8.25, none, Left},
        {Role::Text, "lblCompany", QT_TRANSLATE_NOOP("frmSplash", "The Sumtopia Team"), 4680, 4320,
         2415, 255, 8.25, none, Left},
        {Role::Text, "lblWarning",
         QT_TRANSLATE_NOOP("frmSplash", "Warning: This is a math application for grades 1-6, the "
                                        "weak at heart should not attempt."),
         240, 4800, 6855, 195, 8.25, none, Left},
    };
    return rows;
}

bool ClickFrame::isBare(const QPoint &position) const
{
    return rect().contains(position) && childAt(position) == nullptr;
}

void ClickFrame::mousePressEvent(QMouseEvent *event)
{
    m_pressedOnBare = event->button() == Qt::LeftButton && isBare(event->position().toPoint());
}

void ClickFrame::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_pressedOnBare && event->button() == Qt::LeftButton && isBare(event->position().toPoint());
    m_pressedOnBare = false;
    if (click) {
        Q_EMIT clicked();
    }
}

QPixmap sumtopiaLogo(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn in 32 by 32 units, the same as the installed SVG icon, and scaled to the side asked.
    painter.scale(side / 32.0, side / 32.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE0, 0x40, 0x30));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    painter.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    // Plus and minus on the top row, times and divide below: the four signs of the drills.
    painter.drawLine(QPointF(9, 5), QPointF(9, 13));
    painter.drawLine(QPointF(5, 9), QPointF(13, 9));
    painter.drawLine(QPointF(19, 9), QPointF(27, 9));
    painter.drawLine(QPointF(6, 20), QPointF(12, 26));
    painter.drawLine(QPointF(12, 20), QPointF(6, 26));
    painter.drawLine(QPointF(19, 23), QPointF(27, 23));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(23, 19.5), 1.5, 1.5);
    painter.drawEllipse(QPointF(23, 26.5), 1.5, 1.5);
    return pixmap;
}

QIcon sumtopiaIcon()
{
    // Up to 128: bigger ones cost start-up memory, and a desktop takes the installed SVG for those.
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(sumtopiaLogo(side));
    }
    return icon;
}

frmSplash::frmSplash(FormHost &host) : Form(host, QStringLiteral("frmSplash")) {}

void frmSplash::buildScreen(FormWindow &window)
{
    window.setWindowTitle(tr("Math Quiz"));
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    window.setClientSizeTwips(7590, 5205);
    QWidget *client = window.client();
    setBackground(client, DesignColor::Cyan);

    m_frame1 = new ClickFrame(client);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    setBackground(m_frame1, DesignColor::Cyan);
    placeTwips(m_frame1, 0, 60, 7545, 5115);

    ScreenBuilder build(client, nullptr, kArial);
    for (const SplashControl &row : splashControls()) {
        if (row.role == SplashRole::Logo) {
            auto *imgLogo = new QLabel(m_frame1);
            imgLogo->setObjectName(row.name);
            imgLogo->setPixmap(sumtopiaLogo());
            placeTwips(imgLogo, row.left, row.top, row.width, row.height);
            continue;
        }
        // Written by Form_Load; see there.
        QLabel *label = build.blankLabel(row, m_frame1);
        setBackground(label, DesignColor::Cyan);
        if (row.role == SplashRole::Title) {
            m_lblProductName = label;
        } else {
            m_captioned.append({label, translated("frmSplash", row.caption)});
        }
    }

    // A precise timer: a coarse one may fire up to 5% early, and the splash must stand its time.
    m_timer1 = new QTimer(&window);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setTimerType(Qt::PreciseTimer);
    m_timer1->setInterval(kTimerInterval);

    connect(m_frame1, &ClickFrame::clicked, this, &frmSplash::Frame1_Click);
    connect(m_timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    m_timer1->start();
}

void frmSplash::screenUnloaded()
{
    m_captioned.clear();
    m_frame1 = nullptr;
    m_lblProductName = nullptr;
    m_timer1 = nullptr;
}

void frmSplash::Form_Load()
{
    // The captions are written here, once the window is on screen, rather than with the controls:
    // a label's first text reaches the accessibility layer, whose first use connects to the
    // session bus, and that would keep the splash off the screen for as long.
    for (const auto &[label, caption] : std::as_const(m_captioned)) {
        label->setText(caption);
        fitCaption(label);
    }
    m_lblProductName->setText(kTitle);
    // The title bar says only "Math Quiz"; a listener is told which program starts and what a
    // key does here.
    window()->setAccessibleName(tr("%1, Math Quiz").arg(kTitle));
    window()->setAccessibleDescription(
        tr("The menu opens in three seconds. A key press now ends the program."));
}

void frmSplash::Timer1_Timer()
{
    hide();
    Q_EMIT menuRequested();
    if (m_timer1 != nullptr) {
        m_timer1->stop();
    }
}

void frmSplash::Form_KeyPress(QChar)
{
    unload();
}

void frmSplash::Frame1_Click()
{
    unload();
}

void frmSplash::titleBarClose()
{
    Frame1_Click();
}
