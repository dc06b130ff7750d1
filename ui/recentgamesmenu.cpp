#include "ui/recentgamesmenu.h"

#include "engine/record.h"
#include "platform/safefile.h"

#include <QDateTime>
#include <QLocale>

#include <string_view>

RecentGamesMenu::RecentGamesMenu(const RecentGames& store, const PopupMenu* colors,
                                 const PopupMenu* levels, QWidget* parent)
    : PopupMenu(parent, "recent_games_menu"), store_(store), colors_(colors), levels_(levels) {
    connect(this, &QMenu::aboutToShow, this, &RecentGamesMenu::refresh);
    connect(this, &PopupMenu::activated, this, [this](int id) {
        if (id >= 0 && id < paths_.size()) emit chosen(paths_[id]);
    });
    refresh();
}

void RecentGamesMenu::refresh() {
    clear();
    paths_.clear();
    for (const QString& path : store_.paths()) {
        const safefile::Content content = safefile::read(path, kMaxRecordBytes);
        GameRecord record;
        RecordError error;
        if (content.status != safefile::Content::Read ||
            !ReadGameRecord(std::string_view(content.bytes.constData(),
                                             static_cast<std::size_t>(content.bytes.size())),
                            record, error))
            continue;
        insertItem(describe(record), static_cast<int>(paths_.size()));
        paths_ << path;
    }
    if (paths_.isEmpty()) setItemEnabled(insertItem(tr("No finished games yet")), false);
}

QString RecentGamesMenu::describe(const GameRecord& record) const {
    const QDateTime played =
        QDateTime::fromString(QString::fromStdString(record.played), Qt::ISODate);
    const QString when = played.isValid()
                             ? QLocale().toString(played.toLocalTime(), QLocale::ShortFormat)
                             : tr("Undated");
    QStringList how;
    if (record.userColor != 0) how << colors_->text(record.userColor == 1 ? 0 : 1);
    if (record.level >= 0) how << levels_->text(record.level);
    const QString text = tr("%1: %2").arg(when, ending(record));
    return how.isEmpty() ? text : tr("%1 (%2)").arg(text, how.join(", "));
}

QString RecentGamesMenu::ending(const GameRecord& record) {
    switch (record.result) {
    case GameResult::DrawByRepetition:
        return tr("Draw by repetition");
    case GameResult::WhiteResigns:
        return record.userColor == 1 ? tr("You resigned") : tr("White resigned");
    case GameResult::BlackResigns:
        return record.userColor == -1 ? tr("You resigned") : tr("Black resigned");
    case GameResult::None:
        break;
    }
    // The rules ended it: the side to move has lost.
    const Board end = CurrentPosition(record);
    if (!SideToMoveHasLost(end)) return tr("Not finished");
    if (record.userColor != 0) return end.next == record.userColor ? tr("You lost") : tr("You won");
    return end.next == 1 ? tr("Black won") : tr("White won");
}
