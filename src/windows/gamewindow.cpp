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
#include "windows/mnemonicbutton.h"
#include "windows/pressbutton.h"
#include "windows/windowplacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QShortcut>
#include <QShowEvent>

namespace {

constexpr QSize ClientSize(600, 400);
constexpr QRect FillGeometry(0, 0, 601, 401);
constexpr int FillColorCount = 236;

constexpr int DieTop = 16;
constexpr QSize DieSize(105, 105);
constexpr std::array<int, DieCount> DieLefts = {40, 144, 248, 352, 456};
constexpr int HeldTop = 120;
constexpr std::array<int, DieCount> HeldLefts = {42, 145, 248, 352, 456};

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
    const char16_t *name;
    QRect geometry;
};

// In the order of Category, which is also the buttons' tab order.
constexpr std::array<CategoryLayout, CategoryCount> CategoryLayouts = {{
        {u"onesButton", QRect(40, 248, 75, 25)},
        {u"twosButton", QRect(128, 248, 75, 25)},
        {u"threesButton", QRect(216, 248, 75, 25)},
        {u"foursButton", QRect(304, 248, 75, 25)},
        {u"fivesButton", QRect(392, 248, 75, 25)},
        {u"sixesButton", QRect(480, 248, 75, 25)},
        {u"threeOfAKindButton", QRect(40, 280, 163, 25)},
        {u"fourOfAKindButton", QRect(216, 280, 163, 25)},
        {u"fullHouseButton", QRect(392, 280, 163, 25)},
        {u"smallStraightButton", QRect(40, 312, 163, 25)},
        {u"largeStraightButton", QRect(216, 312, 163, 25)},
        {u"chanceButton", QRect(392, 312, 163, 25)},
        {u"fiveOfAKindButton", QRect(168, 352, 283, 33)},
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

QPushButton *makeMnemonicButton(const QString &caption, QWidget *parent, const QRect &geometry,
                                const QFont &font)
{
    auto *button = new MnemonicButton(caption, parent);
    setUpButton(button, geometry, font);
    return button;
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
    connectGame();
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

    m_backgroundFill
            = named(newBackgroundFill(client, FillGeometry, FillColorCount), u"backgroundFill");
    createDice(client);
    // Made just before ROLL, the commentator's message stands before it in the focus chain.
    createScorePanel(client);

    const QFont panelFont = tahomaFont(PanelFontSize);
    m_rollButton = named(makeMnemonicButton(QStringLiteral("&ROLL"), client, RollButtonGeometry,
                                            tahomaFont(SmallFontSize)),
                         u"rollButton");
    m_rollButton->hide();
    m_newGameButton = named(
            makeMnemonicButton(QStringLiteral("&New Game"), client, RollButtonGeometry, panelFont),
            u"newGameButton");
    createCategoryButtons(client);
    m_unselectButton = named(makeMnemonicButton(QStringLiteral("&Un-Select Item"), client,
                                                UnSelectButtonGeometry, tahomaFont(SmallFontSize)),
                             u"unselectButton");
    m_unselectButton->setEnabled(false);
    setTabOrders();
}

void GameWindow::createDice(QWidget *client)
{
    DiceDisplay::Images faces {};
    DiceDisplay::Images markers {};
    const ScaledPicture heldPicture = heldMarkerPicture();
    for (std::size_t die = 0; die < m_dice.size(); ++die) {
        m_dice[die] = named(new DieFace(client), QStringLiteral("die%1").arg(die + 1));
        m_dice[die]->setGeometry(QRect(QPoint(DieLefts[die], DieTop), DieSize));
        m_dice[die]->setToolTip(QStringLiteral("Click to HOLD"));
        faces[die] = m_dice[die];
        markers[die]
                = named(new TransparentImage(client), QStringLiteral("heldMarker%1").arg(die + 1));
        markers[die]->setPicture(heldPicture);
        markers[die]->setGeometry(
                QRect(QPoint(HeldLefts[die], HeldTop), heldPicture.designed().size()));
        markers[die]->hide();
    }
    m_diceDisplay = std::make_unique<DiceDisplay>(faces, markers, m_dieFaceImages);
}

void GameWindow::createScorePanel(QWidget *client)
{
    auto *scorePanel = named(new QFrame(client), u"scorePanel");
    scorePanel->setGeometry(PanelGeometry);
    scorePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackgroundColor(scorePanel, Colors::Black);
    m_announcer = named(new Announcer(scorePanel), u"announcer");

    QLabel *commentatorLabel = named(makeLabel(QStringLiteral("CPU"), scorePanel,
                                               tahomaFont(CpuFontSize, true), Colors::Lime),
                                     u"commentatorLabel");
    commentatorLabel->setGeometry(CpuGeometry);
    commentatorLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_commentLabel = named(makeLabel(QStringLiteral("Click new game to play!!"), scorePanel,
                                     tahomaFont(PanelFontSize), Colors::White),
                           u"commentLabel");
    m_commentLabel->setGeometry(CpuMessageGeometry);
    m_commentLabel->setWordWrap(true);
    m_commentLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_commentLabel->setToolTip(QStringLiteral("This is what the CPU has to say!"));
    m_commentLabel->setAccessibleDescription(m_commentLabel->toolTip());
    setMessage(m_commentLabel->text());

    const QFont panelFont = tahomaFont(PanelFontSize);
    const auto addNumber = [&](const QString &caption, const QPoint &captionPos,
                               const QRect &geometry, const QString &meaning, const QString &name) {
        named(newLabel(caption, scorePanel, captionPos, CaptionHeight, panelFont, Colors::White),
              name + QStringLiteral("Caption"));
        return named(makeNumber(scorePanel, geometry, meaning), name + QStringLiteral("Label"));
    };
    m_scoreLabel = addNumber(QStringLiteral("Score:"), ScoreCaptionPos, ScoreGeometry,
                             QStringLiteral("Score"), QStringLiteral("score"));
    m_subTotalLabel = addNumber(QStringLiteral("Sub Total:"), SubTotalCaptionPos, SubTotalGeometry,
                                QStringLiteral("Sub total"), QStringLiteral("subTotal"));
    m_rollsLabel = addNumber(QStringLiteral("Rolls:"), RollsCaptionPos, RollsGeometry,
                             QStringLiteral("Rolls"), QStringLiteral("rolls"));
}

void GameWindow::createCategoryButtons(QWidget *client)
{
    for (std::size_t i = 0; i < m_categoryButtons.size(); ++i) {
        const Category category = Category(i);
        const QString caption = categoryCaption(category);
        QPushButton *button = category == Category::Ones || category == Category::Twos
                ? new PressButton(caption, client)
                : new QPushButton(caption, client);
        button->setObjectName(CategoryLayouts[i].name);
        button->setGeometry(CategoryLayouts[i].geometry);
        button->setFont(tahomaFont(PanelFontSize));
        button->setAccessibleDescription(QStringLiteral("Score this turn as %1").arg(caption));
        button->hide();
        m_categoryButtons[i] = button;
    }
}

// ROLL comes first, then New Game, the categories, Un-Select and the dice.
void GameWindow::setTabOrders()
{
    QWidget *previous = m_rollButton;
    setTabOrder(previous, m_newGameButton);
    previous = m_newGameButton;
    for (QPushButton *button : m_categoryButtons) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, m_unselectButton);
    previous = m_unselectButton;
    for (QWidget *face : m_dice) {
        setTabOrder(previous, face);
        previous = face;
    }
}

void GameWindow::connectControls()
{
    connect(m_rollButton, &QPushButton::clicked, this, &GameWindow::requestRoll);
    connect(m_newGameButton, &QPushButton::clicked, this, &GameWindow::requestNewGame);
    connect(m_unselectButton, &QPushButton::clicked, this, &GameWindow::unselectCategory);
    for (std::size_t i = 0; i < m_categoryButtons.size(); ++i) {
        const auto select = [this, i] { selectCategory(Category(i)); };
        if (auto *pressButton = qobject_cast<PressButton *>(m_categoryButtons[i]))
            connect(pressButton, &PressButton::activated, this, select);
        else
            connect(m_categoryButtons[i], &QPushButton::clicked, this, select);
    }
    for (int die = 0; die < DieCount; ++die) {
        const auto toggle = [this, die] { toggleHold(die); };
        connect(m_dice[std::size_t(die)], &TransparentImage::mouseDown, this, toggle);
        connect(m_dice[std::size_t(die)], &DieFace::activated, this, toggle);
        // Keys 1 to 5 hold and free the dice as a click on them does, for play without a mouse;
        // a key held down toggles once, as a mouse button held down does.
        auto *holdKey = new QShortcut(QKeySequence(Qt::Key_1 + die), this);
        holdKey->setAutoRepeat(false);
        connect(holdKey, &QShortcut::activated, this, toggle);
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
    m_backgroundFill->setColors(m_session.startColor(), m_session.endColor());
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

void GameWindow::setMessage(const QString &text)
{
    m_commentLabel->setText(text);
    m_commentLabel->setAccessibleName(QStringLiteral("CPU says: ") + text);
    m_announcer->say(text);
}

void GameWindow::announce(const QString &text)
{
    m_announcer->say(text);
}

void GameWindow::showRollCount(int rollCount)
{
    showNumber(m_rollsLabel, rollCount);
}

void GameWindow::showNumbers()
{
    showNumber(m_scoreLabel, m_game.position().score);
    showNumber(m_subTotalLabel, m_game.position().upperSubTotal);
    showNumber(m_rollsLabel, m_game.rollCount());
}
