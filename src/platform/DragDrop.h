#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QString>

class QMimeData;

// Dragging a candidate answer onto the answer box. The drag carries a private MIME type naming
// the window and the candidate's index, so only the answer box of the same window takes it and
// text dragged from elsewhere is refused.

QString candidateMimeType();

// The payload of a candidate drag: the window's name and the candidate index.
QByteArray candidatePayload(const QString &windowName, int index);
// The index carried by a candidate drag of the given window, or 0 if the data is no such drag.
int candidateIndex(const QMimeData *data, const QString &windowName);

// A drag starts with the left button held, the label enabled, and the pointer moved at least the
// platform's drag distance from where it was pressed.
bool dragShouldStart(bool enabled, Qt::MouseButtons buttons, QPoint pressPos, QPoint currentPos,
                     int startDistance);

// A label with automatic drag: pressing and moving it starts a drag of its own candidate; the
// label stays where it is. A disabled label gets no mouse or key events, so it cannot be dragged
// or chosen.
//
// For those who cannot drag, it can also be chosen without moving: with the keyboard focus on it
// (it takes the focus from Tab only, so a click leaves the focus where it was), Space or Return
// chooses it; a press and release without moving is a click, which the window may take as a
// selection to be dropped by a click on the answer box. The focus frame and the selection mark
// are drawn only while there is such a focus or selection.
class CandidateLabel final : public QLabel
{
    Q_OBJECT
public:
    CandidateLabel(QWidget *parent, const QString &windowName, int index);

    int index() const { return m_index; }
    QMimeData *dragData() const;

    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    // Chooses this candidate as a drop would, if it is enabled.
    void activate();

Q_SIGNALS:
    // Chosen from the keyboard or an assistive tool.
    void activated(int index);
    // Pressed and released without a drag.
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void startDrag();
    // The focus frame shows once the keyboard is at work: the window opens with the focus here,
    // and a mouse user sees the window as designed until a key is pressed.
    bool m_keyboardFocus = false;

    QString m_windowName;
    int m_index;
    QPoint m_pressPos;
    bool m_pressed = false;
    bool m_selected = false;
};

// The answer box: right-aligned text that takes drops of its window's candidates only.
class AnswerBox final : public QLineEdit
{
    Q_OBJECT
public:
    AnswerBox(QWidget *parent, const QString &windowName);

Q_SIGNALS:
    // A candidate of this window was dropped here.
    void candidateDropped(int index);
    // Pressed and released with the left button.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QString m_windowName;
    bool m_pressed = false;
};
