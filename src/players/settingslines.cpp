#include "players/settingslines.h"

#include "players/colortext.h"
#include "players/playernamevalidator.h"

#include <QStringDecoder>
#include <QStringView>

#include <array>

namespace {

constexpr QStringView Color1Key = u"color1";
constexpr QStringView Color2Key = u"color2";
constexpr QStringView AnimationKey = u"animation";
constexpr QStringView NameKey = u"name";
constexpr QStringView HighScoreNameKey = u"hname";
constexpr QStringView HighScoreKey = u"hscore";
constexpr QChar Separator = u'=';
constexpr QStringView AnimationOff = u"0";
constexpr QStringView AnimationOn = u"1";
constexpr QStringView PositiveScore = u"1";
constexpr char LineEnd[] = "\r\n";

// Where Windows-1252 differs from Latin-1: the characters of the bytes 0x80 to 0x9F. The five
// bytes that code page leaves unassigned keep their Latin-1 control characters.
constexpr uchar FirstWindows1252Byte = 0x80;
constexpr std::array<char16_t, 32> Windows1252Characters = {
        u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
        u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
        u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
        u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

qsizetype unitsOfCharacterAt(QStringView text, qsizetype index)
{
    const bool pair = text[index].isHighSurrogate() && index + 1 < text.size()
            && text[index + 1].isLowSurrogate();
    return pair ? 2 : 1;
}

// The first count characters; a character outside the Basic Multilingual Plane is never split.
QStringView firstCharacters(QStringView text, qsizetype count)
{
    qsizetype end = 0;
    for (qsizetype taken = 0; taken < count && end < text.size(); ++taken)
        end += unitsOfCharacterAt(text, end);
    return text.first(end);
}

// The key is followed by one separator character of any kind, which is skipped unread.
QStringView valueAfter(QStringView line, QStringView key)
{
    const QStringView rest = line.sliced(key.size());
    return rest.isEmpty() ? rest : rest.sliced(unitsOfCharacterAt(rest, 0));
}

// A name is cut to the length a player name may have before the blanks around it are removed,
// and keeps no character that a typed name could not hold. Blanks alone within that length give
// no name, so an empty name never reaches the roster.
QString nameFrom(QStringView value)
{
    const QString allowed = PlayerNameValidator::withoutForbiddenCharacters(
            firstCharacters(value, PlayerNameValidator::MaxLength));
    return withoutBlanks(allowed).toString();
}

// A value can never break its line, whatever text a name holds.
QString settingsLine(QStringView key, const QString &value)
{
    QString line = key.toString() + Separator + value;
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = uchar(bytes[i]);
        const qsizetype fromFirst = byte - FirstWindows1252Byte;
        text[i] = fromFirst >= 0 && fromFirst < qsizetype(Windows1252Characters.size())
                ? QChar(Windows1252Characters[size_t(fromFirst)])
                : QChar(char16_t(byte));
    }
    return text;
}

// The program writes UTF-8; a file that is not valid UTF-8 comes from an older version, which
// wrote the 8-bit code page of its system, taken to be Windows-1252.
QString decodedSettingsText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

// The holder's line comes first, then the score. A holder that reads back blank makes the record
// known only through its own line's rule, a positive score before it: the score comes first
// there, after a stand-in score of 1 when it is not positive itself.
QStringList recordLines(const SettingsState &state)
{
    const QString holder = settingsLine(HighScoreNameKey, state.highScoreName);
    const QString score = settingsLine(HighScoreKey, QString::number(state.highScore));
    if (!nameFrom(state.highScoreName).isEmpty())
        return {holder, score};
    if (state.highScore > 0)
        return {score, holder};
    return {settingsLine(HighScoreKey, PositiveScore.toString()), holder, score};
}

} // namespace

QStringView withoutBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

void applySettingsLine(const QString &line, SettingsState &state)
{
    if (line.startsWith(AnimationKey)) {
        state.animation = valueAfter(line, AnimationKey) != AnimationOff;
    } else if (line.startsWith(HighScoreKey)) {
        state.highScore = parseIntegerText(valueAfter(line, HighScoreKey));
        if (!state.highScoreName.isEmpty())
            state.highScoreKnown = true;
    } else if (line.startsWith(HighScoreNameKey)) {
        const QString name = nameFrom(valueAfter(line, HighScoreNameKey));
        if (!name.isEmpty())
            state.highScoreName = name;
        if (state.highScore > 0)
            state.highScoreKnown = true;
    } else if (line.startsWith(NameKey)) {
        const QString name = nameFrom(valueAfter(line, NameKey));
        if (!name.isEmpty())
            state.roster.append(name);
    } else if (line.startsWith(Color1Key)) {
        state.startColor = parseColorText(valueAfter(line, Color1Key));
    } else if (line.startsWith(Color2Key)) {
        state.endColor = parseColorText(valueAfter(line, Color2Key));
    }
}

void finishSettings(SettingsState &state)
{
    if (!state.highScoreKnown)
        state.highScore = 0;
}

std::optional<ConversionError> readSettingsLines(const QStringList &lines, SettingsState &state)
{
    std::optional<ConversionError> firstError;
    for (const QString &line : lines) {
        try {
            applySettingsLine(line, state);
        } catch (const ConversionError &error) {
            if (!firstError)
                firstError = error;
        }
    }
    finishSettings(state);
    return firstError;
}

SettingsState mergedSettings(const SettingsState &mine, const SettingsState &onDisk)
{
    SettingsState merged = mine;
    for (const QString &name : onDisk.roster) {
        if (!merged.roster.contains(name))
            merged.roster.append(name);
    }
    if (onDisk.highScoreKnown && (!mine.highScoreKnown || onDisk.highScore > mine.highScore)) {
        merged.highScoreKnown = true;
        merged.highScore = onDisk.highScore;
        merged.highScoreName = onDisk.highScoreName;
    }
    return merged;
}

QStringList settingsLines(const SettingsState &state, const QString &playerName)
{
    QStringList lines = {
            settingsLine(Color1Key, formatColorText(state.startColor)),
            settingsLine(Color2Key, formatColorText(state.endColor)),
            settingsLine(AnimationKey, (state.animation ? AnimationOn : AnimationOff).toString()),
            settingsLine(NameKey, playerName),
    };
    for (const QString &name : state.roster) {
        if (name != playerName)
            lines.append(settingsLine(NameKey, name));
    }
    if (state.highScoreKnown)
        lines += recordLines(state);
    return lines;
}

QByteArray settingsText(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + LineEnd;
    return bytes;
}

QStringList defaultSettingsLines()
{
    return {
            settingsLine(AnimationKey, AnimationOff.toString()),
            settingsLine(Color1Key, formatColorText(Colors::Aqua)),
            settingsLine(Color2Key, formatColorText(Colors::Blue)),
    };
}

QStringList splitSettingsText(const QByteArray &bytes)
{
    // One pass that copies each line once: a file can hold a line of many megabytes.
    const QString text = decodedSettingsText(bytes);
    QStringList lines;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(lineStart, i - lineStart));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    // What follows the last line end is a line only when it holds text.
    if (lineStart < text.size())
        lines.append(text.sliced(lineStart));
    return lines;
}
