#pragma once

#include "platform/Form.h"
#include "platform/ScreenRow.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QTimer>

// A frame that reports a click only when it lands on the frame itself, not on a child.
class ClickFrame final : public QFrame
{
    Q_OBJECT
public:
    using QFrame::QFrame;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool isBare(const QPoint &position) const;
    bool m_pressedOnBare = false;
};

// The start-up splash: stands for three seconds, then hands over to the main menu. A key or a
// click on the bare frame before then ends the run.
class frmSplash final : public Form
{
    Q_OBJECT
public:
    static constexpr int kTimerInterval = 3000;

    explicit frmSplash(FormHost &host);

    QLabel *lblProductName() const { return m_lblProductName; }
    QTimer *Timer1() const { return m_timer1; }
    ClickFrame *Frame1() const { return m_frame1; }

    void Timer1_Timer();
    void Frame1_Click();

Q_SIGNALS:
    // The splash has stood its time and is hidden; the menu is wanted.
    void menuRequested();

protected:
    void buildScreen(FormWindow &window) override;
    void screenUnloaded() override;
    void Form_Load() override;
    void Form_KeyPress(QChar key) override;
    void titleBarClose() override;

private:
    QPointer<ClickFrame> m_frame1;
    QPointer<QLabel> m_lblProductName;
    QPointer<QTimer> m_timer1;
    // The labels other than the title, with their designed captions.
    QList<QPair<QPointer<QLabel>, QString>> m_captioned;
};

// What a control on the splash is: a line of text, the title that Form_Load writes, or the logo.
enum class SplashRole { Text, Title, Logo };

using SplashControl = ScreenRow<SplashRole>;

// The splash's controls inside its frame, in twips as designed.
const QList<SplashControl> &splashControls();

// The logo, 32 by 32 on the splash, painted rather than loaded so start-up reads no file.
QPixmap sumtopiaLogo(int side = 32);

// The logo at the sizes window managers and task bars ask for, for the windows' icon.
QIcon sumtopiaIcon();
