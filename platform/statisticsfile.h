// Where the statistics are kept: quarn/statistics in the user's data folder
// ($XDG_DATA_HOME, or ~/.local/share when that is unset, empty or
// relative), written with the care of the game store: replaced in one step
// and never half written. A file that cannot be read as statistics is set
// aside (statistics.bad, statistics.bad.1, ...) and a fresh count begins.
#pragma once

#include "platform/gamestore.h"
#include "platform/statistics.h"

class StatisticsFile {
public:
    StatisticsFile();
    explicit StatisticsFile(const QString& path);

    QString path() const { return file_.path(); }
    // What the file holds; nothing counted when it is absent or damaged.
    Statistics load() const;
    // Whether the file now holds `statistics`.
    bool save(const Statistics& statistics) const;

private:
    GameStore file_;
};
