#pragma once

#include "widgets/kitcolor.h"

#include <QApplication>
#include <QImage>
#include <QList>
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

// The colours down one column of what a window shows, top row first, as $00BBGGRR.
inline QList<TColor> shownColumn(QWidget *window, int x)
{
    const QImage image = window->grab().toImage();
    QList<TColor> colors;
    for (int y = 0; y < image.height(); ++y)
        colors.append(fromQColor(image.pixelColor(x, y)));
    return colors;
}
