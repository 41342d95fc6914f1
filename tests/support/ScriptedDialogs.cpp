#include "ScriptedDialogs.h"

#include <QFileInfo>
#include <QTest>

QString ScriptedDialogs::inputBox(QWidget *, const QString &prompt, const QString &title,
                                  const QString &defaultText)
{
    m_shown.append({QStringLiteral("input"), prompt, title, defaultText, Buttons::Ok, QString()});
    if (m_inputs.isEmpty()) {
        QTest::qFail("input box shown with no scripted answer", __FILE__, __LINE__);
        return QString();
    }
    return m_inputs.takeFirst();
}

Dialogs::Answer ScriptedDialogs::messageBox(QWidget *, const QString &prompt, const QString &title,
                                            Buttons buttons)
{
    m_shown.append({QStringLiteral("message"), prompt, title, QString(), buttons, QString()});
    if (m_messages.isEmpty()) {
        QTest::qFail("message box shown with no scripted answer", __FILE__, __LINE__);
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    return m_messages.takeFirst();
}

QString ScriptedDialogs::saveFileName(QWidget *, const QString &title, const QString &suggestedPath,
                                      const QString &, const QString &defaultSuffix)
{
    m_shown.append(
        {QStringLiteral("save"), QString(), title, suggestedPath, Buttons::Ok, QString()});
    if (m_saves.isEmpty()) {
        QTest::qFail("save dialog shown with no scripted answer", __FILE__, __LINE__);
        return QString();
    }
    const Save save = m_saves.takeFirst();
    QString path = save.path;
    if (path.isEmpty()) {
        return path;
    }
    if (QFileInfo(path).suffix().isEmpty() && !defaultSuffix.isEmpty()) {
        path += QLatin1Char('.') + defaultSuffix;
    }
    if (QFileInfo::exists(path)) {
        m_shown.last().replaceAsked = path;
        if (save.replace != Answer::Yes) {
            return QString();
        }
    }
    return path;
}

void ScriptedDialogs::notice(QWidget *, const QString &message, const QString &title)
{
    m_shown.append({QStringLiteral("notice"), message, title, QString(), Buttons::Ok, QString()});
}
