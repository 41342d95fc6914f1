#include "platform/Texts.h"

#include <QCoreApplication>
#include <QLocale>

QString translated(const char *context, const QString &source, const char *disambiguation)
{
    if (source.isEmpty()) {
        return source;
    }
    return QCoreApplication::translate(context, source.toUtf8().constData(), disambiguation);
}

QLocale languageLocale()
{
    const QStringList languages = QLocale::system().uiLanguages();
    return languages.isEmpty() ? QLocale::system() : QLocale(languages.first());
}

QString joinedList(const QStringList &items, const QString &between, const QString &last)
{
    if (items.size() < 2) {
        return items.value(0);
    }
    QString list = items.first();
    for (qsizetype i = 1; i + 1 < items.size(); ++i) {
        list = between.arg(list, items.at(i));
    }
    return last.arg(list, items.last());
}

QString choiceList(const QStringList &items)
{
    //: Joins two items of a list that is not yet at its end. The English design writes no
    //: blank after the comma.
    return joinedList(items, QCoreApplication::translate("Texts", "%1,%2"),
                      //: Joins the last item of a list of choices. The English design writes no
                      //: blank after the comma.
                      QCoreApplication::translate("Texts", "%1,or %2"));
}

QString upperCaseName(const QString &name, const QLocale &language)
{
    return language.toUpper(name);
}
