#include "quarn-engine/game_file.h"

#include "engine/record.h"
#include "quarn-engine/notation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// The file's content, at most kMaxRecordBytes + 1 bytes (one more tells it
// is too large). The file is opened without blocking and its type checked
// on the open descriptor, so a FIFO or a device is refused, never waited on.
std::string ReadRecordFile(const std::string& path) {
    const std::string name = Quoted(path);
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) throw InputError(name + ": cannot be opened: " + std::strerror(errno));
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        throw InputError(name + ": is not a regular file");
    }
    std::string text;
    char buffer[65536];
    while (text.size() <= kMaxRecordBytes) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            close(fd);
            throw InputError(name + ": cannot be read: " + std::strerror(error));
        }
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return text;
}

GameRecord ReadRecord(const std::string& path) {
    GameRecord record;
    RecordError error;
    if (!ReadGameRecord(ReadRecordFile(path), record, error))
        throw InputError(Quoted(path) + ": " + Describe(error));
    return record;
}

} // namespace

Board GamePosition(const std::string& path) {
    return CurrentPosition(ReadRecord(path));
}

std::vector<Move> GameMoves(const std::string& path) {
    GameRecord record = ReadRecord(path);
    const std::size_t played =
        record.moves.size() - std::min<std::size_t>(record.takenBack, record.moves.size());
    record.moves.resize(played);
    return record.moves;
}
