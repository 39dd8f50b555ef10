// Measures the gradient paint, the colour table build and the roll animation, and prints one
// line per figure. Timings are medians over many runs.

#include "game/random.h"
#include "players/session.h"
#include "widgets/gradient.h"
#include "windows/gamewindow.h"
#include "windows/rollpacing.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double medianOf(std::vector<double> samples)
{
    std::nth_element(samples.begin(), samples.begin() + std::ptrdiff_t(samples.size() / 2),
                     samples.end());
    return samples[samples.size() / 2];
}

template <typename Work>
double medianMicroseconds(int runs, int repeats, Work work)
{
    std::vector<double> samples;
    samples.reserve(std::size_t(runs));
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < repeats; ++i)
            work();
        samples.push_back(double(timer.nsecsElapsed()) / 1000.0 / repeats);
    }
    return medianOf(samples);
}

void benchmarkGradient()
{
    const std::vector<Color> table = gradientColorTable(Colors::Aqua, Colors::Blue, 236);
    QImage window(601, 401, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&window);
    const double build = medianMicroseconds(200, 5, [&] {
        const QImage bands = gradientBands(window.size(), 1.0, table);
        painter.drawImage(0, 0, bands);
    });
    std::printf("gradient bands drawn and painted 601x401, 236 bands: %.1f us median\n", build);
    const QImage bands = gradientBands(window.size(), 1.0, table);
    const double paint = medianMicroseconds(200, 5, [&] { painter.drawImage(0, 0, bands); });
    std::printf("gradient kept bands painted 601x401: %.1f us median\n", paint);

    volatile std::size_t sink = 0;
    const double tableBuild = medianMicroseconds(200, 200, [&] {
        sink = sink + gradientColorTable(Colors::Aqua, Colors::Blue, 236).size();
    });
    std::printf("colour table build, 236 colours: %.2f us median\n", tableBuild);
}

double timedRoll(GameWindow &form)
{
    QElapsedTimer timer;
    timer.start();
    form.findChild<QPushButton *>(QStringLiteral("rollButton"))->click();
    return double(timer.nsecsElapsed()) / 1e6;
}

void benchmarkRoll()
{
    Session session;
    GameWindow form(session);
    form.show();
    processRandom().setSeed(1);
    form.findChild<QAction *>(QStringLiteral("animationAction"))->setChecked(true);

    RollPacing::setEnabled(false);
    std::vector<double> unpaced;
    int frames = 0;
    for (int i = 0; i < 20; ++i) {
        form.newGame();
        const int before = form.diceDisplay().faceChanges();
        unpaced.push_back(timedRoll(form));
        frames = form.diceDisplay().faceChanges() - before;
    }
    std::printf("animated roll without pacing: %d face changes, %.1f ms median\n", frames,
                medianOf(unpaced));

    RollPacing::setEnabled(true);
    form.newGame();
    const double paced = timedRoll(form);
    const double rate = form.screen()->refreshRate() > 0 ? form.screen()->refreshRate() : 60.0;
    std::printf("animated roll with pacing: %.0f ms at %.1f Hz (%.1f refreshes; 69 expected)\n",
                paced, rate, paced * rate / 1000.0);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    benchmarkGradient();
    benchmarkRoll();
    return 0;
}
