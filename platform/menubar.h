#pragma once

#include <QMenuBar>

class PopupMenu;

// The main window's menu bar: each entry opens one popup menu. Created with
// a QMainWindow as parent, it becomes that window's menu bar, shown at its
// top above the central widget.
class MenuBar : public QMenuBar {
    Q_OBJECT

public:
    // name, if given, becomes the object name.
    explicit MenuBar(QWidget* parent = nullptr, const char* name = nullptr);

    // Appends an entry labelled text that opens popup, with a mnemonic of
    // its own among the bar's entries (see PopupMenu). The popup keeps its
    // own parent (it may have none) and is not deleted with the bar.
    void insertItem(const QString& text, PopupMenu* popup);
};
