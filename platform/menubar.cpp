#include "platform/menubar.h"

#include "platform/mnemonic.h"

#include "platform/popupmenu.h"

#include <QAction>
#include <QMainWindow>

MenuBar::MenuBar(QWidget* parent, const char* name) : QMenuBar(parent) {
    if (name != nullptr) setObjectName(QString::fromLatin1(name));
    // A QMainWindow lays out only the menu bar it was given, not any child
    // menu bar, so the bar hands itself over.
    if (auto* window = qobject_cast<QMainWindow*>(parent)) window->setMenuBar(this);
}

void MenuBar::insertItem(const QString& text, PopupMenu* popup) {
    // With no popup the entry opens nothing.
    auto* entry = new QAction(withMnemonic(text, actions()), this);
    entry->setMenu(popup);
    addAction(entry);
}
