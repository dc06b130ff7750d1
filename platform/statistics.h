// The user's record against the computer: wins, draws, losses and abandoned
// games per level and per colour, the current and the longest winning
// streak, and the day of the last win. Kept as a small text file that a
// person can read:
//
//   # Quarn statistics
//   # level colour won drawn lost abandoned
//   level 4 white 3 1 2 0
//   streak 1 3
//   last-win 2026-12-09
//
// "streak" gives the current streak, then the longest; a level and colour
// without a line has no games. The reader takes exactly this shape (blank
// lines and # comments aside) and refuses anything else whole.
#pragma once

#include "engine/levels.h"

#include <QByteArray>
#include <QString>

#include <optional>

class Statistics {
public:
    enum Outcome { Won, Drawn, Lost, Abandoned };
    static constexpr int kLevels = ::kLevels;

    // Games of one level and colour, by outcome.
    struct Tally {
        int games[4] = {0, 0, 0, 0};
        friend bool operator==(const Tally&, const Tally&) = default;
    };

    // Counts a game the user played at `level` (0..5) in `color` (+1 White,
    // -1 Black) that ended with `outcome` on `day` (ISO 8601, for a win).
    void count(int level, int color, Outcome outcome, const QString& day);

    const Tally& tally(int level, int color) const { return tallies_[level][color == 1 ? 0 : 1]; }
    int streak() const { return streak_; }
    int longestStreak() const { return longestStreak_; }
    // Empty until the first win.
    QString lastWin() const { return lastWin_; }

    QByteArray text() const;
    // nullopt for a text that is not a statistics file.
    static std::optional<Statistics> read(const QByteArray& text);

    friend bool operator==(const Statistics&, const Statistics&) = default;

private:
    // Layout: [level][0 White, 1 Black].
    Tally tallies_[kLevels][2];
    int streak_ = 0;
    int longestStreak_ = 0;
    QString lastWin_;
};
