#include "players/settings.h"

#include "app/errors.h"
#include "app/mainwindow.h"
#include "players/settingsfile.h"
#include "players/settingslines.h"
#include "players/sharedstate.h"
#include "players/welcomewindow.h"

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
    state.startColor = GradientStartColor;
    state.endColor = GradientEndColor;
    state.animation = Form1->Animation1->isChecked();
    for (int item = 1; item < Form3->ComboBox1->count(); ++item)
        state.roster.append(Form3->ComboBox1->itemText(item));
    state.highScoreName = HighScoreName;
    state.highScore = HighScore;
    state.highScoreKnown = Form1->HighestScore1->isEnabled();
    return state;
}

// The menu item for the highest score is only ever enabled, and roster names that the list
// does not hold yet are appended; the first of them is offered as the chosen player.
void holdSettings(const SettingsState &state)
{
    GradientStartColor = state.startColor;
    GradientEndColor = state.endColor;
    Form1->Animation1->setChecked(state.animation);
    HighScoreName = state.highScoreName;
    HighScore = state.highScore;
    if (state.highScoreKnown)
        Form1->HighestScore1->setEnabled(true);

    QComboBox *list = Form3->ComboBox1;
    for (qsizetype name = list->count() - 1; name < state.roster.size(); ++name) {
        list->addItem(state.roster[name]);
        if (list->isHidden()) {
            list->show();
            Form3->Label2->show();
            list->setCurrentIndex(1);
        }
    }
}

} // namespace

void LoadSettings()
{
    SettingsState state = heldSettings();
    std::optional<ConversionError> malformedNumber;
    if (settingsFileExists(SettingsPath)) {
        const QStringList lines = splitSettingsText(readSettingsFile(SettingsPath));
        malformedNumber = readSettingsLines(lines, state);
    } else {
        writeSettingsFile(SettingsPath, defaultSettingsLines());
        state.startColor = clAqua;
        state.endColor = clBlue;
        finishSettings(state);
    }
    holdSettings(state);
    // Only the first malformed number is reported, once everything else has been read.
    if (malformedNumber)
        throw *malformedNumber;
}

void SaveSettings()
{
    writeSettingsFile(SettingsPath, settingsLines(heldSettings(), PlayerName));
}
