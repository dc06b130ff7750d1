// The move list as assistive technology sees it: a list with one item per
// move ("12. White b4 to a4 takes c5", a "?" read as "lost the win"), then
// the game's result once it has ended. The item of the list's keyboard
// cursor is the focused one.
#pragma once

#include <QAccessibleWidget>

#include <vector>

class MoveList;

class MoveListAccessible : public QAccessibleWidget {
public:
    explicit MoveListAccessible(MoveList* list);
    ~MoveListAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

private:
    MoveList* list() const;
    // The items' interfaces, made when first asked for; the accessibility
    // cache owns them from then on, and this interface removes them.
    mutable std::vector<QAccessible::Id> items;
};

// Lets Qt give every MoveList a MoveListAccessible; may be called again.
void InstallMoveListAccessibility();
