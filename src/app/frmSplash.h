#pragma once

#include "platform/Form.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QTimer>

class Program;

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

    explicit frmSplash(Program &program);

    QLabel *lblProductName() const { return m_lblProductName; }
    QTimer *Timer1() const { return m_timer1; }
    ClickFrame *Frame1() const { return m_frame1; }

    void Timer1_Timer();
    void Frame1_Click();

protected:
    void buildScreen(FormWindow &window) override;
    void screenUnloaded() override;
    void Form_Load() override;
    void Form_KeyPress(QChar key) override;
    void titleBarClose() override;

private:
    Program &m_program;
    QPointer<ClickFrame> m_frame1;
    QPointer<QLabel> m_lblProductName;
    QPointer<QTimer> m_timer1;
};

// The logo, 32 by 32 on the splash, painted rather than loaded so start-up reads no file.
QPixmap sumtopiaLogo(int side = 32);

// The logo at the sizes window managers and task bars ask for, for the windows' icon.
QIcon sumtopiaIcon();
