// Reads arbitrary bytes as a settings file, line by line as the program does, and checks what
// it would write back: no written line can hold a line break, and the file written reads back
// as the same colours, animation switch, roster and record.

#include "players/settingslines.h"

#include <algorithm>
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
        check(std::none_of(name.begin(), name.end(),
                           [](QChar c) { return c.category() == QChar::Other_Control; }));
    }

    // With no current player every roster name is written, in the order read.
    const QStringList written = settingsLines(state, QString());
    for (const QString &line : written)
        check(!line.contains(u'\r') && !line.contains(u'\n'));

    const SettingsState reread = readLines(splitSettingsText(settingsText(written)));
    check(reread.startColor == state.startColor);
    check(reread.endColor == state.endColor);
    check(reread.animation == state.animation);
    check(reread.roster == state.roster);
    check(reread.highScoreKnown == state.highScoreKnown);
    check(reread.highScore == state.highScore);
    // A holder without a known record is never shown, and not written.
    check(!state.highScoreKnown || reread.highScoreName == state.highScoreName);
    return 0;
}
