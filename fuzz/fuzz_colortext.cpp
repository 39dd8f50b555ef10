// Any text either fails to read as a colour or reads as a value that writes back as text
// reading the same value again.

#include "base/errors.h"
#include "players/colortext.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    Color color = 0;
    try {
        color = parseColorText(text);
    } catch (const ConversionError &) {
        return 0;
    }
    if (parseColorText(formatColorText(color)) != color)
        std::abort();
    return 0;
}
