#pragma once

#include "ScriptedDialogs.h"
#include "ScriptedRandomSource.h"
#include "app/Program.h"
#include "app/frmSelection.h"
#include "drills/DrillWindow.h"
#include "drills/frmAddition.h"
#include "drills/frmDivision.h"
#include "drills/frmMultiplication.h"
#include "drills/frmPercent.h"
#include "drills/frmSubtraction.h"
#include "platform/DragDrop.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

// One run with scripted dialogs and random values and a quit hook that counts, for driving the
// drill windows.
struct DrillFixture {
    ScriptedDialogs dialogs;
    ScriptedRandomSource random;
    int quits = 0;
    Program program{dialogs, random, [this] { ++quits; }};

    DrillWindow &drill(const QString &name)
    {
        for (Form *form : program.forms()) {
            if (form->name() == name) {
                return *static_cast<DrillWindow *>(form);
            }
        }
        qFatal("no drill %s", qPrintable(name));
    }

    // Loads a drill as the menu would, with the given name stored and grade answered.
    DrillWindow &open(const QString &name, const QString &fullName, const QString &grade)
    {
        program.selection().strFullName = fullName;
        dialogs.answerInput(grade);
        DrillWindow &window = drill(name);
        window.load();
        return window;
    }

    // The drag-and-drop sequence a user's drop produces, sent to whatever widget is under the
    // given point of the window. True when the drop was taken.
    static bool dropAt(FormWindow *window, QPoint windowPos, const QMimeData &data)
    {
        QWidget *target = window->childAt(windowPos);
        if (target == nullptr) {
            return false;
        }
        const QPointF pos = target->mapFrom(window, windowPos);
        QDragEnterEvent enter(pos.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDragMoveEvent move(pos.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        if (!move.isAccepted()) {
            return false;
        }
        QDropEvent drop(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

    static QPoint centreOf(const QWidget *widget, const FormWindow *window)
    {
        return widget->mapTo(window, widget->rect().center());
    }

    static QMimeData *candidateData(const DrillWindow &window, int index)
    {
        auto *data = new QMimeData;
        data->setData(candidateMimeType(), candidatePayload(window.name(), index));
        return data;
    }

    // Drops candidate index on the answer box, found by hit-testing at the box's centre.
    static bool dropCandidate(DrillWindow &window, int index)
    {
        const std::unique_ptr<QMimeData> data(candidateData(window, index));
        return dropAt(window.window(), centreOf(window.txtAnswer(), window.window()), *data);
    }

    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

// A random value whose draw Int(r * k + c) is the given whole number.
inline float valueFor(int wanted, int k, int c)
{
    return static_cast<float>((wanted - c + 0.5) / k);
}
