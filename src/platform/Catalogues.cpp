#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace
{

// The program's catalogues are built into it; Qt's own (the standard buttons) come from the
// Qt installation. Each load is one file opened by name, never a folder scanned, so the splash
// shows as soon as before. The English catalogue holds only the plural forms of counts ("1 job",
// "2 jobs") and loads first in every language, so English counts read as designed and a language
// missing an entry falls back to them. Under the C locale (the tests' default) or an English one
// nothing else loads and every other text stays as designed.
void loadTranslations()
{
    auto *english = new QTranslator(QCoreApplication::instance());
    if (english->load(QStringLiteral(":/i18n/sumtopia_en"))) {
        QCoreApplication::installTranslator(english);
    } else {
        delete english;
        english = nullptr;
    }
    // The languages asked for (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), as the desktop does.
    const QLocale locale = QLocale::system();
    auto *program = new QTranslator(QCoreApplication::instance());
    if (program->load(locale, QStringLiteral("sumtopia"), QStringLiteral("_"),
                      QStringLiteral(":/i18n")) &&
        (english == nullptr || program->language() != english->language())) {
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
