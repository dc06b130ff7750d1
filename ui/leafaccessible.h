// A part of a widget that assistive technology sees as a child of the
// widget's own interface, without children of its own: a point of the
// board, a move of the move list. It knows its widget only while the widget
// lives, and reads its state from it each time it is asked, so that it
// never goes stale.
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>

template <class Owner> class LeafAccessible : public QAccessibleInterface {
public:
    explicit LeafAccessible(Owner* owner) : owner(owner) {}

    bool isValid() const override { return !owner.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner ? owner->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(owner.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invalid = owner.isNull();
        return s;
    }

protected:
    QPointer<Owner> owner;
};
