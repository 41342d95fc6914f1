#pragma once

#include "ScriptedDialogs.h"
#include "ScriptedPrinterService.h"
#include "ScriptedRandomSource.h"
#include "app/Program.h"
#include "app/frmSelection.h"
#include "drills/DrillWindow.h"
#include "platform/DragDrop.h"
#include "platform/RandomSource.h"
#include "worksheets/frmTeacherAide.h"

#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <memory>

// The four candidates' captions, lblfirst(1) first.
inline QStringList candidateTexts(const DrillWindow &window)
{
    QStringList texts;
    for (int index = 1; index <= 4; ++index) {
        texts.append(window.lblfirst(index)->text());
    }
    return texts;
}

// How many candidates can still be dragged or chosen.
inline int enabledCandidates(const DrillWindow &window)
{
    int count = 0;
    for (int index = 1; index <= 4; ++index) {
        count += window.lblfirst(index)->isEnabled() ? 1 : 0;
    }
    return count;
}

// One run of the program with scripted dialogs, a scripted print server and a quit hook that
// only counts, so a test can end the run and look at what is left. The random source is the real
// one (ProgramFixture) or a scripted one (DrillFixture), for tests that set each problem's draws.
template <typename Random> struct BasicProgramFixture {
    // The request window asks after printed jobs often, so a test hears of them at once.
    BasicProgramFixture() { aide().setFollowInterval(20); }

    ScriptedDialogs dialogs;
    ScriptedPrinterService printers;
    Random random;
    int quits = 0;
    Program program{dialogs, random, printers, [this] { ++quits; }};

    frmTeacherAide &aide() const { return program.teacherAide(); }

    template <typename T> T *child(Form &form, const char *name) const
    {
        if (form.window() == nullptr) {
            return nullptr;
        }
        return form.window()->findChild<T *>(QString::fromLatin1(name));
    }

    // Clicks a button of a loaded form with the mouse, as a user would.
    bool click(Form &form, const char *name) const
    {
        QPushButton *button = child<QPushButton>(form, name);
        if (button == nullptr || !button->isVisible() || !button->isEnabled()) {
            return false;
        }
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }

    bool trigger(Form &form, const char *actionName) const
    {
        QAction *action = child<QAction>(form, actionName);
        if (action == nullptr || !action->isEnabled()) {
            return false;
        }
        action->trigger();
        return true;
    }

    // The widget that has, or would have, the keyboard focus in a loaded form.
    static QWidget *focused(Form &form) { return form.window()->focusWidget(); }

    // Chooses an item of one of the request window's lists; -1 chooses none.
    void choose(const char *list, int index) const
    {
        child<QComboBox>(aide(), list)->setCurrentIndex(index);
    }

    // Submits a request and waits until the print server has been heard from.
    void submit() const
    {
        QTest::mouseClick(child<QPushButton>(aide(), "cmdSubmit"), Qt::LeftButton);
        QTRY_COMPARE(aide().deliveriesInFlight(), 0);
    }

    QList<PrintDocument> printed() const { return printers.submitted(); }

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

    // Lets deferred work (window deletion, the end-of-run check) happen.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
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
};

using ProgramFixture = BasicProgramFixture<Pcg32RandomSource>;
using DrillFixture = BasicProgramFixture<ScriptedRandomSource>;
