#include "MouseDrag.h"

#include <QApplication>
#include <QDrag>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

bool mouseDragStarts(QWidget *source, QPoint from, int distance)
{
    const QPoint to = from + QPoint(distance, 0);
    // A started drag runs until the button is let go; let it go from inside the drag's loop.
    bool sawDrag = false;
    QTimer release;
    release.setInterval(20);
    QObject::connect(&release, &QTimer::timeout, source, [&] {
        if (source->findChild<QDrag *>() != nullptr) {
            sawDrag = true;
        }
        QTest::mouseRelease(source, Qt::LeftButton, Qt::NoModifier, to);
    });
    release.start();
    QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), source->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(source, &move);
    sawDrag = sawDrag || source->findChild<QDrag *>() != nullptr;
    release.stop();
    return sawDrag;
}
