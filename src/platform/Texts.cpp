#include "platform/Texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace
{

// The program's catalogues are built into it; Qt's own (the standard buttons) come from the
// Qt installation. Each load is one file opened by name, never a folder scanned, so the splash
// shows as soon as before. Under the C locale (the tests' default) or an English one nothing
// loads and every text stays as designed.
void loadTranslations()
{
    // The languages asked for (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), as the desktop does.
    const QLocale locale = QLocale::system();
    auto *program = new QTranslator(QCoreApplication::instance());
    if (program->load(locale, QStringLiteral("sumtopia"), QStringLiteral("_"),
                      QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(program);
    } else {
        delete program;
        return;
    }
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
}

} // namespace

// Runs as the application object is made, in the window, the command line and the tests alike.
Q_COREAPP_STARTUP_FUNCTION(loadTranslations)

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

QString choiceList(const QStringList &items)
{
    if (items.size() < 2) {
        return items.value(0);
    }
    QString list = items.first();
    for (qsizetype i = 1; i + 1 < items.size(); ++i) {
        //: Joins two items of a list that is not yet at its end. The English design writes no
        //: blank after the comma.
        list = QCoreApplication::translate("Texts", "%1,%2").arg(list, items.at(i));
    }
    //: Joins the last item of a list of choices. The English design writes no blank after the
    //: comma.
    return QCoreApplication::translate("Texts", "%1,or %2").arg(list, items.last());
}

QString upperCaseName(const QString &name, const QLocale &language)
{
    return language.toUpper(name);
}
