// Reads arbitrary bytes as a settings file, line by line as the program does, and checks what
// it would write back: the colours and the animation switch survive a second reading, and no
// written line can hold a line break.

#include "app/errors.h"
#include "players/settingslines.h"

#include <cstdlib>

namespace {

SettingsState readLines(const QStringList &lines)
{
    SettingsState state;
    readSettingsLines(lines, state);
    return state;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SettingsState state = readLines(splitSettingsText(bytes));
    for (const QString &name : state.roster) {
        check(!name.isEmpty());
        check(name.toUcs4().size() <= 20);
    }

    const QString player = state.roster.isEmpty() ? QString() : state.roster.first();
    const QStringList written = settingsLines(state, player);
    for (const QString &line : written)
        check(!line.contains(u'\r') && !line.contains(u'\n'));

    const SettingsState reread = readLines(written);
    check(reread.startColor == state.startColor);
    check(reread.endColor == state.endColor);
    check(reread.animation == state.animation);
    return 0;
}
