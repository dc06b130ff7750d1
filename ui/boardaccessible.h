// The board as assistive technology sees it: a group of 24 buttons, one per
// point, each named by the point, what stands on it and what the user may
// do with it ("a1, White, in a mill", "b4, empty, you can move here"),
// selected when it is the piece picked to move and checked when it is a
// piece the user may take; pressing one taps its point. After the points
// come the status strip, a label whose text is the strip's, and the piece
// counts. The board's description is the status too. What the board says
// (BoardAnnouncer) appears as notifications.
#pragma once

#include <QAccessibleWidget>

#include <array>

class BoardWidget;

class BoardAccessible : public QAccessibleWidget {
public:
    // The children after the points.
    static constexpr int kStatusChild = 24, kCountsChild = 25, kChildCount = 26;

    explicit BoardAccessible(BoardWidget* board);
    ~BoardAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

    // Has a screen reader speak `text` at once, wherever the focus is.
    void say(const QString& text);

private:
    BoardWidget* board() const;
    // The children's interfaces (points, status, counts), made when first
    // asked for; the accessibility cache owns them from then on, and this
    // interface removes them.
    mutable std::array<QAccessible::Id, kChildCount> children{};
    // The last things said; a ring, so that a burst of them are distinct
    // objects.
    std::array<QAccessible::Id, 8> news{};
    std::size_t nextNews = 0;
};

// Lets Qt give every BoardWidget a BoardAccessible; may be called again.
void InstallBoardAccessibility();
