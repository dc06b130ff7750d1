// The board as assistive technology sees it: a group of 24 buttons, one per
// point, each named by the point and what stands on it ("a1, White",
// "b4, empty"), selected when it is the piece picked to move and checked
// when it is a piece the user may take; pressing one taps its point. The
// board's text, and its description, is what was last announced: a move,
// then the status line it led to; each announcement replaces the text, and
// the change carries the new text to the screen reader.
#pragma once

#include <QAccessibleWidget>

#include <array>

class BoardWidget;

class BoardAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit BoardAccessible(BoardWidget* board);
    ~BoardAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The announcement as read-only text without a selection.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    BoardWidget* board() const;
    // The points' interfaces, made when first asked for; the accessibility
    // cache owns them from then on, and this interface removes them.
    mutable std::array<QAccessible::Id, 24> points{};
};

// Lets Qt give every BoardWidget a BoardAccessible; may be called again.
void InstallBoardAccessibility();
