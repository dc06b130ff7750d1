#include "ui/newgamedialog.h"

#include "ui/gamesession.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QRadioButton>
#include <QVBoxLayout>

NewGameDialog::NewGameDialog(QWidget* parent, int players, int whiteLevel, int blackLevel,
                             const QStringList& levels)
    : QDialog(parent) {
    setObjectName("new_game");
    setWindowTitle(tr("New Game"));
    auto* layout = new QVBoxLayout(this);
    choices = new QButtonGroup(this);
    const std::pair<int, QString> items[] = {
        {GameSession::AgainstComputer, tr("You against the computer")},
        {GameSession::TwoPlayers, tr("Two players")},
        {GameSession::Demo, tr("Computer against computer")},
    };
    for (const auto& [id, text] : items) {
        auto* button = new QRadioButton(text, this);
        choices->addButton(button, id);
        layout->addWidget(button);
    }
    QAbstractButton* chosen = choices->button(players);
    (chosen ? chosen : choices->button(GameSession::AgainstComputer))->setChecked(true);

    // The demo's levels, offered only for it.
    auto* levelsForm = new QFormLayout;
    levelsForm->setContentsMargins(24, 0, 0, 0);
    white = new QComboBox(this);
    black = new QComboBox(this);
    white->addItems(levels);
    black->addItems(levels);
    white->setCurrentIndex(whiteLevel);
    black->setCurrentIndex(blackLevel);
    levelsForm->addRow(tr("White plays at"), white);
    levelsForm->addRow(tr("Black plays at"), black);
    layout->addLayout(levelsForm);
    const auto offerLevels = [this] {
        const bool demo = choices->checkedId() == GameSession::Demo;
        white->setEnabled(demo);
        black->setEnabled(demo);
    };
    connect(choices, &QButtonGroup::idToggled, this, offerLevels);
    offerLevels();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

int NewGameDialog::players() const {
    return choices->checkedId();
}

int NewGameDialog::whiteLevel() const {
    return white->currentIndex();
}

int NewGameDialog::blackLevel() const {
    return black->currentIndex();
}
