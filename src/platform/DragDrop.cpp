#include "platform/DragDrop.h"

#include "platform/Numbers.h"

#include <QAccessible>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

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
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(tr("answer choice %1 of 4").arg(integerText(index)));
}

void CandidateLabel::setSelected(bool selected)
{
    if (m_selected == selected) {
        return;
    }
    m_selected = selected;
    update();
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void CandidateLabel::activate()
{
    if (isEnabled()) {
        Q_EMIT activated(m_index);
    }
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
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CandidateLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (dragShouldStart(isEnabled(), event->buttons(), m_pressPos, event->position().toPoint(),
                        QApplication::startDragDistance())) {
        // A press that became a drag is no click.
        m_pressed = false;
        startDrag();
        return;
    }
    QLabel::mouseMoveEvent(event);
}

void CandidateLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click && isEnabled()) {
        Q_EMIT clicked(m_index);
    }
}

void CandidateLabel::focusInEvent(QFocusEvent *event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        m_keyboardFocus = true;
    } else if (event->reason() != Qt::ActiveWindowFocusReason) {
        m_keyboardFocus = false;
    }
    QLabel::focusInEvent(event);
}

void CandidateLabel::keyPressEvent(QKeyEvent *event)
{
    if (!m_keyboardFocus) {
        m_keyboardFocus = true;
        update();
    }
    const int key = event->key();
    const bool choose = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (choose && modifiers == Qt::NoModifier) {
        event->accept();
        if (!event->isAutoRepeat()) {
            activate();
        }
        return;
    }
    QLabel::keyPressEvent(event);
}

void CandidateLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    const bool focusFrame = hasFocus() && m_keyboardFocus;
    if (!m_selected && !focusFrame) {
        return;
    }
    QPainter painter(this);
    if (m_selected) {
        // A thick dark blue frame inside the border: the candidate that a click on the answer
        // box will drop.
        painter.setPen(
            QPen(QColor(0x00, 0x00, 0x80), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
    }
    if (focusFrame) {
        painter.setPen(QPen(Qt::black, 2, Qt::DashLine));
        painter.drawRect(QRectF(rect()).adjusted(5, 5, -5, -5));
    }
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

void AnswerBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLineEdit::mousePressEvent(event);
}

void AnswerBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLineEdit::mouseReleaseEvent(event);
    if (click) {
        Q_EMIT clicked();
    }
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
