#include "windows/welcomewindow.h"

#include "base/color.h"
#include "base/errors.h"
#include "base/messageboxes.h"
#include "players/playernamevalidator.h"
#include "players/session.h"
#include "players/settings.h"
#include "players/settingslines.h"
#include "widgets/accessiblerole.h"
#include "widgets/fonts.h"
#include "widgets/pixelratiowatcher.h"
#include "widgets/scaledpicture.h"
#include "widgets/windowcontrols.h"
#include "windows/gamewindow.h"
#include "windows/windowplacement.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize ClientSize(600, 400);
constexpr QRect PanelGeometry(181, 121, 233, 257);
constexpr QPoint ChooseCaptionPos(30, 24);
constexpr QPoint NameCaptionPos(30, 96);
constexpr QPoint NoticePos(20, 224);
constexpr int CaptionHeight = 16;
// The list and the name field sit in the panel beside their captions, which screen readers then
// read as their labels.
constexpr QRect ListGeometry(27, 55, 169, 21);
constexpr QRect NameGeometry(27, 127, 169, 21);
constexpr QRect PlayGeometry(208, 296, 75, 25);
constexpr QRect ExitGeometry(304, 296, 75, 25);

constexpr int WindowFontSize = 11;
constexpr int FieldFontSize = 11;
constexpr int CaptionFontSize = 13;
// The name field holds at most 20 code points, which may take two UTF-16 units each; the
// validator enforces the real limit.
constexpr int NameFieldUnits = 2 * PlayerNameValidator::MaxLength;

constexpr auto Warning = u"Warning";
constexpr auto SamePlayerQuestion
        = u"You have chosen the same player as you were just playing with!\n"
          u"You would like to start a new game instead?";
constexpr auto OtherPlayerQuestion = u"Are you sure you want to change the current player?\n"
                                     u"This will exit the current game!";
constexpr auto NoNameNotice = u"I would like to know who you are! Please specify your name.";

// The list and the name field: white text on black. Their frames are drawn in a shade of the
// window colour, which is made light so that they stand out from the black panel.
void setFieldLook(QWidget *field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Window, toQColor(Colors::Silver));
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button})
        palette.setColor(role, toQColor(Colors::Black));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, toQColor(Colors::White));
    field->setPalette(palette);
    field->setFont(tahomaFont(FieldFontSize));
}

// Leaving through the welcome window ends the message loop without closing the game window,
// whose closing would save the settings; QCoreApplication::quit() would close it first.
void endWithoutSaving()
{
    QCoreApplication::exit(0);
}

} // namespace

WelcomeWindow::WelcomeWindow(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session)
{
    setAccessibleRole(staticMetaObject, QAccessible::Window);
    setWindowTitle(QStringLiteral("Welcome to Tovik v2!"));
    setFixedBorder(this, false);
    setFixedSize(ClientSize);
    setWindowFont(this, WindowFontSize);
    setBackgroundColor(this, Colors::White);
    createControls();
    connectControls();
    showRoster();
}

void WelcomeWindow::createControls()
{
    splashImage = named(new QLabel(this), u"splashImage");
    splashImage->setGeometry(QRect(QPoint(0, 0), ClientSize));
    const ScaledPicture splash = ScaledPicture::fromFiles(QStringLiteral(":/splash/splash.png"));
    const auto showSplash
            = [this, splash] { splashImage->setPixmap(splash.pixmapFor(devicePixelRatio())); };
    showSplash();
    new PixelRatioWatcher(this, showSplash);

    choicePanel = named(new QFrame(this), u"choicePanel");
    choicePanel->setGeometry(PanelGeometry);
    setBackgroundColor(choicePanel, Colors::Black);

    const QFont captionFont = tahomaFont(CaptionFontSize);
    chooseCaption = named(newLabel(QStringLiteral("Choose your Player:"), choicePanel,
                                   ChooseCaptionPos, CaptionHeight, captionFont, Colors::White),
                          u"chooseCaption");
    chooseCaption->hide();
    nameCaption = named(newLabel(QStringLiteral("New Player's Name:"), choicePanel, NameCaptionPos,
                                 CaptionHeight, captionFont, Colors::White),
                        u"nameCaption");
    noticeLabel = named(newLabel(QStringLiteral("Pick your name, then press Play!"), choicePanel,
                                 NoticePos, CaptionHeight, captionFont, Colors::White),
                        u"noticeLabel");

    playerList = named(new QComboBox(choicePanel), u"playerList");
    playerList->setGeometry(ListGeometry);
    setFieldLook(playerList);
    playerList->addItem(QStringLiteral("New Player"));
    playerList->hide();
    chooseCaption->setBuddy(playerList);

    nameEdit = named(new QLineEdit(choicePanel), u"nameEdit");
    nameEdit->setGeometry(NameGeometry);
    setFieldLook(nameEdit);
    nameEdit->setMaxLength(NameFieldUnits);
    nameEdit->setValidator(new PlayerNameValidator(nameEdit));
    nameEdit->installEventFilter(this);
    nameCaption->setBuddy(nameEdit);

    const QFont buttonFont = tahomaFont(FieldFontSize);
    playButton = named(newButton(QStringLiteral("&Play!"), this, PlayGeometry, buttonFont),
                       u"playButton");
    exitButton = named(newButton(QStringLiteral("E&xit"), this, ExitGeometry, buttonFont),
                       u"exitButton");
    cancelButton = named(newButton(QStringLiteral("&Cancel"), this, ExitGeometry, buttonFont),
                         u"cancelButton");
    cancelButton->hide();

    setTabOrder(playerList, nameEdit);
    setTabOrder(nameEdit, playButton);
    setTabOrder(playButton, exitButton);
    setTabOrder(exitButton, cancelButton);
}

void WelcomeWindow::connectControls()
{
    connect(playerList, &QComboBox::activated, this, &WelcomeWindow::clearTypedName);
    connect(playButton, &QPushButton::clicked, this, &WelcomeWindow::play);
    connect(exitButton, &QPushButton::clicked, this, &WelcomeWindow::exitProgram);
    connect(cancelButton, &QPushButton::clicked, this, &WelcomeWindow::cancel);
    connect(&m_session, &Session::rosterChanged, this, &WelcomeWindow::showRoster);
}

void WelcomeWindow::followGameWindow(const GameWindow *gameWindow)
{
    playButton->setEnabled(!gameWindow->isRolling());
    connect(gameWindow, &GameWindow::rollingChanged, playButton,
            [this](bool rolling) { playButton->setEnabled(!rolling); });
}

// The roster only grows while the window lives: the names it does not list yet are appended, and
// the first of them is offered as the chosen player.
void WelcomeWindow::showRoster()
{
    const QStringList &roster = m_session.roster();
    for (qsizetype name = playerList->count() - 1; name < roster.size(); ++name) {
        playerList->addItem(roster[name]);
        if (playerList->isHidden()) {
            playerList->show();
            chooseCaption->show();
            playerList->setCurrentIndex(1);
        }
    }
}

void WelcomeWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        prepareToShow();
}

// The settings file is read at the first showing only; later showings come from
// "Different Player..." during a game, where the game may be left as it is.
void WelcomeWindow::prepareToShow()
{
    playerAccepted = false;
    centerOnScreen(this);
    if (m_session.gameStarted()) {
        cancelButton->show();
        exitButton->hide();
    } else {
        runHandler([this] { loadSettings(m_session); });
    }
}

bool WelcomeWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == nameEdit && event->type() == QEvent::KeyPress)
        pickNewPlayerEntry();
    return QWidget::eventFilter(watched, event);
}

void WelcomeWindow::pickNewPlayerEntry()
{
    playerList->setCurrentIndex(0);
}

void WelcomeWindow::clearTypedName(int index)
{
    if (index > 0)
        nameEdit->clear();
}

void WelcomeWindow::play()
{
    if (!canBePressed(playButton))
        return;
    const QString typedName = withoutBlanks(nameEdit->text()).toString();
    const QString chosenName = typedName.isEmpty() ? playerList->currentText() : typedName;

    if (m_session.gameStarted()) {
        const auto question
                = chosenName == m_session.playerName() ? SamePlayerQuestion : OtherPlayerQuestion;
        if (!MessageBoxes::askYesNo(this, QString::fromUtf16(Warning),
                                    QString::fromUtf16(question)))
            return;
    }

    playerAccepted = true;
    if (typedName.isEmpty() && playerList->currentIndex() < 1) {
        MessageBoxes::warn(this, QString::fromUtf16(Warning), QString::fromUtf16(NoNameNotice));
        playerAccepted = false;
        return;
    }

    m_session.setPlayerName(chosenName);
    // A settings file that cannot be written never keeps the player from a game.
    runHandler([this] { saveSettings(m_session); });
    Q_EMIT playRequested();
}

void WelcomeWindow::exitProgram()
{
    if (canBePressed(exitButton))
        endWithoutSaving();
}

void WelcomeWindow::cancel()
{
    if (canBePressed(cancelButton))
        hide();
}

void WelcomeWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    quitWithoutSaving();
}

void WelcomeWindow::quitWithoutSaving()
{
    endWithoutSaving();
}
