#pragma once

#include "widgets/kitcolor.h"

#include <QApplication>
#include <QImage>
#include <QList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

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
    QTest::addColumn<TColor>("start");
    QTest::addColumn<TColor>("end");
    QTest::newRow("gradient") << clRed << clLime;
    QTest::newRow("solid") << clTeal << clTeal;
}

// The colours down one column of what a widget shows, top row first, as $00BBGGRR.
inline QList<TColor> shownColumn(QWidget *widget, int x)
{
    const QImage image = widget->grab().toImage();
    QList<TColor> colors;
    for (int y = 0; y < image.height(); ++y)
        colors.append(fromQColor(image.pixelColor(x, y)));
    return colors;
}

// The window's left edge runs from start in its top row to end in its bottom row, and is plain
// when both are the same.
inline void verifyBackground(QWidget *window, TColor start, TColor end)
{
    const QList<TColor> column = shownColumn(window, 0);
    QCOMPARE(column.size(), window->height());
    QCOMPARE(column.first(), start);
    QCOMPARE(column.last(), end);
    if (start == end)
        QCOMPARE(column.count(start), column.size());
}
