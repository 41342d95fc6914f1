#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QString>

// Answers dialogs from a queue filled in advance and records every dialog shown.
// A dialog with no queued answer fails the test and is answered as cancelled / No.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Shown {
        QString kind; // "input", "message", "save" or "notice"
        QString prompt;
        QString title;
        QString defaultText; // input box default, or the save dialog's suggested path
        Buttons buttons = Buttons::Ok;
        // The save dialog asked whether to replace this file (named as it was to be written).
        QString replaceAsked;
    };

    void answerInput(const QString &text) { m_inputs.append(text); }
    void answerMessage(Answer answer) { m_messages.append(answer); }
    // The save dialog takes `path` as a typed name, adding the default suffix to a name without
    // one as Qt's dialog does; for a file that exists it asks first, answered with `replace`
    // (No keeps the dialog from saving, as a teacher who then cancels).
    void answerSave(const QString &path, Answer replace = Answer::Yes)
    {
        m_saves.append({path, replace});
    }

    QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    Answer messageBox(QWidget *parent, const QString &prompt, const QString &title,
                      Buttons buttons) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggestedPath,
                         const QString &filter, const QString &defaultSuffix) override;
    void notice(QWidget *parent, const QString &message, const QString &title) override;

    const QList<Shown> &shown() const { return m_shown; }
    void clearShown() { m_shown.clear(); }
    int pendingAnswers() const
    {
        return static_cast<int>(m_inputs.size() + m_messages.size() + m_saves.size());
    }

private:
    QList<QString> m_inputs;
    QList<Answer> m_messages;
    struct Save {
        QString path;
        Answer replace = Answer::Yes;
    };
    QList<Save> m_saves;
    QList<Shown> m_shown;
};
