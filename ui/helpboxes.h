// The two boxes of the Help menu: the rules as this program plays them, and
// what the program is. Both are modal, show the game's icon (the window
// icon of the parent, else of the application) and close with Escape or
// their button.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <utility>

class QWidget;

// The boxes' texts, translated in the context "HelpBoxes".
class HelpBoxes {
    Q_DECLARE_TR_FUNCTIONS(HelpBoxes)

public:
    // A key of the menus and what it chooses: ("Ctrl+N", "New").
    using MenuKey = std::pair<QString, QString>;

    // Rich text: a short paragraph for each part of the rules, then the
    // keys of the board, of the move list and of the menus (`menuKeys`).
    static QString rulesText(const QList<MenuKey>& menuKeys = {});
    // Rich text: name, version, what the program is, its licence and the
    // engine's bench signature, the number written for the user's locale;
    // with `masterPerfect`, that the whole game is solved here.
    static QString aboutText(const QString& version, qint64 benchSignature,
                             bool masterPerfect = false);
};

// A resizable dialog titled "Rules" with the rules and the keys in a
// read-only text view and a Close button; returns when it is closed.
void showRules(QWidget* parent, const QList<HelpBoxes::MenuKey>& menuKeys = {});

// The box titled "About Quarn"; returns when it is closed.
// benchSignature: the node total of `quarn-engine bench`; masterPerfect:
// the tables of the whole game are built.
void showAbout(QWidget* parent, const QString& version, qint64 benchSignature,
               bool masterPerfect = false);
