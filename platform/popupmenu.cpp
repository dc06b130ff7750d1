#include "platform/popupmenu.h"

#include "platform/mnemonic.h"

#include <QAction>
#include <QKeySequence>
#include <QMetaMethod>
#include <QPointer>

// An entry with an id. The check state lives here rather than in the
// action, because QAction moves the check of a checkable action on every
// trigger and keeps no state for a non-checkable one.
class PopupMenu::Item : public QAction {
public:
    Item(const QString& text, int id, QObject* parent) : QAction(parent), id(id), plain(text) {}

    const int id;
    const QString plain; // the text without its mnemonic
    bool checked = false;
    QPointer<QObject> receiver;
    QMetaMethod member; // valid only when there is a receiver
};

namespace {

// The method named by an encoded name ("1start()" for a slot,
// "2changed(int)" for a signal), if it takes no argument or one int.
QMetaMethod findMember(const QObject* receiver, const char* member) {
    if (receiver == nullptr || member == nullptr || member[0] == '\0') return {};
    const QMetaObject* meta = receiver->metaObject();
    const QByteArray signature = QMetaObject::normalizedSignature(member + 1);
    int index = -1;
    if (member[0] == '0' + QSLOT_CODE) index = meta->indexOfSlot(signature.constData());
    if (member[0] == '0' + QSIGNAL_CODE) index = meta->indexOfSignal(signature.constData());
    if (index < 0) return {};
    const QMetaMethod method = meta->method(index);
    const bool takesId =
        method.parameterCount() == 1 && method.parameterMetaType(0) == QMetaType::fromType<int>();
    return method.parameterCount() == 0 || takesId ? method : QMetaMethod();
}

} // namespace

PopupMenu::PopupMenu(QWidget* parent, const char* name) : QMenu(parent) {
    if (name != nullptr) setObjectName(QString::fromLatin1(name));
}

void PopupMenu::setCheckable(bool checkable) {
    checkable_ = checkable;
    for (QAction* action : actions())
        if (auto* entry = dynamic_cast<Item*>(action)) showCheck(entry);
}

int PopupMenu::insertItem(const QString& text, int id, int index) {
    return addItem(text, id, index)->id;
}

int PopupMenu::insertItem(const QString& text, const QObject* receiver, const char* member,
                          int accel, int id, int index) {
    Item* entry = addItem(text, id, index);
    if (accel != 0) entry->setShortcut(QKeySequence(accel));
    entry->member = findMember(receiver, member);
    if (entry->member.isValid()) {
        // The receiver is called, so it cannot stay const; the const in the
        // parameter only lets callers pass what they hold.
        entry->receiver = const_cast<QObject*>(receiver);
    } else if (receiver != nullptr) {
        qWarning("PopupMenu::insertItem: %s has no slot or signal %s taking nothing or an int",
                 receiver->metaObject()->className(), member != nullptr ? member + 1 : "(null)");
    }
    return entry->id;
}

int PopupMenu::insertItem(const QString& text, PopupMenu* submenu, int id, int index) {
    Item* entry = addItem(text, id, index);
    entry->setMenu(submenu);
    return entry->id;
}

void PopupMenu::insertSeparator(int index) {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    place(separator, index);
}

void PopupMenu::setItemChecked(int id, bool checked) {
    if (Item* entry = item(id)) {
        entry->checked = checked;
        showCheck(entry);
    }
}

void PopupMenu::setItemEnabled(int id, bool enabled) {
    if (Item* entry = item(id)) entry->setEnabled(enabled);
}

bool PopupMenu::isItemEnabled(int id) const {
    const Item* entry = item(id);
    return entry && entry->isEnabled();
}

bool PopupMenu::isItemChecked(int id) const {
    const Item* entry = item(id);
    return entry != nullptr && entry->checked;
}

void PopupMenu::setItemToolTip(int id, const QString& tip) {
    if (Item* entry = item(id)) {
        entry->setToolTip(tip);
        entry->setStatusTip(tip);
        setToolTipsVisible(true);
    }
}

int PopupMenu::count() const {
    return int(actions().size());
}

int PopupMenu::idAt(int index) const {
    const QList<QAction*> entries = actions();
    if (index < 0 || index >= entries.size()) return -1;
    const auto* entry = dynamic_cast<const Item*>(entries.at(index));
    return entry != nullptr ? entry->id : -1;
}

QString PopupMenu::text(int id) const {
    const Item* entry = item(id);
    return entry != nullptr ? entry->plain : QString();
}

void PopupMenu::setItemShortcuts(int id, const QList<QKeySequence>& keys) {
    if (Item* entry = item(id)) entry->setShortcuts(keys);
}

PopupMenu::Item* PopupMenu::item(int id) const {
    for (QAction* action : actions()) {
        auto* entry = dynamic_cast<Item*>(action);
        if (entry != nullptr && entry->id == id) return entry;
    }
    return nullptr;
}

int PopupMenu::claimId(int requested) {
    if (requested != -1) {
        if (item(requested) == nullptr) return requested;
        qWarning("PopupMenu %s: id %d is already in use; the item gets an automatic id",
                 qPrintable(objectName()), requested);
    }
    while (item(nextAutomaticId_) != nullptr) --nextAutomaticId_;
    return nextAutomaticId_--;
}

PopupMenu::Item* PopupMenu::addItem(const QString& text, int id, int index) {
    auto* entry = new Item(text, claimId(id), this);
    entry->setText(withMnemonic(text, actions()));
    connect(entry, &QAction::triggered, this, [this, entry] { choose(entry); });
    showCheck(entry);
    place(entry, index);
    return entry;
}

void PopupMenu::place(QAction* action, int index) {
    const QList<QAction*> entries = actions();
    if (index >= 0 && index < entries.size())
        insertAction(entries.at(index), action);
    else
        addAction(action);
}

void PopupMenu::showCheck(Item* entry) const {
    entry->setCheckable(checkable_);
    entry->setChecked(checkable_ && entry->checked);
}

void PopupMenu::choose(Item* entry) {
    // QAction has just flipped the check of a checkable entry; the mark
    // moves only when a receiver calls setItemChecked.
    showCheck(entry);
    const int id = entry->id;
    const QPointer<PopupMenu> self(this);
    if (entry->receiver) {
        if (entry->member.parameterCount() == 0)
            entry->member.invoke(entry->receiver, Qt::DirectConnection);
        else
            entry->member.invoke(entry->receiver, Qt::DirectConnection, Q_ARG(int, id));
    }
    // The receiver may have deleted this menu (and the entry with it).
    if (self) emit activated(id);
}
