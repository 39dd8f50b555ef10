#include "players/playernamevalidator.h"

#include <QChar>
#include <QList>

#include <algorithm>

namespace {

// One character of the text, as a range of UTF-16 units.
struct Character
{
    qsizetype start;
    qsizetype length;
};

// The characters that may stay in a name; unpaired surrogates and control characters go.
QList<Character> allowedCharacters(QStringView text)
{
    QList<Character> characters;
    for (qsizetype i = 0; i < text.size();) {
        const QChar unit = text[i];
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            characters.append({i, 2});
            i += 2;
            continue;
        }
        if (!unit.isSurrogate() && unit.category() != QChar::Other_Control)
            characters.append({i, 1});
        ++i;
    }
    return characters;
}

} // namespace

QString PlayerNameValidator::limited(QStringView text, qsizetype &cursor)
{
    QList<Character> characters = allowedCharacters(text);
    qsizetype beforeCursor = 0;
    while (beforeCursor < characters.size() && characters[beforeCursor].start < cursor)
        ++beforeCursor;

    const qsizetype excess = characters.size() - MaxLength;
    if (excess > 0) {
        const qsizetype fromInsertion = std::min(excess, beforeCursor);
        characters.remove(beforeCursor - fromInsertion, fromInsertion);
        beforeCursor -= fromInsertion;
        characters.resize(MaxLength);
    }

    QString result;
    cursor = 0;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        result += text.sliced(characters[i].start, characters[i].length);
        if (i < beforeCursor)
            cursor += characters[i].length;
    }
    return result;
}

QString PlayerNameValidator::withoutForbiddenCharacters(QStringView text)
{
    QString result;
    for (const Character &character : allowedCharacters(text))
        result += text.sliced(character.start, character.length);
    return result;
}

QValidator::State PlayerNameValidator::validate(QString &input, int &pos) const
{
    qsizetype cursor = pos;
    input = limited(input, cursor);
    pos = int(cursor);
    return Acceptable;
}
