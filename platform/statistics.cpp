#include "platform/statistics.h"

#include <QList>

#include <algorithm>

namespace {

// Far more games than anyone plays; a larger count is a damaged file.
constexpr int kMostGames = 1000000000;

constexpr const char* kColours[2] = {"white", "black"};

// A count written in decimal digits alone, within 0..kMostGames.
std::optional<int> Count(const QByteArray& word) {
    if (word.isEmpty() || word.size() > 10 ||
        !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const qint64 value = word.toLongLong();
    if (value > kMostGames) return std::nullopt;
    return static_cast<int>(value);
}

// A day as the writer writes it: YYYY-MM-DD.
bool IsDay(const QByteArray& word) {
    if (word.size() != 10 || word[4] != '-' || word[7] != '-') return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (word[i] < '0' || word[i] > '9') return false;
    return true;
}

} // namespace

void Statistics::count(int level, int color, Outcome outcome, const QString& day) {
    Tally& t = tallies_[std::clamp(level, 0, kLevels - 1)][color == 1 ? 0 : 1];
    t.games[outcome] = std::min(t.games[outcome] + 1, kMostGames);
    if (outcome != Won) {
        streak_ = 0;
        return;
    }
    streak_ = std::min(streak_ + 1, kMostGames);
    longestStreak_ = std::max(longestStreak_, streak_);
    if (IsDay(day.toLatin1())) lastWin_ = day;
}

QByteArray Statistics::text() const {
    QByteArray text = "# Quarn statistics\n# level colour won drawn lost abandoned\n";
    for (int level = 0; level < kLevels; ++level)
        for (int colour = 0; colour < 2; ++colour) {
            const Tally& t = tallies_[level][colour];
            if (t == Tally{}) continue;
            text += "level " + QByteArray::number(level) + ' ' + kColours[colour];
            for (int games : t.games) text += ' ' + QByteArray::number(games);
            text += '\n';
        }
    text +=
        "streak " + QByteArray::number(streak_) + ' ' + QByteArray::number(longestStreak_) + '\n';
    if (!lastWin_.isEmpty()) text += "last-win " + lastWin_.toLatin1() + '\n';
    return text;
}

std::optional<Statistics> Statistics::read(const QByteArray& text) {
    Statistics s;
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray content = line.trimmed();
        if (content.isEmpty() || content.startsWith('#')) continue;
        const QList<QByteArray> words = content.simplified().split(' ');
        if (words[0] == "level" && words.size() == 7) {
            const std::optional<int> level = Count(words[1]);
            const int colour = words[2] == kColours[0] ? 0 : words[2] == kColours[1] ? 1 : -1;
            if (!level || *level >= kLevels || colour < 0) return std::nullopt;
            for (int outcome = 0; outcome < 4; ++outcome) {
                const std::optional<int> games = Count(words[3 + outcome]);
                if (!games) return std::nullopt;
                s.tallies_[*level][colour].games[outcome] = *games;
            }
        } else if (words[0] == "streak" && words.size() == 3) {
            const std::optional<int> now = Count(words[1]), longest = Count(words[2]);
            if (!now || !longest || *now > *longest) return std::nullopt;
            s.streak_ = *now;
            s.longestStreak_ = *longest;
        } else if (words[0] == "last-win" && words.size() == 2 && IsDay(words[1])) {
            s.lastWin_ = QString::fromLatin1(words[1]);
        } else {
            return std::nullopt;
        }
    }
    return s;
}
