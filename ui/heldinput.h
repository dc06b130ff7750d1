// Input made while a piece is in flight, each event with its receiver, held
// until the turn waits for the user again and then delivered in the order
// it was made. The computer's turn and the end of a game drop it, as they
// drop any input made meanwhile.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include <memory>
#include <utility>
#include <vector>

class HeldInput {
public:
    bool empty() const { return events_.empty(); }
    void clear() { events_.clear(); }
    void add(QObject* receiver, std::unique_ptr<QEvent> event) {
        events_.push_back({receiver, std::move(event)});
    }
    // Posts what is held to the receivers still alive, and holds nothing.
    void post() {
        for (Held& held : std::exchange(events_, {}))
            if (held.receiver) QCoreApplication::postEvent(held.receiver, held.event.release());
    }

private:
    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<Held> events_;
};
