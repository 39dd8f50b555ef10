#include "windows/settings.h"

#include "base/errors.h"
#include "players/settingsfile.h"
#include "players/settingslines.h"
#include "players/sharedstate.h"
#include "windows/gamewindow.h"
#include "windows/welcomewindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

namespace {

// The settings as the process and its two windows hold them: the colour pair and the highest
// score in process-wide values, the animation switch and whether a highest score exists in the
// game window's menu, the roster in the welcome window's list after its "New Player" item.
SettingsState heldSettings()
{
    SettingsState state;
    state.startColor = gradientStartColor;
    state.endColor = gradientEndColor;
    state.animation = theGameWindow->animationAction->isChecked();
    for (int item = 1; item < theWelcomeWindow->playerList->count(); ++item)
        state.roster.append(theWelcomeWindow->playerList->itemText(item));
    state.highScoreName = highestScoreHolder;
    state.highScore = highestScore;
    state.highScoreKnown = theGameWindow->highestScoreAction->isEnabled();
    return state;
}

// The menu item for the highest score is only ever enabled, and roster names that the list
// does not hold yet are appended; the first of them is offered as the chosen player.
void holdSettings(const SettingsState &state)
{
    gradientStartColor = state.startColor;
    gradientEndColor = state.endColor;
    theGameWindow->animationAction->setChecked(state.animation);
    highestScoreHolder = state.highScoreName;
    highestScore = state.highScore;
    if (state.highScoreKnown)
        theGameWindow->highestScoreAction->setEnabled(true);

    QComboBox *list = theWelcomeWindow->playerList;
    for (qsizetype name = list->count() - 1; name < state.roster.size(); ++name) {
        list->addItem(state.roster[name]);
        if (list->isHidden()) {
            list->show();
            theWelcomeWindow->chooseCaption->show();
            list->setCurrentIndex(1);
        }
    }
}

} // namespace

void loadSettings()
{
    SettingsState state = heldSettings();
    std::optional<ConversionError> malformedNumber;
    if (settingsFileExists(settingsFilePath)) {
        const QStringList lines = splitSettingsText(readSettingsFile(settingsFilePath));
        malformedNumber = readSettingsLines(lines, state);
    } else {
        writeSettingsFile(settingsFilePath, defaultSettingsLines());
        state.startColor = Colors::Aqua;
        state.endColor = Colors::Blue;
        finishSettings(state);
    }
    holdSettings(state);
    // Only the first malformed number is reported, once everything else has been read.
    if (malformedNumber)
        throw *malformedNumber;
}

void saveSettings()
{
    writeSettingsFile(settingsFilePath, settingsLines(heldSettings(), currentPlayerName));
}
