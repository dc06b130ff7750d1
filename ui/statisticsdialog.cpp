#include "ui/statisticsdialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

StatisticsDialog::StatisticsDialog(QWidget* parent, const Statistics& statistics,
                                   const QStringList& levels)
    : QDialog(parent), levels_(levels) {
    setObjectName("statistics");
    setWindowTitle(tr("Statistics"));
    auto* layout = new QVBoxLayout(this);
    table = new QTableWidget(this);
    table->setColumnCount(6);
    table->setHorizontalHeaderLabels(
        {tr("Level"), tr("Colour"), tr("Won"), tr("Drawn"), tr("Lost"), tr("Abandoned")});
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    layout->addWidget(table);
    streaks = new QLabel(this);
    layout->addWidget(streaks);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* reset = buttons->addButton(tr("Reset"), QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(reset, &QPushButton::clicked, this, [this] {
        if (QMessageBox::question(this, tr("Reset"), tr("Forget every game counted so far?"),
                                  QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No) == QMessageBox::Yes)
            emit resetAsked();
    });
    layout->addWidget(buttons);
    show(statistics);
}

void StatisticsDialog::show(const Statistics& statistics) {
    table->setRowCount(0);
    for (int level = 0; level < Statistics::kLevels; ++level)
        for (int color : {1, -1}) {
            const Statistics::Tally& t = statistics.tally(level, color);
            if (t == Statistics::Tally{}) continue;
            const int row = table->rowCount();
            table->insertRow(row);
            table->setItem(row, 0, new QTableWidgetItem(levels_.value(level)));
            table->setItem(row, 1, new QTableWidgetItem(color == 1 ? tr("White") : tr("Black")));
            for (int outcome = 0; outcome < 4; ++outcome) {
                auto* item = new QTableWidgetItem(QString::number(t.games[outcome]));
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                table->setItem(row, 2 + outcome, item);
            }
        }
    table->resizeColumnsToContents();
    const QString lastWin = statistics.lastWin().isEmpty() ? tr("none yet") : statistics.lastWin();
    streaks->setText(tr("Longest winning streak: %1 (now %2). Last win: %3.")
                         .arg(statistics.longestStreak())
                         .arg(statistics.streak())
                         .arg(lastWin));
    table->setMinimumWidth(table->horizontalHeader()->length() + 4);
}
