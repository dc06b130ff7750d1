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

    // Every text of the status strip, with numbers as wide as a game gives
    // them, fits the strip of a window of 800 x 600 without a cut, beside the
    // piece counts, in each language.
    void theStripFitsEveryTextAt800x600_data() {
        QTest::addColumn<QString>("locale");
        for (const char* locale : {"en_GB", "de_DE", "fr_FR", "es_ES", "nl_NL"})
            QTest::newRow(locale) << locale;
    }
    void theStripFitsEveryTextAt800x600() {
        QFETCH(QString, locale);
        app_.loadTranslations("quarn", QLocale(locale));
        ConfigFolder folder;
        Quarn w;
        w.resize(800, 600);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const BoardWidget* b = BoardOf(w);
        const auto tr = [](const char* text, const char* comment = nullptr) {
            return QCoreApplication::translate("BoardWidget", text, comment);
        };
        QStringList texts = {tr("Moving piece..."),
                             tr("Click to start game"),
                             tr("Computer is thinking..."),
                             tr("Set your %1. piece").arg(9),
                             tr("Select which piece to move"),
                             tr("Select where to move the piece"),
                             tr("Position repeated three times: you may claim a draw"),
                             tr("Take a %1 piece").arg(tr("black")),
                             tr("Take a %1 piece").arg(tr("white")),
                             tr("You win in %1 moves with best play").arg(123),
                             tr("You lose in %1 moves with best play").arg(123),
                             tr("A draw with best play"),
                             tr("White's move %1 of %2 (Escape returns)").arg(123).arg(456),
                             tr("Black's move %1 of %2 (Escape returns)").arg(123).arg(456),
                             tr("Start of the game (Escape returns)")};
        for (const char* result :
             {"Draw by repetition (claimed)", "You resigned",
              "You lose: White has only two pieces left",
              "You lose: Black has only two pieces left", "You win: White has only two pieces left",
              "You win: Black has only two pieces left", "You lose: White cannot move",
              "You lose: Black cannot move", "You win: White cannot move",
              "You win: Black cannot move"})
            texts << tr("%1. Click to start game", "the result of the game that ended")
                         .arg(tr(result));
        for (const QString& text : texts) {
            const StripFit fit = b->fitStrip(text);
            QVERIFY2(!fit.cut, qPrintable(text));
            QVERIFY(fit.countsWidth > 0 && fit.countsX + fit.countsWidth <= b->width());
            // The text's lines end before the counts begin.
            const QFontMetrics fm(fit.font);
            for (const QString& line : fit.text.split('\n'))
                QVERIFY2(fit.textX + fm.horizontalAdvance(line) < fit.countsX, qPrintable(line));
            const int lines = static_cast<int>(fit.text.count('\n')) + 1;
            QVERIFY(lines * fm.lineSpacing() <= LayoutFor(b->width(), b->height()).strip);
        }
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
