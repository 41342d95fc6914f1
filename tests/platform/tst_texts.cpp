#include "platform/Texts.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>
#include <memory>

// Texts the program writes around what the person gave or chose: a list of choices joined as the
// language writes it, and a name in capitals by the language's rules.
class tst_Texts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choiceListInEachLanguage_data();
    void choiceListInEachLanguage();
    void upperCaseName_data();
    void upperCaseName();
    void sessionLanguageUpperCases();
};

void tst_Texts::choiceListInEachLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("list");
    const QStringList english = {"Addition", "Subtraction", "Division", "Multiplication",
                                 "Percents"};
    QTest::addRow("English as designed, no blanks")
        << "" << english << "Addition,Subtraction,Division,Multiplication,or Percents";
    QTest::addRow("English two") << "" << QStringList{"Yes", "No"} << "Yes,or No";
    QTest::addRow("English one") << "" << QStringList{"Percents"} << "Percents";
    QTest::addRow("English none") << "" << QStringList{} << "";
    QTest::addRow("German")
        << "de"
        << QStringList{"Addition", "Subtraktion", "Division", "Multiplikation", "Prozentrechnung"}
        << "Addition, Subtraktion, Division, Multiplikation oder Prozentrechnung";
    QTest::addRow("German two") << "de" << QStringList{"Ja", "Nein"} << "Ja oder Nein";
    QTest::addRow("French") << "fr"
                            << QStringList{"Addition", "Soustraction", "Division", "Multiplication",
                                           "Pourcentages"}
                            << "Addition, Soustraction, Division, Multiplication ou Pourcentages";
    QTest::addRow("Spanish") << "es"
                             << QStringList{"Suma", "Resta", "Divisi\u00F3n", "Multiplicaci\u00F3n",
                                            "Porcentajes"}
                             << "Suma, Resta, Divisi\u00F3n, Multiplicaci\u00F3n o Porcentajes";
}

void tst_Texts::choiceListInEachLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, items);
    QFETCH(QString, list);
    std::unique_ptr<QTranslator> catalogue;
    if (!language.isEmpty()) {
        catalogue = std::make_unique<QTranslator>();
        QVERIFY(catalogue->load(QStringLiteral(":/i18n/sumtopia_") + language));
        QCoreApplication::installTranslator(catalogue.get());
    }
    QCOMPARE(choiceList(items), list);
}

void tst_Texts::upperCaseName_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("upper");
    // Only the given language's rules make a Turkish i a dotted capital.
    QTest::addRow("Turkish dotted i") << "tr_TR"
                                      << "ilkay"
                                      << "\u0130LKAY";
    QTest::addRow("blanks kept") << "C"
                                 << " ann lee "
                                 << " ANN LEE ";
}

void tst_Texts::upperCaseName()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    QFETCH(QString, upper);
    QCOMPARE(::upperCaseName(name, QLocale(language)), upper);
}

// main() starts this run in a Turkish session, as LANGUAGE=tr_TR does; the C locale's rules
// would give a plain I.
void tst_Texts::sessionLanguageUpperCases()
{
    QCOMPARE(::upperCaseName(QStringLiteral("ilkay"), languageLocale()),
             QStringLiteral("\u0130LKAY"));
}

int main(int argc, char *argv[])
{
    qputenv("LANGUAGE", "tr_TR");
    qputenv("LC_ALL", "C.UTF-8");
    QCoreApplication app(argc, argv);
    tst_Texts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_texts.moc"
