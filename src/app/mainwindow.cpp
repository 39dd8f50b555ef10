#include "app/mainwindow.h"

#include "app/aboutwindow.h"
#include "app/errors.h"
#include "app/helpwindow.h"
#include "app/pressbutton.h"
#include "app/windowplacement.h"
#include "game/commentary.h"
#include "game/random.h"
#include "game/rollsummary.h"
#include "players/colorschemedialog.h"
#include "players/highscorewindow.h"
#include "players/settings.h"
#include "players/sharedstate.h"
#include "players/welcomewindow.h"
#include "widgets/announcer.h"
#include "widgets/dieface.h"
#include "widgets/kitfill.h"
#include "widgets/kitfonts.h"
#include "widgets/transparentimage.h"
#include "widgets/windowcontrols.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QShortcut>
#include <QShowEvent>

TForm1 *Form1 = nullptr;

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

QLabel *makeLabel(const QString &text, QWidget *parent, const QFont &font, TColor color)
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
    QLabel *label = makeLabel(QString(), parent, tahomaFont(PanelFontSize), clLime);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setAccessibleDescription(meaning);
    showNumber(label, 0);
    return label;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Tovik v2"));
    setFixedBorder(this, true);
    setWindowFont(this, SmallFontSize);
    createControls();
    createMenus();
    connectControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::createControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(ClientSize);
    setBackgroundColor(client, clBlack);
    setCentralWidget(client);

    KitFill1 = newBackgroundFill(client, FillGeometry, FillColorCount);

    std::array<DieFace *, 5> dieFaces{};
    DiceDisplay::Images faces{};
    DiceDisplay::Images markers{};
    const ScaledPicture heldPicture = heldMarkerPicture();
    for (std::size_t die = 0; die < faces.size(); ++die) {
        dieFaces[die] = new DieFace(client);
        faces[die] = dieFaces[die];
        faces[die]->setGeometry(QRect(QPoint(DieLefts[die], DieTop), DieSize));
        faces[die]->setToolTip(QStringLiteral("Click to HOLD"));
        markers[die] = new TransparentImage(client);
        markers[die]->setPicture(heldPicture);
        markers[die]->setGeometry(QRect(QPoint(HeldLefts[die], HeldTop), heldPicture.designed().size()));
        markers[die]->hide();
    }
    std::tie(Image1, Image2, Image3, Image4, Image5) =
            std::tuple(dieFaces[0], dieFaces[1], dieFaces[2], dieFaces[3], dieFaces[4]);
    std::tie(Held1, Held2, Held3, Held4, Held5) =
            std::tuple(markers[0], markers[1], markers[2], markers[3], markers[4]);
    m_diceDisplay = std::make_unique<DiceDisplay>(faces, markers, KitBitmapList1);

    Panel1 = new QFrame(client);
    Panel1->setGeometry(PanelGeometry);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackgroundColor(Panel1, clBlack);
    m_announcer = new Announcer(Panel1);

    CPU = makeLabel(QStringLiteral("CPU"), Panel1, tahomaFont(CpuFontSize, true), clLime);
    CPU->setGeometry(CpuGeometry);
    CPU->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    CPUMessage = makeLabel(QStringLiteral("Click new game to play!!"), Panel1,
                           tahomaFont(PanelFontSize), clWhite);
    CPUMessage->setGeometry(CpuMessageGeometry);
    CPUMessage->setWordWrap(true);
    CPUMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    CPUMessage->setToolTip(QStringLiteral("This is what the CPU has to say!"));
    CPUMessage->setAccessibleDescription(CPUMessage->toolTip());
    setMessage(CPUMessage->text());
    const QFont panelFont = tahomaFont(PanelFontSize);
    Label1 = newLabel(QStringLiteral("Score:"), Panel1, ScoreCaptionPos, CaptionHeight, panelFont,
                      clWhite);
    ScoreLabel = makeNumber(Panel1, ScoreGeometry, QStringLiteral("Score"));
    Label3 = newLabel(QStringLiteral("Sub Total:"), Panel1, SubTotalCaptionPos, CaptionHeight,
                      panelFont, clWhite);
    SubTotalLabel = makeNumber(Panel1, SubTotalGeometry, QStringLiteral("Sub total"));
    Label2 = newLabel(QStringLiteral("Rolls:"), Panel1, RollsCaptionPos, CaptionHeight, panelFont,
                      clWhite);
    RollsLabel = makeNumber(Panel1, RollsGeometry, QStringLiteral("Rolls"));

    RollButton = newButton(QStringLiteral("&ROLL"), client, RollButtonGeometry,
                           tahomaFont(SmallFontSize));
    RollButton->hide();
    NewGameButton = newButton(QStringLiteral("&New Game"), client, RollButtonGeometry, panelFont);
    createCategoryButtons();
    UnSelectButton = newButton(QStringLiteral("&Un-Select Item"), client, UnSelectButtonGeometry,
                               tahomaFont(SmallFontSize));
    UnSelectButton->setEnabled(false);

    setTabOrder(RollButton, NewGameButton);
    QWidget *previous = NewGameButton;
    for (QPushButton *button : m_categoryButtons) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, UnSelectButton);
    previous = UnSelectButton;
    for (QWidget *face : {Image1, Image2, Image3, Image4, Image5}) {
        setTabOrder(previous, face);
        previous = face;
    }
}

void TForm1::createCategoryButtons()
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
    OnesButton = static_cast<PressButton *>(m_categoryButtons[0]);
    TwosButton = static_cast<PressButton *>(m_categoryButtons[1]);
    std::tie(ThreesButton, FoursButton, FivesButton, SixesButton, ThreeOfKindButton,
             FourOfKindButton, FullHouseButton, SmStraightButton, LgStraightButton, ChanceButton,
             QuintoxButton) =
            std::tuple(m_categoryButtons[2], m_categoryButtons[3], m_categoryButtons[4],
                       m_categoryButtons[5], m_categoryButtons[6], m_categoryButtons[7],
                       m_categoryButtons[8], m_categoryButtons[9], m_categoryButtons[10],
                       m_categoryButtons[11], m_categoryButtons[12]);
}

void TForm1::createMenus()
{
    MainMenu1 = menuBar();
    Game1 = MainMenu1->addMenu(QStringLiteral("&Game"));
    New1 = Game1->addAction(QStringLiteral("&New..."));
    New1->setShortcut(Qt::Key_F2);
    Playfordifferentplayer1 = Game1->addAction(QStringLiteral("&Different Player..."));
    HighestScore1 = Game1->addAction(QStringLiteral("&Highest Score..."));
    HighestScore1->setEnabled(false);
    Exit1 = Game1->addAction(QStringLiteral("E&xit"));

    Options1 = MainMenu1->addMenu(QStringLiteral("&Options"));
    Animation1 = Options1->addAction(QStringLiteral("&Animation"));
    Animation1->setCheckable(true);
    Preferences1 = Options1->addAction(QStringLiteral("&Colors..."));
    Preferences1->setShortcut(Qt::Key_F3);

    Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
    HowtoPlay1 = Help1->addAction(QStringLiteral("&How to Play..."));
    HowtoPlay1->setShortcut(Qt::Key_F1);
    About1 = Help1->addAction(QStringLiteral("&About"));
}

void TForm1::connectControls()
{
    connect(RollButton, &QPushButton::clicked, this, &TForm1::RollButton1Click);
    connect(NewGameButton, &QPushButton::clicked, this, &TForm1::NewGameButtonClick);
    connect(UnSelectButton, &QPushButton::clicked, this, &TForm1::UnSelectButtonClick);
    connect(OnesButton, &PressButton::activated, this, &TForm1::OnesButtonMouseDown);
    connect(TwosButton, &PressButton::activated, this, &TForm1::TwosButtonMouseDown);
    connect(ThreesButton, &QPushButton::clicked, this, &TForm1::ThreesButtonClick);
    connect(FoursButton, &QPushButton::clicked, this, &TForm1::FoursButtonClick);
    connect(FivesButton, &QPushButton::clicked, this, &TForm1::FivesButtonClick);
    connect(SixesButton, &QPushButton::clicked, this, &TForm1::SixesButtonClick);
    connect(ThreeOfKindButton, &QPushButton::clicked, this, &TForm1::ThreeOfKindButtonClick);
    connect(FourOfKindButton, &QPushButton::clicked, this, &TForm1::FourOfKindButtonClick);
    connect(FullHouseButton, &QPushButton::clicked, this, &TForm1::FullHouseButtonClick);
    connect(SmStraightButton, &QPushButton::clicked, this, &TForm1::SmStraightButtonClick);
    connect(LgStraightButton, &QPushButton::clicked, this, &TForm1::LgStraightButtonClick);
    connect(ChanceButton, &QPushButton::clicked, this, &TForm1::ChanceButtonClick);
    connect(QuintoxButton, &QPushButton::clicked, this, &TForm1::QuintoxButtonClick);
    connect(Image1, &TransparentImage::mouseDown, this, &TForm1::Image1MouseDown);
    connect(Image2, &TransparentImage::mouseDown, this, &TForm1::Image2MouseDown);
    connect(Image3, &TransparentImage::mouseDown, this, &TForm1::Image3MouseDown);
    connect(Image4, &TransparentImage::mouseDown, this, &TForm1::Image4MouseDown);
    connect(Image5, &TransparentImage::mouseDown, this, &TForm1::Image5MouseDown);
    connect(Image1, &DieFace::activated, this, &TForm1::Image1MouseDown);
    connect(Image2, &DieFace::activated, this, &TForm1::Image2MouseDown);
    connect(Image3, &DieFace::activated, this, &TForm1::Image3MouseDown);
    connect(Image4, &DieFace::activated, this, &TForm1::Image4MouseDown);
    connect(Image5, &DieFace::activated, this, &TForm1::Image5MouseDown);
    // Keys 1 to 5 hold and free the dice as a click on them does, for play without a mouse; a key
    // held down toggles once, as a mouse button held down does.
    for (int die = 0; die < int(DieLefts.size()); ++die) {
        auto *holdKey = new QShortcut(QKeySequence(Qt::Key_1 + die), this);
        holdKey->setAutoRepeat(false);
        connect(holdKey, &QShortcut::activated, this, [this, die] { toggleHold(die); });
    }

    // Qt blocks the shortcuts of a disabled menu but not its items' trigger(), which a screen
    // reader's Press calls: while the dice roll, the items do nothing, as their greyed menus say.
    const auto unlessRolling = [this](void (TForm1::*handler)()) {
        return [this, handler] {
            if (!m_rolling)
                (this->*handler)();
        };
    };
    connect(New1, &QAction::triggered, this, unlessRolling(&TForm1::New1Click));
    connect(Playfordifferentplayer1, &QAction::triggered, this,
            unlessRolling(&TForm1::Playfordifferentplayer1Click));
    connect(HighestScore1, &QAction::triggered, this, unlessRolling(&TForm1::HighestScore1Click));
    connect(Exit1, &QAction::triggered, this, unlessRolling(&TForm1::Exit1Click));
    // The item shows screen readers only "checked", so the player hears the new state.
    connect(Animation1, &QAction::triggered, this, [this](bool on) {
        if (m_rolling) {
            Animation1->setChecked(!on);
            return;
        }
        m_announcer->say(on ? QStringLiteral("Animation on.") : QStringLiteral("Animation off."));
    });
    connect(Preferences1, &QAction::triggered, this, unlessRolling(&TForm1::Preferences1Click));
    connect(HowtoPlay1, &QAction::triggered, this, unlessRolling(&TForm1::HowtoPlay1Click));
    connect(About1, &QAction::triggered, this, unlessRolling(&TForm1::About1Click));
}

void TForm1::FormCreate()
{
    GameStarted = false;
    processRandom().setSeed(timeOfDaySeed());
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm1::FormShow()
{
    KitFill1->setColors(GradientStartColor, GradientEndColor);
    centerOnScreen(this);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!FormClose())
        event->ignore();
}

// Closing the game window saves the settings and ends the program; a save that fails keeps the
// window open and the program running.
bool TForm1::FormClose()
{
    if (!runHandler(SaveSettings))
        return false;
    QCoreApplication::quit();
    return true;
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::Playfordifferentplayer1Click()
{
    if (!Form3->isVisible())
        Form3->show();
}

// The windows below are made for one showing and destroyed when it ends. The game window is
// their parent, so that the desktop keeps them above it and places them over it.
void TForm1::HighestScore1Click()
{
    TForm4 highScoreWindow(this);
    highScoreWindow.ViewScore();
    highScoreWindow.exec();
}

void TForm1::Preferences1Click()
{
    {
        TPrefForm colorScheme(this);
        colorScheme.exec();
    }
    m_diceDisplay->repaint();
}

void TForm1::HowtoPlay1Click()
{
    THelpForm help(this);
    help.exec();
}

void TForm1::About1Click()
{
    TForm2 about(this);
    about.exec();
}

QPushButton *TForm1::categoryButton(Category category) const
{
    return m_categoryButtons[std::size_t(category)];
}

bool TForm1::Quintox() const
{
    return isFiveOfAKind(m_game.DiceValues);
}

void TForm1::setMessage(const QString &text)
{
    CPUMessage->setText(text);
    CPUMessage->setAccessibleName(QStringLiteral("CPU says: ") + text);
    m_announcer->say(text);
}

void TForm1::showNumbers()
{
    showNumber(ScoreLabel, m_game.Score);
    showNumber(SubTotalLabel, m_game.SubTotal);
    showNumber(RollsLabel, m_game.RollCount);
}

void TForm1::NewGame()
{
    GameStarted = true;
    m_game.reset();
    NewGameButton->hide();
    RollButton->show();
    RollButton->setEnabled(true);
    UnSelectButton->setEnabled(false);
    showNumbers();
    m_diceDisplay->hideHeldMarkers();
    for (QPushButton *button : m_categoryButtons)
        button->show();
    for (QPushButton *button : m_categoryButtons)
        button->setEnabled(true);
    setMessage(Commentary::welcome(PlayerName));
    m_game.MessageShown = true;
    RollDice();
}

void TForm1::RollButton1Click()
{
    if (!canBePressed(RollButton))
        return;
    if (m_game.ItemSelected)
        UnSelectButton->setEnabled(false);
    m_game.MessageShown = false;
    RollDice();
}

void TForm1::NewGameButtonClick()
{
    if (!canBePressed(NewGameButton))
        return;
    NewGameButton->hide();
    NewGame();
}

// F2 is blocked with its menu during a roll, but the item itself stays enabled.
void TForm1::New1Click()
{
    if (!m_rolling)
        NewGame();
}

void TForm1::RollDice()
{
    if (m_game.ItemSelected)
        commitSelection();

    ++m_game.RollCount;
    showNumber(RollsLabel, m_game.RollCount);

    if (m_game.RollCount == MaxRollsPerTurn) {
        RollButton->setEnabled(false);
        if (!m_game.MessageShown) {
            setMessage(Commentary::outOfRolls());
            m_game.MessageShown = true;
        }
    }

    if (m_game.TurnsScored >= TurnsPerGame) {
        GameOver();
        return;
    }

    rollFreeDice();

    if (!m_game.MessageShown) {
        setMessage(Commentary::rollRemark());
        m_game.MessageShown = true;
    }
}

void TForm1::commitSelection()
{
    SelectedItemButton->hide();
    const Bonus bonus = m_game.commit();
    showNumbers();
    m_announcer->say(QStringLiteral("Score: %1.").arg(m_game.Score));
    switch (bonus) {
    case Bonus::None:
        break;
    case Bonus::Combined:
        setMessage(Commentary::combinedBonus());
        break;
    case Bonus::ExtraFiveOfAKind:
        setMessage(Commentary::extraFiveOfAKindBonus());
        break;
    case Bonus::SubTotal:
        setMessage(Commentary::subTotalBonus(SubTotalLabel->text()));
        break;
    }
    m_diceDisplay->hideHeldMarkers();
}

void TForm1::rollFreeDice()
{
    if (!Animation1->isChecked()) {
        m_diceDisplay->plainRoll(m_game);
    } else {
        setRollLocked(true);
        m_diceDisplay->animatedRoll(m_game, this);
        setRollLocked(false);
    }
    m_announcer->say(rollSummary(m_game.DiceValues, m_game.HeldDice));
}

void TForm1::setRollLocked(bool locked)
{
    NewGameButton->setEnabled(!locked);
    RollButton->setEnabled(!locked && m_game.RollCount != MaxRollsPerTurn);
    for (QPushButton *button : m_categoryButtons)
        button->setEnabled(!locked);
    for (QMenu *menu : {Game1, Options1, Help1})
        menu->menuAction()->setEnabled(!locked);
    m_game.DiceLocked = locked;
    m_rolling = locked;
    m_announcer->setPaused(locked);
    Q_EMIT rollingChanged(locked);
}

void TForm1::GameOver()
{
    setMessage(Commentary::gameOver());
    NewGameButton->show();
    RollButton->hide();
    if (ScoreLabel->text().toInt() > HighScore) {
        TForm4 highScoreWindow(this);
        highScoreWindow.SetNewScore();
        highScoreWindow.exec();
    }
    m_game.DiceLocked = true;
}

void TForm1::ScrSelect(QPushButton *button)
{
    if (m_game.ItemSelected) {
        setMessage(Commentary::refusal());
        return;
    }
    m_game.ItemSelected = true;
    button->setEnabled(false);
    RollButton->setEnabled(true);
    UnSelectButton->setEnabled(true);
    setMessage(Commentary::selection(m_game.PendingPoints));
    SelectedItemButton = button;
}

void TForm1::selectCategory(Category category)
{
    if (!canBePressed(categoryButton(category)))
        return;
    m_game.evaluate(category);
    ScrSelect(categoryButton(category));
}

void TForm1::UnSelectButtonClick()
{
    if (!canBePressed(UnSelectButton) || !m_game.ItemSelected)
        return;
    m_game.ItemSelected = false;
    SelectedItemButton->setEnabled(true);
    UnSelectButton->setEnabled(false);
    m_game.PendingPoints = m_game.PendingSubTotalPoints = 0;
    if (m_game.RollCount == MaxRollsPerTurn)
        RollButton->setEnabled(false);
    setMessage(Commentary::unselect());
}

void TForm1::toggleHold(int die)
{
    if (m_game.DiceLocked || NewGameButton->isVisible())
        return;
    m_game.toggleHold(die);
    m_diceDisplay->setHeldMarkerVisible(die, m_game.isHeld(die));
}

// clang-format off
void TForm1::OnesButtonMouseDown() { selectCategory(Category::Ones); }
void TForm1::TwosButtonMouseDown() { selectCategory(Category::Twos); }
void TForm1::ThreesButtonClick() { selectCategory(Category::Threes); }
void TForm1::FoursButtonClick() { selectCategory(Category::Fours); }
void TForm1::FivesButtonClick() { selectCategory(Category::Fives); }
void TForm1::SixesButtonClick() { selectCategory(Category::Sixes); }
void TForm1::ThreeOfKindButtonClick() { selectCategory(Category::ThreeOfAKind); }
void TForm1::FourOfKindButtonClick() { selectCategory(Category::FourOfAKind); }
void TForm1::FullHouseButtonClick() { selectCategory(Category::FullHouse); }
void TForm1::SmStraightButtonClick() { selectCategory(Category::SmallStraight); }
void TForm1::LgStraightButtonClick() { selectCategory(Category::LargeStraight); }
void TForm1::ChanceButtonClick() { selectCategory(Category::Chance); }
void TForm1::QuintoxButtonClick() { selectCategory(Category::FiveOfAKind); }
void TForm1::Image1MouseDown() { toggleHold(0); }
void TForm1::Image2MouseDown() { toggleHold(1); }
void TForm1::Image3MouseDown() { toggleHold(2); }
void TForm1::Image4MouseDown() { toggleHold(3); }
void TForm1::Image5MouseDown() { toggleHold(4); }
// clang-format on
