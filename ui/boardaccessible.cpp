#include "ui/boardaccessible.h"

#include "ui/boardannouncer.h"
#include "ui/boardwidget.h"
#include "ui/keyboardcursor.h"
#include "ui/leafaccessible.h"
#include "ui/pointpress.h"

#include <QCoreApplication>

#include <utility>

namespace {

using BoardPart = LeafAccessible<BoardWidget>;

// One point of the board.
class PointAccessible : public BoardPart, public QAccessibleActionInterface {
public:
    PointAccessible(BoardWidget* board, int point) : BoardPart(board), point(point) {}

    QString text(QAccessible::Text t) const override {
        return owner && t == QAccessible::Name ? owner->announcer().pointText(point) : QString();
    }
    QRect rect() const override {
        if (!owner) return {};
        const QRect cell = owner->cellRect(point);
        return {owner->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Button; }

    QAccessible::State state() const override {
        QAccessible::State s = BoardPart::state();
        if (!owner) return s;
        const BoardMarks marks = owner->marks();
        s.focusable = true;
        s.focused =
            owner->hasFocus() && owner->cursor().shown() && owner->cursor().point() == point;
        s.selectable = true;
        s.selected = marks.selected == point;
        s.checkable = true;
        s.checked = (marks.takeable >> point & 1) != 0;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        // Posted, so that the reader's call returns before the turn is played.
        if (owner && name == pressAction())
            QCoreApplication::postEvent(owner.data(), new PointPressEvent(point));
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    int point;
};

// The status strip, or the piece counts drawn in it: a label that reads
// what the screen shows.
class LineAccessible : public BoardPart {
public:
    LineAccessible(BoardWidget* board, int which) : BoardPart(board), which(which) {}

    QString text(QAccessible::Text t) const override {
        if (!owner || t != QAccessible::Name) return {};
        return which == BoardAccessible::kStatusChild ? owner->statusText()
                                                      : owner->announcer().countsText();
    }
    QRect rect() const override {
        if (!owner) return {};
        return {owner->mapToGlobal(QPoint(0, 0)), QSize(owner->width(), owner->cellRect(0).top())};
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }

private:
    int which;
};

// One thing the board says: a notification that appears once. Orca speaks a
// notification as it appears, wherever the focus is.
class NewsAccessible : public BoardPart {
public:
    NewsAccessible(BoardWidget* board, QString news) : BoardPart(board), news(std::move(news)) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? news : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }

private:
    QString news;
};

} // namespace

BoardAccessible::BoardAccessible(BoardWidget* board)
    : QAccessibleWidget(board, QAccessible::Grouping) {}

BoardAccessible::~BoardAccessible() {
    for (QAccessible::Id id : children)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    for (QAccessible::Id id : news)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

BoardWidget* BoardAccessible::board() const {
    return static_cast<BoardWidget*>(widget());
}

int BoardAccessible::childCount() const {
    return kChildCount;
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || index >= kChildCount) return nullptr;
    QAccessible::Id& id = children[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(
            index < 24 ? static_cast<QAccessibleInterface*>(new PointAccessible(board(), index))
                       : new LineAccessible(board(), index));
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < kChildCount; ++i) {
        const QAccessible::Id id = children[static_cast<std::size_t>(i)];
        if (id != 0 && QAccessible::accessibleInterface(id) == child) return i;
    }
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const int point = board()->pointAt(board()->mapFromGlobal(QPoint(x, y)));
    return point >= 0 ? child(point) : nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    if (!board()->hasFocus() || !board()->cursor().shown()) return nullptr;
    return child(board()->cursor().point());
}

QString BoardAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return BoardWidget::tr("Board");
    case QAccessible::Description:
        return board()->statusText();
    default:
        return QAccessibleWidget::text(t);
    }
}

void BoardAccessible::say(const QString& text) {
    // Orca keeps only the newest of two appearances of one object, so each
    // text gets an object of its own; the ring keeps the last few alive for
    // the reader to read.
    QAccessible::Id& id = news[nextNews];
    nextNews = (nextNews + 1) % news.size();
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
    id = QAccessible::registerAccessibleInterface(new NewsAccessible(board(), text));
    QAccessibleEvent shown(QAccessible::accessibleInterface(id), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

namespace {

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
    auto* board = qobject_cast<BoardWidget*>(object);
    if (!board || className != QLatin1String("BoardWidget")) return nullptr;
    return new BoardAccessible(board);
}

} // namespace

void InstallBoardAccessibility() {
    // Qt keeps one copy of each factory, however often it is installed.
    QAccessible::installFactory(BoardFactory);
}
