#include "platform/DragDrop.h"

#include "platform/Numbers.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

QString candidateMimeType()
{
    return QStringLiteral("application/x-sumtopia-candidate");
}

QByteArray candidatePayload(const QString &windowName, int index)
{
    return (windowName + QLatin1Char(':') + integerText(index)).toUtf8();
}

int candidateIndex(const QMimeData *data, const QString &windowName)
{
    if (data == nullptr || !data->hasFormat(candidateMimeType())) {
        return 0;
    }
    const QString payload = QString::fromUtf8(data->data(candidateMimeType()));
    const QString prefix = windowName + QLatin1Char(':');
    if (!payload.startsWith(prefix)) {
        return 0;
    }
    bool ok = false;
    const int index = payload.mid(prefix.size()).toInt(&ok);
    return ok && index >= 1 && index <= 4 ? index : 0;
}

bool dragShouldStart(bool enabled, Qt::MouseButtons buttons, QPoint pressPos, QPoint currentPos,
                     int startDistance)
{
    return enabled && (buttons & Qt::LeftButton) &&
           (currentPos - pressPos).manhattanLength() >= startDistance;
}

CandidateLabel::CandidateLabel(QWidget *parent, const QString &windowName, int index)
    : QLabel(parent), m_windowName(windowName), m_index(index)
{
}

QMimeData *CandidateLabel::dragData() const
{
    auto *data = new QMimeData;
    data->setData(candidateMimeType(), candidatePayload(m_windowName, m_index));
    return data;
}

void CandidateLabel::mousePressEvent(QMouseEvent *event)
{
    // Taken here, so the moves that follow come to this label and not to its parent.
    m_pressPos = event->position().toPoint();
    event->accept();
}

void CandidateLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (dragShouldStart(isEnabled(), event->buttons(), m_pressPos, event->position().toPoint(),
                        QApplication::startDragDistance())) {
        startDrag();
        return;
    }
    QLabel::mouseMoveEvent(event);
}

void CandidateLabel::startDrag()
{
    auto *drag = new QDrag(this);
    drag->setMimeData(dragData());
    drag->setPixmap(grab());
    drag->setHotSpot(m_pressPos);
    drag->exec(Qt::CopyAction);
}

AnswerBox::AnswerBox(QWidget *parent, const QString &windowName)
    : QLineEdit(parent), m_windowName(windowName)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAcceptDrops(true);
}

void AnswerBox::dragEnterEvent(QDragEnterEvent *event)
{
    // QLineEdit would take any text; only this window's candidates are wanted.
    if (candidateIndex(event->mimeData(), m_windowName) != 0) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void AnswerBox::dragMoveEvent(QDragMoveEvent *event)
{
    if (candidateIndex(event->mimeData(), m_windowName) != 0) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void AnswerBox::dragLeaveEvent(QDragLeaveEvent *event)
{
    event->accept();
}

void AnswerBox::dropEvent(QDropEvent *event)
{
    const int index = candidateIndex(event->mimeData(), m_windowName);
    if (index == 0) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT candidateDropped(index);
}
