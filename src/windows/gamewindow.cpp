#include "windows/gamewindow.h"

#include "base/errors.h"
#include "game/random.h"
#include "players/session.h"
#include "players/settings.h"
#include "widgets/announcer.h"
#include "widgets/dieface.h"
#include "widgets/fonts.h"
#include "widgets/gradientfill.h"
#include "widgets/transparentimage.h"
#include "widgets/windowcontrols.h"
#include "windows/pressbutton.h"
#include "windows/windowplacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QShortcut>
#include <QShowEvent>

namespace {

constexpr QSize ClientSize(600, 400);
constexpr QRect FillGeometry(0, 0, 601, 401);
constexpr int FillColorCount = 236;

constexpr int DieTop = 16;
constexpr QSize DieSize(105, 105);
constexpr std::array<int, 5> DieLefts = {40, 144, 248, 352, 456};
constexpr int HeldTop = 120;
constexpr std::array<int, 5> HeldLefts = {42, 145, 248, 352, 456};

constexpr QRect PanelGeometry(40, 152, 409, 73);
constexpr QRect CpuGeometry(16, 8, 65, 33);
constexpr QRect CpuMessageGeometry(88, 8, 313, 33);
constexpr QPoint ScoreCaptionPos(32, 48);
constexpr QRect ScoreGeometry(72, 48, 41, 16);
constexpr QPoint SubTotalCaptionPos(160, 48);
constexpr QRect SubTotalGeometry(232, 48, 33, 16);
constexpr QPoint RollsCaptionPos(312, 48);
constexpr QRect RollsGeometry(360, 48, 17, 16);
constexpr int CaptionHeight = 16;

constexpr QRect RollButtonGeometry(456, 152, 105, 33);
constexpr QRect UnSelectButtonGeometry(456, 192, 105, 33);

struct CategoryLayout
{
    const char16_t *caption;
    QRect geometry;
};

// In the order of Category, which is also the buttons' tab order.
constexpr std::array<CategoryLayout, CategoryCount> CategoryLayouts = {{
        {u"Ones", QRect(40, 248, 75, 25)},
        {u"Twos", QRect(128, 248, 75, 25)},
        {u"Threes", QRect(216, 248, 75, 25)},
        {u"Fours", QRect(304, 248, 75, 25)},
        {u"Fives", QRect(392, 248, 75, 25)},
        {u"Sixes", QRect(480, 248, 75, 25)},
        {u"3 of a Kind", QRect(40, 280, 163, 25)},
        {u"4 of a Kind", QRect(216, 280, 163, 25)},
        {u"Full House", QRect(392, 280, 163, 25)},
        {u"Small Straight", QRect(40, 312, 163, 25)},
        {u"Large Straight", QRect(216, 312, 163, 25)},
        {u"Chance", QRect(392, 312, 163, 25)},
        {u"Tovik!", QRect(168, 352, 283, 33)},
}};

constexpr int SmallFontSize = 11;
constexpr int PanelFontSize = 13;
constexpr int CpuFontSize = 27;

QLabel *makeLabel(const QString &text, QWidget *parent, const QFont &font, Color color)
{
    auto *label = new QLabel(text, parent);
    // Shown as it stands: the commentator quotes the player's name, which is never markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    setTextOnFullLines(label);
    setTextColor(label, color);
    return label;
}

// The score, sub total and rolls labels show bare numbers; a screen reader hears what they are.
void showNumber(QLabel *label, qint32 value)
{
    const QString text = QString::number(value);
    label->setText(text);
    label->setAccessibleName(label->accessibleDescription() + QStringLiteral(": ") + text);
}

QLabel *makeNumber(QWidget *parent, const QRect &geometry, const QString &meaning)
{
    QLabel *label = makeLabel(QString(), parent, tahomaFont(PanelFontSize), Colors::Lime);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setAccessibleDescription(meaning);
    showNumber(label, 0);
    return label;
}

} // namespace

GameWindow::GameWindow(Session &session, QWidget *parent) : QMainWindow(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("Tovik v2"));
    setFixedBorder(this, true);
    setWindowFont(this, SmallFontSize);
    createControls();
    createMenus();
    connectControls();
    connectMenus();
    followSession();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    prepareFirstGame();
}

GameWindow::~GameWindow() = default;

void GameWindow::createControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(ClientSize);
    setBackgroundColor(client, Colors::Black);
    setCentralWidget(client);

    backgroundFill = newBackgroundFill(client, FillGeometry, FillColorCount);

    std::array<DieFace *, 5> dieFaces {};
    DiceDisplay::Images faces {};
    DiceDisplay::Images markers {};
    const ScaledPicture heldPicture = heldMarkerPicture();
    for (std::size_t die = 0; die < faces.size(); ++die) {
        dieFaces[die] = new DieFace(client);
        faces[die] = dieFaces[die];
        faces[die]->setGeometry(QRect(QPoint(DieLefts[die], DieTop), DieSize));
        faces[die]->setToolTip(QStringLiteral("Click to HOLD"));
        markers[die] = new TransparentImage(client);
        markers[die]->setPicture(heldPicture);
        markers[die]->setGeometry(
                QRect(QPoint(HeldLefts[die], HeldTop), heldPicture.designed().size()));
        markers[die]->hide();
    }
    std::tie(die1, die2, die3, die4, die5)
            = std::tuple(dieFaces[0], dieFaces[1], dieFaces[2], dieFaces[3], dieFaces[4]);
    std::tie(heldMarker1, heldMarker2, heldMarker3, heldMarker4, heldMarker5)
            = std::tuple(markers[0], markers[1], markers[2], markers[3], markers[4]);
    m_diceDisplay = std::make_unique<DiceDisplay>(faces, markers, dieFaceImages);

    scorePanel = new QFrame(client);
    scorePanel->setGeometry(PanelGeometry);
    scorePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackgroundColor(scorePanel, Colors::Black);
    m_announcer = new Announcer(scorePanel);

    commentatorLabel = makeLabel(QStringLiteral("CPU"), scorePanel, tahomaFont(CpuFontSize, true),
                                 Colors::Lime);
    commentatorLabel->setGeometry(CpuGeometry);
    commentatorLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    commentLabel = makeLabel(QStringLiteral("Click new game to play!!"), scorePanel,
                             tahomaFont(PanelFontSize), Colors::White);
    commentLabel->setGeometry(CpuMessageGeometry);
    commentLabel->setWordWrap(true);
    commentLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    commentLabel->setToolTip(QStringLiteral("This is what the CPU has to say!"));
    commentLabel->setAccessibleDescription(commentLabel->toolTip());
    setMessage(commentLabel->text());
    const QFont panelFont = tahomaFont(PanelFontSize);
    scoreCaption = newLabel(QStringLiteral("Score:"), scorePanel, ScoreCaptionPos, CaptionHeight,
                            panelFont, Colors::White);
    scoreLabel = makeNumber(scorePanel, ScoreGeometry, QStringLiteral("Score"));
    subTotalCaption = newLabel(QStringLiteral("Sub Total:"), scorePanel, SubTotalCaptionPos,
                               CaptionHeight, panelFont, Colors::White);
    subTotalLabel = makeNumber(scorePanel, SubTotalGeometry, QStringLiteral("Sub total"));
    rollsCaption = newLabel(QStringLiteral("Rolls:"), scorePanel, RollsCaptionPos, CaptionHeight,
                            panelFont, Colors::White);
    rollsLabel = makeNumber(scorePanel, RollsGeometry, QStringLiteral("Rolls"));

    rollButton = newButton(QStringLiteral("&ROLL"), client, RollButtonGeometry,
                           tahomaFont(SmallFontSize));
    rollButton->hide();
    newGameButton = newButton(QStringLiteral("&New Game"), client, RollButtonGeometry, panelFont);
    createCategoryButtons();
    unselectButton = newButton(QStringLiteral("&Un-Select Item"), client, UnSelectButtonGeometry,
                               tahomaFont(SmallFontSize));
    unselectButton->setEnabled(false);

    setTabOrder(rollButton, newGameButton);
    QWidget *previous = newGameButton;
    for (QPushButton *button : m_categoryButtons) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, unselectButton);
    previous = unselectButton;
    for (QWidget *face : {die1, die2, die3, die4, die5}) {
        setTabOrder(previous, face);
        previous = face;
    }
}

void GameWindow::createCategoryButtons()
{
    QWidget *client = centralWidget();
    for (std::size_t i = 0; i < m_categoryButtons.size(); ++i) {
        const QString caption = QString::fromUtf16(CategoryLayouts[i].caption);
        const Category category = Category(i);
        QPushButton *button = nullptr;
        if (category == Category::Ones || category == Category::Twos) {
            auto *pressButton = new PressButton(caption, client);
            pressButton->setGeometry(CategoryLayouts[i].geometry);
            button = pressButton;
        } else {
            button = new QPushButton(caption, client);
            button->setGeometry(CategoryLayouts[i].geometry);
        }
        button->setFont(tahomaFont(PanelFontSize));
        button->setAccessibleDescription(QStringLiteral("Score this turn as %1").arg(caption));
        button->hide();
        m_categoryButtons[i] = button;
    }
    onesButton = static_cast<PressButton *>(m_categoryButtons[0]);
    twosButton = static_cast<PressButton *>(m_categoryButtons[1]);
    std::tie(threesButton, foursButton, fivesButton, sixesButton, threeOfAKindButton,
             fourOfAKindButton, fullHouseButton, smallStraightButton, largeStraightButton,
             chanceButton, fiveOfAKindButton)
            = std::tuple(m_categoryButtons[2], m_categoryButtons[3], m_categoryButtons[4],
                         m_categoryButtons[5], m_categoryButtons[6], m_categoryButtons[7],
                         m_categoryButtons[8], m_categoryButtons[9], m_categoryButtons[10],
                         m_categoryButtons[11], m_categoryButtons[12]);
}

void GameWindow::connectControls()
{
    connect(rollButton, &QPushButton::clicked, this, &GameWindow::requestRoll);
    connect(newGameButton, &QPushButton::clicked, this, &GameWindow::requestNewGame);
    connect(unselectButton, &QPushButton::clicked, this, &GameWindow::unselectCategory);
    connect(onesButton, &PressButton::activated, this, &GameWindow::selectOnes);
    connect(twosButton, &PressButton::activated, this, &GameWindow::selectTwos);
    connect(threesButton, &QPushButton::clicked, this, &GameWindow::selectThrees);
    connect(foursButton, &QPushButton::clicked, this, &GameWindow::selectFours);
    connect(fivesButton, &QPushButton::clicked, this, &GameWindow::selectFives);
    connect(sixesButton, &QPushButton::clicked, this, &GameWindow::selectSixes);
    connect(threeOfAKindButton, &QPushButton::clicked, this, &GameWindow::selectThreeOfAKind);
    connect(fourOfAKindButton, &QPushButton::clicked, this, &GameWindow::selectFourOfAKind);
    connect(fullHouseButton, &QPushButton::clicked, this, &GameWindow::selectFullHouse);
    connect(smallStraightButton, &QPushButton::clicked, this, &GameWindow::selectSmallStraight);
    connect(largeStraightButton, &QPushButton::clicked, this, &GameWindow::selectLargeStraight);
    connect(chanceButton, &QPushButton::clicked, this, &GameWindow::selectChance);
    connect(fiveOfAKindButton, &QPushButton::clicked, this, &GameWindow::selectFiveOfAKind);
    connect(die1, &TransparentImage::mouseDown, this, &GameWindow::toggleHoldOfDie1);
    connect(die2, &TransparentImage::mouseDown, this, &GameWindow::toggleHoldOfDie2);
    connect(die3, &TransparentImage::mouseDown, this, &GameWindow::toggleHoldOfDie3);
    connect(die4, &TransparentImage::mouseDown, this, &GameWindow::toggleHoldOfDie4);
    connect(die5, &TransparentImage::mouseDown, this, &GameWindow::toggleHoldOfDie5);
    connect(die1, &DieFace::activated, this, &GameWindow::toggleHoldOfDie1);
    connect(die2, &DieFace::activated, this, &GameWindow::toggleHoldOfDie2);
    connect(die3, &DieFace::activated, this, &GameWindow::toggleHoldOfDie3);
    connect(die4, &DieFace::activated, this, &GameWindow::toggleHoldOfDie4);
    connect(die5, &DieFace::activated, this, &GameWindow::toggleHoldOfDie5);
    // Keys 1 to 5 hold and free the dice as a click on them does, for play without a mouse; a key
    // held down toggles once, as a mouse button held down does.
    for (int die = 0; die < int(DieLefts.size()); ++die) {
        auto *holdKey = new QShortcut(QKeySequence(Qt::Key_1 + die), this);
        holdKey->setAutoRepeat(false);
        connect(holdKey, &QShortcut::activated, this, [this, die] { toggleHold(die); });
    }
}

void GameWindow::prepareFirstGame()
{
    m_session.setGameStarted(false);
    processRandom().setSeed(timeOfDaySeed());
}

void GameWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        prepareToShow();
}

void GameWindow::prepareToShow()
{
    backgroundFill->setColors(m_session.startColor(), m_session.endColor());
    centerOnScreen(this);
}

void GameWindow::closeEvent(QCloseEvent *)
{
    saveAndQuit();
}

// Closing the game window saves the settings and ends the program; a save that fails shows its
// error first, since a window that cannot close would leave only a signal to end the program.
void GameWindow::saveAndQuit()
{
    runHandler([this] { saveSettings(m_session); });
    QCoreApplication::quit();
}

QPushButton *GameWindow::categoryButton(Category category) const
{
    return m_categoryButtons[std::size_t(category)];
}

bool GameWindow::diceShowFiveOfAKind() const
{
    return isFiveOfAKind(m_game.diceValues);
}

void GameWindow::setMessage(const QString &text)
{
    commentLabel->setText(text);
    commentLabel->setAccessibleName(QStringLiteral("CPU says: ") + text);
    m_announcer->say(text);
}

void GameWindow::showRollCount()
{
    showNumber(rollsLabel, m_game.rollCount);
}

void GameWindow::showNumbers()
{
    showNumber(scoreLabel, m_game.score);
    showNumber(subTotalLabel, m_game.subTotal);
    showNumber(rollsLabel, m_game.rollCount);
}
