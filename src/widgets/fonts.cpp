#include "widgets/fonts.h"

#include "widgets/pixelratiowatcher.h"

#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

namespace {

// fonts-wine's tahomabd.ttf holds the regular outlines on wider advances: with it loaded, bold
// Tahoma looks regular. Without it Qt draws bold Tahoma by emboldening the regular outlines.
void loadFontFilesOnce()
{
    static const bool loaded = [] {
        const QString folder = QStringLiteral("/usr/share/wine/fonts/");
        const QStringList files
                = {QStringLiteral("tahoma.ttf"), QStringLiteral("ms_sans_serif.ttf")};
        for (const QString &file : files) {
            if (QFontDatabase::addApplicationFont(folder + file) < 0)
                qWarning("Cannot load the font file %s; its face is replaced by the nearest one",
                         qPrintable(folder + file));
        }
        return true;
    }();
    Q_UNUSED(loaded);
}

QFont fontOf(const QString &family, int pixelSize, bool bold)
{
    loadFontFilesOnce();
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont tahomaFont(int pixelSize, bool bold)
{
    return fontOf(QStringLiteral("Tahoma"), pixelSize, bold);
}

QFont msSansSerifFont(int pixelSize)
{
    return fontOf(QStringLiteral("MS Sans Serif"), pixelSize, false);
}

void setWindowFont(QWidget *window, int pixelSize)
{
    const auto choose = [window, pixelSize] {
        const bool unscaled = qFuzzyCompare(window->devicePixelRatio(), 1.0);
        window->setFont(unscaled ? msSansSerifFont(pixelSize) : tahomaFont(pixelSize));
    };
    choose();
    new PixelRatioWatcher(window, choose);
}
