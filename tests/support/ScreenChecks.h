#pragma once

#include "platform/Controls.h"
#include "platform/ScreenBuilder.h"
#include "platform/ScreenRow.h"
#include "platform/Twips.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QLocale>
#include <QPair>
#include <QPushButton>
#include <QString>
#include <QWidget>

// Whether the boxes must stand exactly as designed, or may have grown for a longer caption.
enum class Boxes { AsDesigned, MayGrow };

// English keeps every box as designed; a translated run may grow the boxes its captions need.
inline Boxes boxesOfThisRun()
{
    const QString language = QLocale::system().uiLanguages().value(0);
    return language == QLatin1String("C") || language.startsWith(QLatin1String("en"))
               ? Boxes::AsDesigned
               : Boxes::MayGrow;
}

// What of a control's caption is cut off, measured at its font in its box; empty when it all
// shows.
inline QString captionFault(const QWidget *widget)
{
    const QFontMetrics metrics(widget->font());
    const QString name = widget->objectName();
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty()) {
            return QString();
        }
        const QRect room = label->contentsRect();
        QRect used = metrics.boundingRect(
            room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
            label->text());
        used.setHeight(used.height() - captionRoom::unusedDescent(metrics, label->text()));
        if (used.width() > room.width() || used.height() > room.height()) {
            return QStringLiteral("%1 cuts off \"%2\": it needs %3x%4 px, has %5x%6")
                .arg(name, label->text())
                .arg(used.width())
                .arg(used.height())
                .arg(room.width())
                .arg(room.height());
        }
    } else if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
        const QStringList lines = button->text().split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            if (metrics.horizontalAdvance(line) + captionRoom::buttonBevel > button->width()) {
                return name + QStringLiteral(" cuts off \"") + line + QLatin1Char('"');
            }
        }
        if (lines.size() * metrics.lineSpacing() + captionRoom::buttonPadding > button->height()) {
            return name + QStringLiteral(" has more lines than room");
        }
    } else if (const auto *option = qobject_cast<const QAbstractButton *>(widget)) {
        if (option->sizeHint().width() > option->width()) {
            return name + QStringLiteral(" cuts off \"") + option->text() + QLatin1Char('"');
        }
    } else if (const auto *frame = qobject_cast<const QGroupBox *>(widget)) {
        if (metrics.horizontalAdvance(frame->title()) + captionRoom::frameTitlePadding >
            frame->width()) {
            return name + QStringLiteral(" cuts off \"") + frame->title() + QLatin1Char('"');
        }
    }
    return QString();
}

// What a person sees of a screen built from its table: every row is a control in its designed box
// (or, where the run allows, in a box grown from it) and type size, its caption whole, inside the
// control that holds it, and no two controls of one holder cover each other, nor a drawn line,
// but for the pairs named in `touching` (later row first). Returns an empty text when all holds,
// else what does not.
template <typename Role>
QString screenFaults(QWidget *window, const QList<ScreenRow<Role>> &rows,
                     const QString &family = QStringLiteral("MS Sans Serif"),
                     const QList<QPair<QString, QString>> &touching = {},
                     Boxes boxes = boxesOfThisRun())
{
    QList<QWidget *> placed;
    for (const ScreenRow<Role> &row : rows) {
        QWidget *widget = window->findChild<QWidget *>(row.name);
        if (widget == nullptr) {
            return row.name + QStringLiteral(" is missing");
        }
        const QRect designed = twipsRect(row.left, row.top, row.width, row.height);
        if (boxes == Boxes::AsDesigned ? widget->geometry() != designed
                                       : !widget->geometry().contains(designed)) {
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
        if (const QString cut = captionFault(widget); !cut.isEmpty()) {
            return cut;
        }
        for (QWidget *other : std::as_const(placed)) {
            if (other->parentWidget() == widget->parentWidget() &&
                other->geometry().intersects(widget->geometry()) &&
                !touching.contains({row.name, other->objectName()})) {
                return row.name + QStringLiteral(" covers ") + other->objectName();
            }
        }
        for (const DrawnLine *line : widget->parentWidget()->findChildren<DrawnLine *>(
                 QString(), Qt::FindDirectChildrenOnly)) {
            if (line->geometry().intersects(widget->geometry())) {
                return row.name + QStringLiteral(" covers ") + line->objectName();
            }
        }
        placed.append(widget);
    }
    return QString();
}
