// Any text either is refused as a game's log or reads as a log that writes back as that very
// text and replays to the same game.

#include "game/game.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<GameLog> log = Game::readLog(text);
    if (!log)
        return 0;
    Game game;
    if (log->toText() != text || !game.replay(*log) || game.log() != *log)
        std::abort();
    return 0;
}
