#include "ui/movelistaccessible.h"

#include "ui/leafaccessible.h"
#include "ui/movelist.h"

namespace {

// One line of the list: a move, or the result after the last one. Its text
// is read from the list each time it is asked for.
class MoveItemAccessible : public LeafAccessible<MoveList> {
public:
    MoveItemAccessible(MoveList* list, int index) : LeafAccessible(list), index(index) {}

    QString text(QAccessible::Text t) const override {
        return owner && t == QAccessible::Name ? owner->itemText(index) : QString();
    }
    QRect rect() const override {
        if (!owner) return {};
        const QRect r = owner->moveRect(index);
        return {owner->viewport()->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s = LeafAccessible::state();
        if (!owner) return s;
        s.focusable = s.selectable = true;
        s.selected = owner->current() == index;
        s.focused = s.selected && owner->hasFocus();
        return s;
    }

private:
    int index;
};

QAccessibleInterface* MoveListFactory(const QString& className, QObject* object) {
    auto* list = qobject_cast<MoveList*>(object);
    if (!list || className != QLatin1String("MoveList")) return nullptr;
    return new MoveListAccessible(list);
}

} // namespace

MoveListAccessible::MoveListAccessible(MoveList* list)
    : QAccessibleWidget(list, QAccessible::List) {}

MoveListAccessible::~MoveListAccessible() {
    for (QAccessible::Id id : items)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

MoveList* MoveListAccessible::list() const {
    return static_cast<MoveList*>(widget());
}

int MoveListAccessible::childCount() const {
    return list()->itemCount();
}

QAccessibleInterface* MoveListAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    if (items.size() <= static_cast<std::size_t>(index))
        items.resize(static_cast<std::size_t>(index) + 1, 0);
    QAccessible::Id& id = items[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new MoveItemAccessible(list(), index));
    return QAccessible::accessibleInterface(id);
}

int MoveListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] != 0 && QAccessible::accessibleInterface(items[i]) == child)
            return static_cast<int>(i);
    return -1;
}

QAccessibleInterface* MoveListAccessible::focusChild() const {
    return list()->hasFocus() ? child(list()->current()) : nullptr;
}

void InstallMoveListAccessibility() {
    // Qt keeps one copy of each factory, however often it is installed.
    QAccessible::installFactory(MoveListFactory);
}
