// A main window on a settings folder of its own, with the menus reached the
// way a user reaches them: through the menu bar.
#pragma once

#include "engine/game.h"
#include "platform/popupmenu.h"
#include "support/board_taps.h"
#include "ui/boardwidget.h"
#include "ui/quarn.h"

#include <QAbstractButton>
#include <QFile>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

// Sets $XDG_CONFIG_HOME, $XDG_STATE_HOME and $XDG_DATA_HOME to a fresh
// folder for the life of the object.
class ConfigFolder {
public:
    ConfigFolder() {
        qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
        qputenv("XDG_STATE_HOME", dir_.filePath("state").toLocal8Bit());
        qputenv("XDG_DATA_HOME", dir_.filePath("data").toLocal8Bit());
    }
    QString path() const { return dir_.path(); }
    QString file() const { return dir_.filePath("Quarn.conf"); }
    // Where the game in progress is kept.
    QString gameFile() const { return dir_.filePath("state/quarn/game"); }
    void write(const QByteArray& content) const {
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray read() const {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

// An entry's text as given, without the mnemonic's ampersand.
inline QString Plain(const QAction* a) {
    return QString(a->text()).remove('&');
}

// The popup behind a menu-bar entry or a submenu item with this text.
inline PopupMenu* Popup(const QList<QAction*>& actions, const QString& text) {
    for (QAction* a : actions)
        if (Plain(a) == text) return qobject_cast<PopupMenu*>(a->menu());
    return nullptr;
}

inline PopupMenu* GameMenu(Quarn& w) {
    return Popup(w.menuBar()->actions(), "Game");
}
inline PopupMenu* SettingMenu(Quarn& w, const QString& text) {
    PopupMenu* conf = Popup(w.menuBar()->actions(), "Configuration");
    return conf ? Popup(conf->actions(), text) : nullptr;
}

// Chooses the item with this text, as a click on it would.
inline void Choose(PopupMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (Plain(a) == text) return a->trigger();
    QFAIL(qPrintable("no item " + text));
}

// The texts of the checked items of a popup.
inline QStringList Checked(PopupMenu* menu) {
    QStringList texts;
    for (int i = 0; i < menu->count(); ++i)
        if (menu->idAt(i) != -1 && menu->isItemChecked(menu->idAt(i)))
            texts << menu->text(menu->idAt(i));
    return texts;
}

inline BoardWidget* BoardOf(Quarn& w) {
    return qobject_cast<BoardWidget*>(w.centralWidget());
}

// The window's board at a fixed size, with animations turned off through the
// menu, as the tests that play want it.
inline BoardWidget* PlayingBoard(Quarn& w) {
    BoardOf(w)->resize(240, 266);
    Choose(SettingMenu(w, "Animations"), "No");
    return BoardOf(w);
}

// The settings a window shows: checked colour, level and animations.
inline QStringList Shown(Quarn& w) {
    return Checked(SettingMenu(w, "Player Color")) + Checked(SettingMenu(w, "Level")) +
           Checked(SettingMenu(w, "Animations"));
}

// A point a player would tap now to carry the game on, for a board showing
// `status`: a legal move picked with pick(n) (0..n-1) gives the point to
// place on, the piece to select, its destination or the piece to capture.
template <class Pick> int PlayerPoint(const QString& status, Pick&& pick) {
    std::vector<Move> fitting;
    for (int i = 0; i < n_next_valid; ++i) {
        const Move& m = next_valid[i];
        if (status.startsWith("Take a") ? m.start == current_move.start && m.end == current_move.end
            : status.startsWith("Select where") ? m.start == current_move.start
                                                : true)
            fitting.push_back(m);
    }
    if (fitting.empty()) return pick(24);
    const Move& m = fitting[pick(static_cast<int>(fitting.size()))];
    if (status.startsWith("Take a")) return m.take;
    // A repeated position offers a draw; the user still picks a piece.
    if (status.startsWith("Select which") || status.startsWith("Position repeated")) return m.start;
    return m.end;
}

// While it lives, every message box that comes up is answered with `button`
// (or its only button), and its text is kept; the question of Game / New
// is answered with the players it offers.
class BoxAnswer {
public:
    explicit BoxAnswer(QMessageBox::StandardButton button = QMessageBox::Ok) {
        QObject::connect(&timer_, &QTimer::timeout, [this, button] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QDialog*>(modal);
                dialog && dialog->objectName() == "new_game")
                return dialog->accept();
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) return;
            texts << box->text();
            QAbstractButton* chosen = box->button(button);
            (chosen ? chosen : box->buttons().value(0))->click();
        });
        timer_.start(5);
    }
    QStringList texts;

private:
    QTimer timer_;
};
