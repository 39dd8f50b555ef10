#pragma once

#include "base/color.h"

#include <QApplication>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// A window's control by its object name, as Qt's own tests find them. A name that the window
// does not hold ends the test program at once.
template<typename Control = QWidget> Control *control(const QObject *window, const QString &name)
{
    auto *found = window->findChild<Control *>(name);
    if (!found)
        qFatal("%s has no %s named %s", window->metaObject()->className(),
               Control::staticMetaObject.className(), qPrintable(name));
    return found;
}

// The game window's category buttons in the order of Category, and its menus.
inline const QStringList GameCategoryButtonNames
        = {QStringLiteral("onesButton"),          QStringLiteral("twosButton"),
           QStringLiteral("threesButton"),        QStringLiteral("foursButton"),
           QStringLiteral("fivesButton"),         QStringLiteral("sixesButton"),
           QStringLiteral("threeOfAKindButton"),  QStringLiteral("fourOfAKindButton"),
           QStringLiteral("fullHouseButton"),     QStringLiteral("smallStraightButton"),
           QStringLiteral("largeStraightButton"), QStringLiteral("chanceButton"),
           QStringLiteral("fiveOfAKindButton")};
inline const QStringList GameMenuNames
        = {QStringLiteral("gameMenu"), QStringLiteral("optionsMenu"), QStringLiteral("helpMenu")};

// Answers the next modal window of type Window as soon as it is open, from inside the nested
// loop that shows it. The answer must close it. Polling stops when this object goes, so an
// answer never leaks into a later test.
template<typename Window> class ModalAnswer
{
public:
    explicit ModalAnswer(std::function<void(Window *)> answer)
    {
        m_timer.setInterval(PollInterval);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this, answer = std::move(answer)] {
            auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
            if (!window)
                return;
            m_timer.stop();
            m_answered = true;
            answer(window);
        });
        m_timer.start();
    }

    bool answered() const { return m_answered; }

private:
    static constexpr int PollInterval = 5;

    QTimer m_timer;
    bool m_answered = false;
};

// The rows of a background test: a gradient pair and a solid one.
inline void addColourPairRows()
{
    QTest::addColumn<Color>("start");
    QTest::addColumn<Color>("end");
    QTest::newRow("gradient") << Colors::Red << Colors::Lime;
    QTest::newRow("solid") << Colors::Teal << Colors::Teal;
}

// The colours down one column of what a widget shows, top row first, as $00BBGGRR.
inline QList<Color> shownColumn(QWidget *widget, int x)
{
    const QImage image = widget->grab().toImage();
    QList<Color> colors;
    for (int y = 0; y < image.height(); ++y)
        colors.append(fromQColor(image.pixelColor(x, y)));
    return colors;
}

// The window's left edge runs from start in its top row to end in its bottom row, and is plain
// when both are the same.
inline void verifyBackground(QWidget *window, Color start, Color end)
{
    const QList<Color> column = shownColumn(window, 0);
    QCOMPARE(column.size(), window->height());
    QCOMPARE(column.first(), start);
    QCOMPARE(column.last(), end);
    if (start == end)
        QCOMPARE(column.count(start), column.size());
}

// How much of a picture is drawn in a colour other than the background's: the sum over its
// pixels of how far each lies from the background in grey, in whole pixels.
inline int inkOf(const QImage &image, QColor background)
{
    const int backgroundGray = qGray(background.rgb());
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink += qAbs(qGray(image.pixel(x, y)) - backgroundGray);
    }
    return int(ink / 255);
}

// The ink of a text drawn on black in white, with room all round, so that nothing of it is cut.
inline int uncutInkOf(const QString &text, const QFont &font)
{
    const QFontMetrics metrics(font);
    const int margin = metrics.height();
    QImage image(metrics.horizontalAdvance(text) + 2 * margin, 3 * metrics.height(),
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(margin, margin + metrics.ascent()), text);
    painter.end();
    return inkOf(image, Qt::black);
}
