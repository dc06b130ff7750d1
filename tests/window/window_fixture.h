// A main window on a settings folder of its own, with the menus reached the
// way a user reaches them: through the menu bar.
#pragma once

#include "engine/game.h"
#include "platform/popupmenu.h"
#include "ui/boardwidget.h"
#include "ui/quarn.h"

#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Sets $XDG_CONFIG_HOME to a fresh folder for the life of the object.
class ConfigFolder {
public:
    ConfigFolder() { qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit()); }
    QString path() const { return dir_.path(); }
    QString file() const { return dir_.filePath("Quarn.conf"); }
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

// The popup behind a menu-bar entry or a submenu item with this text.
inline PopupMenu* Popup(const QList<QAction*>& actions, const QString& text) {
    for (QAction* a : actions)
        if (a->text() == text) return qobject_cast<PopupMenu*>(a->menu());
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
        if (a->text() == text) return a->trigger();
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

inline BoardWidget* Board(Quarn& w) {
    return qobject_cast<BoardWidget*>(w.centralWidget());
}

// The settings a window shows: checked colour, level and animations.
inline QStringList Shown(Quarn& w) {
    return Checked(SettingMenu(w, "Player Color")) + Checked(SettingMenu(w, "Level")) +
           Checked(SettingMenu(w, "Animations"));
}
