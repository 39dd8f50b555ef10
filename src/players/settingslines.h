#pragma once

#include "base/color.h"
#include "base/errors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// What the settings file carries: the session is read into it and written from it.
struct SettingsState
{
    Color startColor = Colors::Black;
    Color endColor = Colors::Black;
    bool animation = false;
    // Roster names in file order, without the list's "New Player" item.
    QStringList roster;
    QString highScoreName;
    qint32 highScore = 0;
    // Whether a highest score exists, which enables the "Highest Score" menu item.
    bool highScoreKnown = false;
};

// Applies one line of the file. Throws ConversionError on a malformed number; the state then
// keeps everything applied before that line.
void applySettingsLine(const QString &line, SettingsState &state);

// The last step of reading, once every line has been applied.
void finishSettings(SettingsState &state);

// Applies every line, then the last step. A line with a malformed number changes nothing, and the
// lines after it are read all the same; the error of the first such line is returned, for the
// caller to report.
std::optional<ConversionError> readSettingsLines(const QStringList &lines, SettingsState &state);

// What a save writes over a file that someone else changed since this copy read it: every name of
// both rosters, this copy's first; the higher highest score with its holder; this copy's colours
// and animation switch.
SettingsState mergedSettings(const SettingsState &mine, const SettingsState &onDisk);

// The lines that the file is rewritten with, without line ends: the current player's name first,
// then the roster names other than it. Read back, they give any state that reading produced, but
// for the roster, where the current player comes first and only once.
QStringList settingsLines(const SettingsState &state, const QString &playerName);

// The file's bytes for the lines: each ended by CR LF, in UTF-8.
QByteArray settingsText(const QStringList &lines);

// The lines of a new file.
QStringList defaultSettingsLines();

// The file's bytes as lines: UTF-8 without its byte-order mark, or Windows-1252 where the bytes
// are not valid UTF-8. Any of CR LF, LF or a lone CR ends a line.
QStringList splitSettingsText(const QByteArray &bytes);

// The text without the characters of codes 0 to 32 around it, as names are read.
QStringView withoutBlanks(QStringView text);
