#pragma once

#include "ScriptedDialogs.h"
#include "app/Program.h"
#include "platform/RandomSource.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

// One run of the program with scripted dialogs, the real random source and a quit hook that
// only counts, so a test can end the run and look at what is left.
struct ProgramFixture {
    ScriptedDialogs dialogs;
    Pcg32RandomSource random;
    int quits = 0;
    Program program{dialogs, random, [this] { ++quits; }};

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

    // Lets deferred work (window deletion, the end-of-run check) happen.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};
