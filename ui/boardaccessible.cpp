#include "ui/boardaccessible.h"

#include "ui/boardannouncer.h"
#include "ui/boardwidget.h"
#include "ui/keyboardcursor.h"
#include "ui/pointpress.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWindow>

// One point of the board. Its state is read from the board each time it is
// asked for, so that it never goes stale.
class PointAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PointAccessible(BoardWidget* board, int point) : board(board), point(point) {}

    bool isValid() const override { return !board.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board ? board->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        return board && t == QAccessible::Name ? board->announcer().pointText(point) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!board) return {};
        const QRect cell = board->cellRect(point);
        return {board->mapToGlobal(cell.topLeft()), cell.size()};
    }

    QAccessible::Role role() const override { return QAccessible::Button; }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!board) {
            s.invalid = true;
            return s;
        }
        const BoardMarks marks = board->marks();
        s.focusable = true;
        s.focused =
            board->hasFocus() && board->cursor().shown() && board->cursor().point() == point;
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
        if (board && name == pressAction())
            QCoreApplication::postEvent(board.data(), new PointPressEvent(point));
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<BoardWidget> board;
    int point;
};

BoardAccessible::BoardAccessible(BoardWidget* board)
    : QAccessibleWidget(board, QAccessible::Grouping) {}

BoardAccessible::~BoardAccessible() {
    for (QAccessible::Id id : points)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

BoardWidget* BoardAccessible::board() const {
    return static_cast<BoardWidget*>(widget());
}

int BoardAccessible::childCount() const {
    return 24;
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || index >= 24) return nullptr;
    QAccessible::Id& id = points[static_cast<std::size_t>(index)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new PointAccessible(board(), index));
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < 24; ++i) {
        const QAccessible::Id id = points[static_cast<std::size_t>(i)];
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
        return board()->announcer().announcement();
    default:
        return QAccessibleWidget::text(t);
    }
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString BoardAccessible::text(int startOffset, int endOffset) const {
    return board()->announcer().announcement().mid(startOffset, endOffset - startOffset);
}

int BoardAccessible::characterCount() const {
    return static_cast<int>(board()->announcer().announcement().size());
}

void BoardAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
}

QString BoardAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // One run of plain text.
    *startOffset = offset < 0 ? -1 : 0;
    *endOffset = offset < 0 ? -1 : characterCount();
    return {};
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
