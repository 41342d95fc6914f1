#include "ScriptedDialogs.h"

#include <QTest>

QString ScriptedDialogs::inputBox(QWidget *, const QString &prompt, const QString &title,
                                  const QString &defaultText)
{
    m_shown.append({QStringLiteral("input"), prompt, title, defaultText, Buttons::Ok});
    if (m_inputs.isEmpty()) {
        QTest::qFail("input box shown with no scripted answer", __FILE__, __LINE__);
        return QString();
    }
    return m_inputs.takeFirst();
}

Dialogs::Answer ScriptedDialogs::messageBox(QWidget *, const QString &prompt, const QString &title,
                                            Buttons buttons)
{
    m_shown.append({QStringLiteral("message"), prompt, title, QString(), buttons});
    if (m_messages.isEmpty()) {
        QTest::qFail("message box shown with no scripted answer", __FILE__, __LINE__);
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    return m_messages.takeFirst();
}

QString ScriptedDialogs::saveFileName(QWidget *, const QString &title, const QString &suggestedPath,
                                      const QString &)
{
    m_shown.append({QStringLiteral("save"), QString(), title, suggestedPath, Buttons::Ok});
    if (m_saves.isEmpty()) {
        QTest::qFail("save dialog shown with no scripted answer", __FILE__, __LINE__);
        return QString();
    }
    return m_saves.takeFirst();
}

void ScriptedDialogs::notice(QWidget *, const QString &message, const QString &title)
{
    m_shown.append({QStringLiteral("notice"), message, title, QString(), Buttons::Ok});
}
