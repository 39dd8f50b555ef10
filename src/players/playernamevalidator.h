#pragma once

#include <QStringView>
#include <QValidator>

// Keeps a name field to what a player name may be: no control characters, which would break
// the settings file's lines, and at most MaxLength characters counted as code points, so that a
// character outside the Basic Multilingual Plane counts once and is never split. Text that does
// not fit is cut as a length-limited field cuts it: the end of what was just inserted, that is
// the characters before the cursor, is dropped.
class PlayerNameValidator : public QValidator
{
    Q_OBJECT

public:
    static constexpr qsizetype MaxLength = 20;

    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;

    // The rule itself, on a text and a cursor position in UTF-16 units; the cursor moves with
    // the text.
    static QString limited(QStringView text, qsizetype &cursor);

    // The text without the characters that a name may not hold, whatever its length.
    static QString withoutForbiddenCharacters(QStringView text);
};
