#include "widgets/kitfonts.h"

#include "widgets/pixelratiowatcher.h"

#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

namespace {

void loadFontFilesOnce()
{
    static const bool loaded = [] {
        const QString folder = QStringLiteral("/usr/share/wine/fonts/");
        const QStringList files = {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf"),
                                   QStringLiteral("ms_sans_serif.ttf")};
        for (const QString &file : files)
            QFontDatabase::addApplicationFont(folder + file);
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
