#include "players/settings.h"

#include "base/errors.h"
#include "players/session.h"
#include "players/settingsfile.h"
#include "players/settingslines.h"

namespace {

SettingsState heldSettings(const Session &session)
{
    SettingsState state;
    state.startColor = session.startColor();
    state.endColor = session.endColor();
    state.animation = session.animation();
    state.roster = session.roster();
    state.highScoreName = session.recordHolder();
    state.highScore = session.recordScore();
    state.highScoreKnown = session.recordKnown();
    return state;
}

// A highest score, once known, stays known, and the roster only grows: reading adds the names
// beyond those the session holds already.
void holdSettings(const SettingsState &state, Session &session)
{
    session.setColors(state.startColor, state.endColor);
    session.setAnimation(state.animation);
    session.setRecordHolder(state.highScoreName);
    session.setRecordScore(state.highScore);
    if (state.highScoreKnown)
        session.setRecordKnown(true);
    const QStringList &held = session.roster();
    session.setRoster(held + state.roster.mid(held.size()));
}

} // namespace

void loadSettings(Session &session)
{
    SettingsState state = heldSettings(session);
    std::optional<ConversionError> malformedNumber;
    const QString &path = session.settingsPath();
    if (settingsFileExists(path)) {
        // A file that fails to read is one that no save may write over.
        session.setSettingsStamp(FileStamp::unread());
        FileStamp stamp;
        const QByteArray text = readSettingsFile(path, &stamp);
        session.setSettingsStamp(stamp);
        malformedNumber = readSettingsLines(splitSettingsText(text), state);
    } else {
        session.setSettingsStamp(writeSettingsFile(path, defaultSettingsLines()));
        state.startColor = Colors::Aqua;
        state.endColor = Colors::Blue;
        finishSettings(state);
    }
    holdSettings(state, session);
    // Only the first malformed number is reported, once everything else has been read.
    if (malformedNumber)
        throw *malformedNumber;
}

void saveSettings(Session &session)
{
    const SettingsState held = heldSettings(session);
    SettingsState written = held;
    const auto compose = [&](const std::optional<QByteArray> &changedText) {
        if (changedText) {
            SettingsState onDisk;
            readSettingsLines(splitSettingsText(*changedText), onDisk);
            written = mergedSettings(held, onDisk);
        }
        return settingsLines(written, session.playerName());
    };
    const SavedSettingsFile saved
            = writeSettingsFile(session.settingsPath(), session.settingsStamp(), compose);
    session.setSettingsStamp(saved.stamp);
    holdSettings(written, session);
    if (!saved.keptAs.isEmpty())
        throw TovikError(QStringLiteral("The settings file could not be read, so it was kept as "
                                        "%1 before the new settings were saved")
                                 .arg(saved.keptAs));
}
