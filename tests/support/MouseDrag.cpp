#include "MouseDrag.h"

#include <QApplication>
#include <QDrag>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>

bool mouseDragStarts(QWidget *source, QPoint from, int distance)
{
    const QPoint to = from + QPoint(distance, 0);
    // A drag of an earlier call may not be deleted yet; only a new one counts.
    const QList<QDrag *> earlier = source->findChildren<QDrag *>();
    const auto newDrag = [&] {
        const QList<QDrag *> now = source->findChildren<QDrag *>();
        return std::any_of(now.begin(), now.end(),
                           [&](QDrag *drag) { return !earlier.contains(drag); });
    };
    // A started drag runs until the button is let go; let it go from inside the drag's loop.
    bool sawDrag = false;
    QTimer release;
    release.setInterval(20);
    QObject::connect(&release, &QTimer::timeout, source, [&] {
        if (newDrag()) {
            sawDrag = true;
        }
        QTest::mouseRelease(source, Qt::LeftButton, Qt::NoModifier, to);
    });
    release.start();
    QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), source->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(source, &move);
    sawDrag = sawDrag || newDrag();
    release.stop();
    return sawDrag;
}
