#include "platform/statisticsfile.h"

#include "platform/userfolder.h"

#include <QDir>

StatisticsFile::StatisticsFile()
    : StatisticsFile(
          QDir(userFolder("XDG_DATA_HOME", ".local/share")).filePath("quarn/statistics")) {}

StatisticsFile::StatisticsFile(const QString& path) : file_(path) {}

Statistics StatisticsFile::load() const {
    const safefile::Content content = file_.read();
    if (content.status == safefile::Content::Read)
        if (const std::optional<Statistics> read = Statistics::read(content.bytes)) return *read;
    // Kept for whoever wants to look at it, out of the way of the new count.
    if (content.status != safefile::Content::Absent) file_.setAside();
    return {};
}

bool StatisticsFile::save(const Statistics& statistics) const {
    return file_.write(statistics.text());
}
