#pragma once

#include <QMenu>

// A popup menu whose items carry integer ids. Choosing an item emits
// activated(id), so one connection serves every item of the menu: the
// receiver learns which item was chosen from the id.
//
// Ids: an item inserted with id -1 gets an automatic id, a negative number
// from -2 downwards that no other item of this menu has; explicit ids are
// normally 0, 1, ... in menu order. Ids are unique within a menu: an
// explicit id already in use is refused with a warning and the item gets an
// automatic one instead; the id actually given is returned.
//
// Index: the position among all entries, separators included; -1 or a
// position past the end appends.
//
// Every item gets a mnemonic (an underlined letter that chooses it from the
// keyboard) of its own within the menu, picked from its text as given, so
// it works in every language: the first letter of the text if still free,
// else the first free initial of another word, else the first free letter.
class PopupMenu : public QMenu {
    Q_OBJECT

public:
    // name, if given, becomes the object name. parent may be null.
    explicit PopupMenu(QWidget* parent = nullptr, const char* name = nullptr);

    // A checkable popup shows a check mark beside each checked item.
    // Choosing an item never moves a check mark by itself: the receiver of
    // activated(int) does that with setItemChecked.
    void setCheckable(bool checkable);
    bool isCheckable() const { return checkable_; }

    // An item that emits activated(id) when chosen.
    int insertItem(const QString& text, int id = -1, int index = -1);

    // An item that, when chosen, calls member on receiver and then emits
    // activated(id) like every other item. member is an encoded slot or
    // signal name such as SLOT(start()); it takes no argument or one int,
    // which receives the item's id. accel is a key combination as an int,
    // (Qt::CTRL | Qt::Key_N).toCombined() for example, 0 for none. A
    // receiver that has been destroyed is no longer called.
    int insertItem(const QString& text, const QObject* receiver, const char* member, int accel = 0,
                   int id = -1, int index = -1);

    // An item that opens submenu. Choices made in the submenu are
    // reported by the submenu's activated(int), never by this menu's.
    int insertItem(const QString& text, PopupMenu* submenu, int id = -1, int index = -1);

    void insertSeparator(int index = -1);

    // Keys that choose the item from anywhere in the window whose menu bar
    // holds this popup; the first is shown beside the item.
    void setItemShortcuts(int id, const QList<QKeySequence>& keys);

    // Unknown ids are ignored (setItemChecked) or read as unchecked. The
    // state is kept even while the popup is not checkable.
    void setItemChecked(int id, bool checked);
    bool isItemChecked(int id) const;
    // A disabled item is greyed and cannot be chosen, by click or shortcut.
    void setItemEnabled(int id, bool enabled);
    bool isItemEnabled(int id) const;

    // The text shown while the pointer rests on the item (the menu shows
    // its items' tips).
    void setItemToolTip(int id, const QString& tip);

    // Entries, separators included; the id at a position (-1 for a
    // separator or no entry); the text of an item as given, without its
    // mnemonic ("" for an unknown id).
    int count() const;
    int idAt(int index) const;
    QString text(int id) const;

signals:
    void activated(int id);

private:
    class Item;

    Item* item(int id) const;
    int claimId(int requested);
    Item* addItem(const QString& text, int id, int index);
    void place(QAction* action, int index);
    void showCheck(Item* item) const;
    void choose(Item* item);

    bool checkable_ = false;
    int nextAutomaticId_ = -2;
};
