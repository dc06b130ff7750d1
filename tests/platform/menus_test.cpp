#include "platform/menubar.h"
#include "platform/popupmenu.h"

#include <QMainWindow>
#include <QtTest>

#include <memory>

// Writes what it receives into a log shared with other recorders, so the
// order of deliveries across receivers shows.
class Recorder : public QObject {
    Q_OBJECT

public:
    Recorder(const QString& name, QStringList* log) : name_(name), log_(log) {}

public slots:
    void take(int id) { log_->append(name_ + ' ' + QString::number(id)); }
    void poke() { log_->append(name_); }
    // What the main window does with a choice: move the check to it.
    void moveCheck(int id) {
        auto* menu = qobject_cast<PopupMenu*>(sender());
        for (int i = 0; i < menu->count(); ++i) menu->setItemChecked(menu->idAt(i), false);
        menu->setItemChecked(id, true);
    }

private:
    QString name_;
    QStringList* log_;
};

namespace {

QAction* actionOf(PopupMenu& menu, int id) {
    for (int i = 0; i < menu.count(); ++i)
        if (menu.idAt(i) == id) return menu.actions().at(i);
    return nullptr;
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void itemsKeepTheirIdsAndPositions() {
        PopupMenu menu(nullptr, "level_menu");
        QCOMPARE(menu.objectName(), QString("level_menu"));
        QCOMPARE(menu.insertItem("Easy", 1), 1);
        QCOMPARE(menu.insertItem("Very easy", 0, 0), 0);
        menu.insertSeparator();
        const int first = menu.insertItem("New");
        const int second = menu.insertItem("Undo", -1, 2);
        QVERIFY(first < -1 && second < -1 && first != second);
        QCOMPARE(menu.count(), 5);
        const QList<int> ids{menu.idAt(0), menu.idAt(1), menu.idAt(2), menu.idAt(3), menu.idAt(4)};
        QCOMPARE(ids, (QList<int>{0, 1, second, -1, first}));
        QCOMPARE(menu.text(second), QString("Undo"));
        QCOMPARE(menu.text(42), QString());

        // An automatic id never takes one given explicitly, and an id
        // already in use is not handed out twice.
        QCOMPARE(menu.insertItem("Explicit", second - 1), second - 1);
        const int third = menu.insertItem("Third");
        QVERIFY(third < second - 1);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("id 1 is already in use"));
        const int clash = menu.insertItem("Clash", 1);
        QVERIFY(clash < -1 && clash != third);
        QCOMPARE(menu.text(1), QString("Easy"));
    }

    void checkMarksMoveOnlyWhenTheReceiverMovesThem() {
        PopupMenu menu;
        menu.insertItem("White", 0);
        menu.insertItem("Black", 1);
        menu.setItemChecked(0, true);
        // Not checkable yet: the state is kept but no mark shows.
        QVERIFY(menu.isItemChecked(0));
        QVERIFY(!actionOf(menu, 0)->isCheckable());
        menu.setCheckable(true);
        QVERIFY(actionOf(menu, 0)->isChecked());

        QSignalSpy spy(&menu, &PopupMenu::activated);
        actionOf(menu, 1)->trigger();
        actionOf(menu, 0)->trigger();
        QCOMPARE(spy.count(), 2);
        QVERIFY(menu.isItemChecked(0) && actionOf(menu, 0)->isChecked());
        QVERIFY(!menu.isItemChecked(1) && !actionOf(menu, 1)->isChecked());

        QStringList log;
        Recorder window("window", &log);
        QObject::connect(&menu, SIGNAL(activated(int)), &window, SLOT(moveCheck(int)));
        actionOf(menu, 1)->trigger();
        QVERIFY(!menu.isItemChecked(0) && !actionOf(menu, 0)->isChecked());
        QVERIFY(menu.isItemChecked(1) && actionOf(menu, 1)->isChecked());
        actionOf(menu, 1)->trigger(); // choosing the checked item keeps it checked
        QVERIFY(menu.isItemChecked(1) && actionOf(menu, 1)->isChecked());
    }

    void activatedReachesEveryReceiverInConnectionOrder() {
        PopupMenu menu;
        menu.insertItem("Medium", 2);
        menu.insertItem("Hard", 3);
        QStringList log;
        Recorder window("window", &log), board("board", &log);
        QVERIFY(QObject::connect(&menu, SIGNAL(activated(int)), &window, SLOT(take(int))));
        QVERIFY(QObject::connect(&menu, "2activated(int)", &board, "1take(int)"));
        actionOf(menu, 3)->trigger();
        actionOf(menu, 2)->trigger();
        QCOMPARE(log, (QStringList{"window 3", "board 3", "window 2", "board 2"}));
    }

    void aSlotItemCallsItsSlotOnceAndReportsItsId() {
        PopupMenu menu;
        QStringList log;
        Recorder board("board", &log);
        auto gone = std::make_unique<Recorder>("gone", &log);
        const int start = menu.insertItem("New", &board, SLOT(poke()));
        const int undo =
            menu.insertItem("Undo", &board, SLOT(take(int)), (Qt::CTRL | Qt::Key_Z).toCombined());
        const int redo = menu.insertItem("Redo", gone.get(), SLOT(poke()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no slot or signal missing\\(\\)"));
        const int broken = menu.insertItem("Broken", &board, SLOT(missing()));
        QCOMPARE(actionOf(menu, undo)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));

        QSignalSpy spy(&menu, &PopupMenu::activated);
        gone.reset();
        for (int id : {start, undo, redo, broken}) actionOf(menu, id)->trigger();
        QCOMPARE(log, (QStringList{"board", "board " + QString::number(undo)}));
        QCOMPARE(spy.count(), 4);
        QCOMPARE(spy.at(0).at(0).toInt(), start);
        QCOMPARE(spy.at(1).at(0).toInt(), undo);
    }

    void aSubmenuReportsItsOwnChoices() {
        PopupMenu colors, configuration; // a submenu outlives the menu that opens it
        colors.insertItem("White", 0);
        const int entry = configuration.insertItem("Player Color", &colors);
        QCOMPARE(actionOf(configuration, entry)->menu(), &colors);
        QSignalSpy outer(&configuration, &PopupMenu::activated);
        QSignalSpy inner(&colors, &PopupMenu::activated);
        actionOf(colors, 0)->trigger();
        QCOMPARE(inner.count(), 1);
        QCOMPARE(outer.count(), 0);
    }

    void aClickInTheShownPopupChoosesTheItem() {
        PopupMenu menu;
        menu.setCheckable(true);
        menu.insertItem("No", 0);
        menu.insertItem("Yes", 1);
        menu.setItemChecked(1, true);
        QSignalSpy spy(&menu, &PopupMenu::activated);
        menu.popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::mouseClick(&menu, Qt::LeftButton, {},
                          menu.actionGeometry(actionOf(menu, 0)).center());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
        QVERIFY(!menu.isItemChecked(0) && menu.isItemChecked(1));
    }

    void theMenuBarStandsAtTheTopOfItsWindow() {
        PopupMenu game(nullptr, "game_menu"), configuration(nullptr, "conf_menu");
        QMainWindow window;
        auto* central = new QWidget;
        window.setCentralWidget(central);
        auto* bar = new MenuBar(&window, nullptr);
        bar->insertItem("Game", &game);
        bar->insertItem("Configuration", &configuration);
        QCOMPARE(window.menuBar(), bar);

        const QList<QAction*> entries = bar->actions();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0)->text(), QString("&Game"));
        QCOMPARE(entries.at(0)->menu(), &game);
        QCOMPARE(entries.at(1)->text(), QString("&Configuration"));
        QCOMPARE(entries.at(1)->menu(), &configuration);

        window.resize(240, 320);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(bar->geometry().top(), 0);
        QVERIFY(bar->height() > 0);
        QVERIFY(central->geometry().top() >= bar->geometry().bottom());
    }
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
