#pragma once

#include "platform/Controls.h"
#include "platform/ScreenRow.h"
#include "platform/Twips.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

// What a person sees of a screen built from its table: every row is a control in its designed box
// and type size, inside the control that holds it, and no two controls of one holder cover each
// other, but for the pairs named in `touching` (later row first). Returns an empty text when all
// holds, else what does not.
template <typename Role>
QString screenFaults(QWidget *window, const QList<ScreenRow<Role>> &rows,
                     const QString &family = QStringLiteral("MS Sans Serif"),
                     const QList<QPair<QString, QString>> &touching = {})
{
    QList<QWidget *> placed;
    for (const ScreenRow<Role> &row : rows) {
        QWidget *widget = window->findChild<QWidget *>(row.name);
        if (widget == nullptr) {
            return row.name + QStringLiteral(" is missing");
        }
        if (widget->geometry() != twipsRect(row.left, row.top, row.width, row.height)) {
            return row.name + QStringLiteral(" is not in its designed box");
        }
        if (!widget->parentWidget()->rect().contains(widget->geometry())) {
            return row.name + QStringLiteral(" sticks out of ") +
                   widget->parentWidget()->objectName();
        }
        if (row.points > 0 &&
            widget->font().pixelSize() != designFont(row.points, row.bold, family).pixelSize()) {
            return row.name + QStringLiteral(" has the wrong type size");
        }
        for (QWidget *other : std::as_const(placed)) {
            if (other->parentWidget() == widget->parentWidget() &&
                other->geometry().intersects(widget->geometry()) &&
                !touching.contains({row.name, other->objectName()})) {
                return row.name + QStringLiteral(" covers ") + other->objectName();
            }
        }
        placed.append(widget);
    }
    return QString();
}
