#include "windows/solveprogress.h"

#include "coach/coach.h"
#include "widgets/fonts.h"
#include "widgets/windowcontrols.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

int delayMs = 250;

constexpr int LineFontSize = 13;
constexpr int BarHeight = 12;

} // namespace

SolveProgress::SolveProgress(const Coach &coach, QWidget *parent)
    : QWidget(parent), m_coach(coach), m_line(named(new QLabel(this), u"solvingLine")),
      m_bar(named(new QProgressBar(this), u"solvingBar"))
{
    setBackgroundColor(this, Colors::Black);
    m_line->setFont(tahomaFont(LineFontSize));
    setTextColor(m_line, Colors::White);
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(BarHeight);
    m_bar->setAccessibleName(QStringLiteral("Solving"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_line);
    layout->addWidget(m_bar);
    hide();

    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, [this] {
        if (m_coach.isSolving())
            showProgress(m_coach.progress());
    });
    connect(&m_coach, &Coach::progressChanged, this, [this](double fraction) {
        if (!isHidden() && !m_coach.isReady())
            showProgress(fraction);
    });
    connect(&m_coach, &Coach::ready, this, &QWidget::hide);
}

void SolveProgress::setDelay(int milliseconds)
{
    delayMs = milliseconds;
}

void SolveProgress::follow()
{
    if (!m_coach.isSolving() || !isHidden() || m_delay.isActive())
        return;
    if (delayMs <= 0)
        showProgress(m_coach.progress());
    else
        m_delay.start(delayMs);
}

void SolveProgress::showProgress(double fraction)
{
    const int percent = qRound(fraction * 100);
    m_line->setText(QStringLiteral("Solving... %1%").arg(percent));
    m_bar->setValue(percent);
    show();
}
