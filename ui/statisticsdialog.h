// Game / Statistics: the user's games against the computer in a small
// table, a row for each level and colour played, with the winning streaks,
// the day of the last win, and Reset, which asks first.
#pragma once

#include "platform/statistics.h"

#include <QDialog>

class QLabel;
class QTableWidget;

class StatisticsDialog : public QDialog {
    Q_OBJECT

public:
    // `levels` names the levels from the easiest.
    StatisticsDialog(QWidget* parent, const Statistics& statistics, const QStringList& levels);

    void show(const Statistics& statistics);

Q_SIGNALS:
    // The user asked for a reset and said Yes.
    void resetAsked();

private:
    QStringList levels_;
    QTableWidget* table;
    QLabel* streaks;
};
