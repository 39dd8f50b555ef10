#include "widgets/colorpicker.h"

#include <QColorDialog>

std::optional<Color> pickColor(Color initial, QWidget *parent)
{
    const QColor chosen = QColorDialog::getColor(toQColor(initial), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}
