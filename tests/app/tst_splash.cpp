#include "ProgramFixture.h"
#include "ScreenChecks.h"
#include "Shown.h"
#include "app/frmSelection.h"
#include "app/frmSplash.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QTimer>

class tst_Splash : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadShowsTitleAndStartsTimer();
    void screenAsDesigned();
    void tickHandsOverToMenuOnce();
    void menuComesUpAfterThreeSecondsNotBefore();
    void keyOrBareFrameClickEndsTheRun_data();
    void keyOrBareFrameClickEndsTheRun();
    void clickOnLabelOrLogoDoesNothing_data();
    void clickOnLabelOrLogoDoesNothing();
    void clickNotWhollyOnBareFrameDoesNothing_data();
    void clickNotWhollyOnBareFrameDoesNothing();
    void keyWithoutCharacterDoesNothing();
    void windowIconComesAfterTheSplash();
    void logoScalesToTheSideAsked_data();
    void logoScalesToTheSideAsked();
};

void tst_Splash::loadShowsTitleAndStartsTimer()
{
    ProgramFixture f;
    f.program.start();
    frmSplash &splash = f.program.splash();
    QVERIFY(splash.isLoaded());
    QVERIFY(splash.isVisible());
    QCOMPARE(splash.window()->windowTitle(), shown("frmSplash", "Math Quiz"));
    QCOMPARE(splash.lblProductName()->text(), QStringLiteral("Sumtopia"));
    QVERIFY(splash.Timer1()->isActive());
    QCOMPARE(splash.Timer1()->interval(), 3000);
    QCOMPARE(splash.Timer1()->timerType(), Qt::PreciseTimer);
    QVERIFY(!(splash.window()->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(splash.window()->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(splash.window()->client()->size(), QSize(506, 347));
    QVERIFY(!f.program.selection().isLoaded());
}

void tst_Splash::screenAsDesigned()
{
    ProgramFixture f;
    f.program.start();
    QWidget *frame = f.program.splash().Frame1();
    // The company's line is designed to start a pixel inside the copyright's box, below its text.
    const QString faults = screenFaults(frame, splashControls(), QStringLiteral("Arial"),
                                        {{"lblCompany", "lblCopyright"}});
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
    // The frame fills the window below a thin cyan strip; the title stands in its middle.
    QCOMPARE(frame->geometry(), QRect(0, 4, 503, 341));
    QCOMPARE(f.program.splash().lblProductName()->geometry(), QRect(32, 136, 429, 51));
    // The captions on the frame's cyan, in the designed Arial's stand-in.
    auto *warning = frame->findChild<QLabel *>(QStringLiteral("lblWarning"));
    QVERIFY(warning != nullptr);
    QCOMPARE(warning->text(),
             shown("frmSplash", "Warning: This is a math application for grades 1-6, the weak at "
                                "heart should not attempt."));
    QCOMPARE(warning->palette().color(QPalette::Window), QColor(0, 255, 255));
    QCOMPARE(QFontInfo(warning->font()).family(), QStringLiteral("Liberation Sans"));
}

void tst_Splash::tickHandsOverToMenuOnce()
{
    ProgramFixture f;
    f.program.start();
    f.program.splash().Timer1_Timer();
    QVERIFY(f.program.splash().isLoaded());
    QVERIFY(!f.program.splash().isVisible());
    QVERIFY(f.program.selection().isVisible());
    QVERIFY(!f.program.splash().Timer1()->isActive());
    QCOMPARE(f.program.visibleCount(), 1);
}

void tst_Splash::menuComesUpAfterThreeSecondsNotBefore()
{
    // Three seconds of real waiting are the same at every scale and in every language.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        QSKIP("the timer runs once, in the plain run");
    }
    ProgramFixture f;
    QElapsedTimer clock;
    clock.start();
    f.program.start();
    QTRY_VERIFY_WITH_TIMEOUT(f.program.selection().isVisible(), 6000);
    QVERIFY2(clock.elapsed() >= 3000, qPrintable(QString::number(clock.elapsed())));
    // The splash never comes back.
    QTest::qWait(200);
    QVERIFY(!f.program.splash().isVisible());
    QCOMPARE(f.program.visibleCount(), 1);
    QCOMPARE(f.quits, 0);
}

void tst_Splash::keyOrBareFrameClickEndsTheRun_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("letter key") << "key";
    QTest::addRow("digit key") << "digit";
    QTest::addRow("Return key, a carriage return") << "return";
    QTest::addRow("Enter key on the keypad") << "enter";
    QTest::addRow("Escape key") << "escape";
    QTest::addRow("Backspace key") << "backspace";
    QTest::addRow("click on bare frame") << "frame";
    QTest::addRow("title-bar close") << "close";
}

void tst_Splash::keyOrBareFrameClickEndsTheRun()
{
    QFETCH(QString, how);
    ProgramFixture f;
    f.program.start();
    FormWindow *window = f.program.splash().window();
    if (how == "key") {
        QTest::keyClick(window, Qt::Key_A);
    } else if (how == "digit") {
        QTest::keyClick(window, Qt::Key_5);
    } else if (how == "return") {
        QTest::keyClick(window, Qt::Key_Return);
    } else if (how == "enter") {
        QTest::keyClick(window, Qt::Key_Enter, Qt::KeypadModifier);
    } else if (how == "escape") {
        QTest::keyClick(window, Qt::Key_Escape);
    } else if (how == "backspace") {
        QTest::keyClick(window, Qt::Key_Backspace);
    } else if (how == "frame") {
        ClickFrame *frame = f.program.splash().Frame1();
        const QPoint bare(frame->width() - 20, frame->height() / 2 + 40);
        QVERIFY(frame->childAt(bare) == nullptr);
        QTest::mouseClick(frame, Qt::LeftButton, {}, bare);
    } else {
        window->close();
    }
    QVERIFY(!f.program.splash().isLoaded());
    ProgramFixture::settle();
    QCOMPARE(f.quits, 1);
    QVERIFY(f.program.hasEnded());
    QVERIFY(!f.program.selection().isLoaded());
    QCOMPARE(f.program.loadedCount(), 0);
}

void tst_Splash::clickOnLabelOrLogoDoesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("product name") << "lblProductName";
    QTest::addRow("warning") << "lblWarning";
    QTest::addRow("licensee") << "lblLicenseTo";
    QTest::addRow("logo") << "imgLogo";
}

void tst_Splash::clickOnLabelOrLogoDoesNothing()
{
    QFETCH(QString, name);
    ProgramFixture f;
    f.program.start();
    auto *widget = f.program.splash().window()->findChild<QWidget *>(name);
    QVERIFY(widget != nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    ProgramFixture::settle();
    QVERIFY(f.program.splash().isVisible());
    QCOMPARE(f.quits, 0);
}

// A click ends the run only when the left button goes both down and up on the bare frame.
void tst_Splash::clickNotWhollyOnBareFrameDoesNothing_data()
{
    QTest::addColumn<QString>("pressedOn");
    QTest::addColumn<QString>("releasedOn");
    QTest::addColumn<int>("button");
    QTest::addRow("pressed on the title, let go on the bare frame") << "lblProductName"
                                                                    << "" << int(Qt::LeftButton);
    QTest::addRow("pressed on the bare frame, let go on the title")
        << ""
        << "lblProductName" << int(Qt::LeftButton);
    QTest::addRow("right button on the bare frame") << ""
                                                    << "" << int(Qt::RightButton);
}

void tst_Splash::clickNotWhollyOnBareFrameDoesNothing()
{
    QFETCH(QString, pressedOn);
    QFETCH(QString, releasedOn);
    QFETCH(int, button);
    ProgramFixture f;
    f.program.start();
    ClickFrame *frame = f.program.splash().Frame1();
    const auto point = [frame](const QString &name) {
        if (name.isEmpty()) {
            return QPoint(frame->width() - 20, frame->height() / 2 + 40);
        }
        return frame->findChild<QWidget *>(name)->geometry().center();
    };
    QTest::mousePress(frame, Qt::MouseButton(button), {}, point(pressedOn));
    QTest::mouseRelease(frame, Qt::MouseButton(button), {}, point(releasedOn));
    ProgramFixture::settle();
    QVERIFY(f.program.splash().isVisible());
    QCOMPARE(f.quits, 0);
}

void tst_Splash::keyWithoutCharacterDoesNothing()
{
    ProgramFixture f;
    f.program.start();
    QTest::keyClick(f.program.splash().window(), Qt::Key_Shift);
    QTest::keyClick(f.program.splash().window(), Qt::Key_F5);
    ProgramFixture::settle();
    QVERIFY(f.program.splash().isVisible());
    QCOMPARE(f.quits, 0);
}

void tst_Splash::windowIconComesAfterTheSplash()
{
    QApplication::setWindowIcon(QIcon());
    ProgramFixture f;
    f.program.start();
    // Not painted on the way to the first window...
    QVERIFY(f.program.splash().isVisible());
    QVERIFY(QApplication::windowIcon().isNull());
    // ...but as soon as the event loop turns, for every window.
    ProgramFixture::settle();
    const QList<QSize> expected{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    QCOMPARE(QApplication::windowIcon().availableSizes(), expected);
    QVERIFY(!f.program.splash().window()->windowIcon().isNull());
    f.program.splash().Timer1_Timer();
    QVERIFY(f.program.selection().isVisible());
    QVERIFY(!f.program.selection().window()->windowIcon().isNull());
}

void tst_Splash::logoScalesToTheSideAsked_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QRgb>("colour");
    const QRgb clear = qRgba(0, 0, 0, 0);
    const QRgb red = qRgb(0xE0, 0x40, 0x30);
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    QTest::addRow("32: corner outside the rounded square") << 32 << QPoint(0, 0) << clear;
    QTest::addRow("32: ground between the signs") << 32 << QPoint(16, 4) << red;
    QTest::addRow("32: middle of the plus") << 32 << QPoint(9, 9) << white;
    QTest::addRow("32: upper dot of the divide") << 32 << QPoint(23, 19) << white;
    QTest::addRow("64: corner outside the rounded square") << 64 << QPoint(1, 1) << clear;
    QTest::addRow("64: ground between the signs") << 64 << QPoint(32, 8) << red;
    QTest::addRow("64: middle of the plus") << 64 << QPoint(18, 18) << white;
    QTest::addRow("64: upper dot of the divide") << 64 << QPoint(46, 39) << white;
    QTest::addRow("64: ground above the divide") << 64 << QPoint(46, 33) << red;
    QTest::addRow("64: middle of the times") << 64 << QPoint(18, 46) << white;
    QTest::addRow("16: ground between the signs") << 16 << QPoint(8, 2) << red;
}

void tst_Splash::logoScalesToTheSideAsked()
{
    QFETCH(int, side);
    QFETCH(QPoint, point);
    QFETCH(QRgb, colour);
    const QImage image = sumtopiaLogo(side).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(side, side));
    QCOMPARE(image.pixel(point), colour);
}

QTEST_MAIN(tst_Splash)
#include "tst_splash.moc"
