#pragma once

#include "platform/Accessibility.h"

#include <QRect>
#include <QString>

// The verdict of a drop. It wraps at its blanks and grows to its text; when its designed place is
// too small it moves left and up into the free room beside the problem, and only when a long name
// still does not fit there does its type get smaller, so the child always reads it whole.
class VerdictLabel final : public AnnouncementLabel
{
    Q_OBJECT
public:
    // designed and room in the parent's pixels; points is the designed type size.
    VerdictLabel(QWidget *parent, const QRect &designed, const QRect &room, double points);

    // Says the text, fitted, and shows it; a second wrong drop says the same text again.
    void showVerdict(const QString &text);

private:
    QRect m_designed;
    QRect m_room;
    double m_points;
};
