// The window in the user's language: the program's texts, and Qt's own.
#include "support/window_fixture.h"

#include "platform/application.h"

class TranslationsTest : public QObject {
    Q_OBJECT

public:
    explicit TranslationsTest(Application& app) : app_(app) {}

private slots:
    void initTestCase() { InitMillTab(); }

    void windowSpeaksTheLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("cancel"); // Qt's own text
        QTest::newRow("German") << "de_DE" << true
                                << QStringList{"Spiel", "Einstellungen", "Ansicht", "Hilfe"}
                                << "Setze deinen 1. Stein"
                                << "Mühle — Sehr leicht"
                                << "Abbrechen";
        QTest::newRow("Austrian German")
            << "de_AT" << true << QStringList{"Spiel", "Einstellungen", "Ansicht", "Hilfe"}
            << "Setze deinen 1. Stein"
            << "Mühle — Sehr leicht"
            << "Abbrechen";
        QTest::newRow("French") << "fr_FR" << true
                                << QStringList{"Partie", "Configuration", "Affichage", "Aide"}
                                << "Placez votre pion n° 1"
                                << "Jeu du moulin — Très facile"
                                << "Annuler";
        QTest::newRow("Spanish") << "es_ES" << true
                                 << QStringList{"Partida", "Configuración", "Ver", "Ayuda"}
                                 << "Coloca tu ficha n.º 1"
                                 << "Juego del molino — Muy fácil"
                                 << "Cancelar";
        QTest::newRow("Dutch") << "nl_NL" << true
                               << QStringList{"Spel", "Instellingen", "Beeld", "Hulp"}
                               << "Plaats je 1e stuk"
                               << "Molenspel — Heel makkelijk"
                               << "Annuleren";
        QTest::newRow("English") << "en_GB" << false
                                 << QStringList{"Game", "Configuration", "View", "Help"}
                                 << "Set your 1. piece"
                                 << "Nine Men's Morris — Very easy"
                                 << "Cancel";
    }
    void windowSpeaksTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(bool, translated);
        QFETCH(QStringList, menus);
        QFETCH(QString, status);
        QFETCH(QString, caption);
        QFETCH(QString, cancel);
        QCOMPARE(app_.loadTranslations("quarn", QLocale(locale)), translated);
        ConfigFolder folder;
        Quarn w;
        QStringList bar;
        for (QAction* a : w.menuBar()->actions()) bar << Plain(a);
        QCOMPARE(bar, menus);
        QCOMPARE(BoardOf(w)->statusText(), status);
        QCOMPARE(w.windowTitle(), caption);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    }

    void takingAndTheEndOfTheGameInGerman() {
        app_.loadTranslations("quarn", QLocale("de_DE"));
        QCOMPARE(QCoreApplication::translate("BoardWidget", "Take a %1 piece")
                     .arg(QCoreApplication::translate("BoardWidget", "black")),
                 QString("Nimm einen schwarzen Stein"));
        QCOMPARE(QCoreApplication::translate("BoardWidget", "You lose: White cannot move"),
                 QString("Du verlierst: Weiß kann nicht ziehen"));
    }

private:
    Application& app_;
};

// The program's own application object loads the translations.
int main(int argc, char** argv) {
    Application app(argc, argv, Application::GuiClient);
    TranslationsTest test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "translations_test.moc"
