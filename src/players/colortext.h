#pragma once

#include "base/color.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

// The text form of colours in the settings file: one of 42 names, or "$" and eight hexadecimal
// digits. Reading also takes any integer text that parseIntegerText accepts.
QString formatColorText(Color color);
Color parseColorText(QStringView text);

// Reads a signed 32-bit integer: leading spaces, an optional sign, then decimal digits or up to
// eight hexadecimal digits after "$", "x", "X", "0x" or "0X", and nothing after them.
// Hexadecimal values of $80000000 and above wrap to negative numbers. Throws ConversionError.
qint32 parseIntegerText(QStringView text);
