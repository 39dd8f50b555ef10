#include "windows/highscorewindow.h"

#include "base/errors.h"
#include "players/colortext.h"
#include "players/playernamevalidator.h"
#include "players/session.h"
#include "players/settings.h"
#include "widgets/fonts.h"
#include "widgets/gradientfill.h"
#include "widgets/windowcontrols.h"
#include "windows/windowplacement.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize ClientSize(369, 193);
constexpr QRect FillGeometry(0, 0, 369, 193);
constexpr int FillColorCount = 64;

constexpr QRect PanelGeometry(32, 32, 305, 105);
constexpr QPoint NamePosition(24, 24);
constexpr QPoint ScorePosition(24, 64);
constexpr QPoint NewScorePosition(96, 64);
constexpr int LabelHeight = 19;
// Inside the panel, beside the "Name:" caption that labels it for screen readers.
constexpr QRect EditGeometry(96, 24, 121, 21);
constexpr QRect ButtonGeometry(264, 144, 75, 25);

constexpr int WindowFontSize = 11;
constexpr int LabelFontSize = 16;
constexpr int ControlFontSize = 11;

} // namespace

HighScoreWindow::HighScoreWindow(Session &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("Highest Score"));
    setFixedBorder(this, false);
    setFixedSize(ClientSize);
    setWindowFont(this, WindowFontSize);
    setBackgroundColor(this, Colors::Black);
    createControls();
    hideScoreFields();
}

void HighScoreWindow::createControls()
{
    backgroundFill
            = named(newBackgroundFill(this, FillGeometry, FillColorCount), u"backgroundFill");

    scorePanel = named(newPanel(this, PanelGeometry, Colors::Black), u"scorePanel");
    const QFont labelFont = tahomaFont(LabelFontSize, true);
    holderLabel = named(
            newLabel(QString(), scorePanel, NamePosition, LabelHeight, labelFont, Colors::White),
            u"holderLabel");
    scoreLabel = named(
            newLabel(QString(), scorePanel, ScorePosition, LabelHeight, labelFont, Colors::White),
            u"scoreLabel");
    scoreLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    newScoreLabel = named(newLabel(QString(), scorePanel, NewScorePosition, LabelHeight, labelFont,
                                   Colors::White),
                          u"newScoreLabel");

    holderEdit = named(new QLineEdit(scorePanel), u"holderEdit");
    holderEdit->setGeometry(EditGeometry);
    holderEdit->setFont(tahomaFont(ControlFontSize));
    holderEdit->setValidator(new PlayerNameValidator(holderEdit));
    QPalette editPalette = holderEdit->palette();
    editPalette.setColor(QPalette::Base, toQColor(Colors::Black));
    editPalette.setColor(QPalette::Text, toQColor(Colors::White));
    holderEdit->setPalette(editPalette);
    holderLabel->setBuddy(holderEdit);

    okButton = named(
            newButton(QStringLiteral("&OK"), this, ButtonGeometry, tahomaFont(ControlFontSize)),
            u"okButton");
    okButton->setFocus();
    setTabOrder(okButton, holderEdit);

    connect(okButton, &QPushButton::clicked, this, &HighScoreWindow::confirm);
}

void HighScoreWindow::hideScoreFields()
{
    setLabelText(holderLabel, QStringLiteral("Name:"));
    setLabelText(scoreLabel, QStringLiteral("Score:"));
    for (QWidget *control :
         std::initializer_list<QWidget *> {holderEdit, holderLabel, scoreLabel, newScoreLabel})
        control->hide();
}

void HighScoreWindow::enterRecordMode(qint32 score)
{
    m_recording = true;
    m_session.setRecordKnown(true);
    holderEdit->setText(m_session.playerName());
    setLabelText(newScoreLabel, QString::number(score));
    holderLabel->show();
    scoreLabel->show();
    newScoreLabel->show();
    holderEdit->show();
}

void HighScoreWindow::enterViewMode()
{
    setLabelText(holderLabel, m_session.recordHolder());
    holderLabel->show();
    setLabelText(scoreLabel, QString::number(m_session.recordScore()));
    scoreLabel->show();
}

void HighScoreWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        prepareToShow();
}

void HighScoreWindow::prepareToShow()
{
    backgroundFill->setColors(m_session.startColor(), m_session.endColor());
    centerOnScreen(this);
}

// A save that fails keeps the window open with the new record already in memory, so that a
// later save (the game window's close) can still write it.
void HighScoreWindow::confirm()
{
    if (!m_recording) {
        close();
        return;
    }
    runHandler([this] {
        m_session.setRecordHolder(holderEdit->text());
        m_session.setRecordScore(parseIntegerText(newScoreLabel->text()));
        saveSettings(m_session);
        close();
    });
}
