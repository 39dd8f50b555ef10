#include "app/aboutwindow.h"

#include "app/windowplacement.h"
#include "players/sharedstate.h"
#include "widgets/kitfill.h"
#include "widgets/kitfonts.h"
#include "widgets/kitsimplelabel.h"
#include "widgets/windowcontrols.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize ClientSize(400, 225);
constexpr QRect FillGeometry(0, 0, 401, 225);
constexpr int FillColorCount = 64;
constexpr QRect ButtonGeometry(320, 192, 75, 25);
constexpr QRect PanelGeometry(24, 24, 345, 161);

// Each line of the panel is centred across it; only its top is fixed.
constexpr int CreditTop = 16;
constexpr int MakerLinkTop = 48;
constexpr int LinuxNoteTop = 96;
constexpr int LinuxLinkTop = 120;
constexpr int LineHeight = 16;

constexpr int WindowFontSize = 11;
constexpr int ButtonFontSize = 11;
constexpr int PanelFontSize = 13;

void centreAcrossParent(QWidget *widget)
{
    widget->move((widget->parentWidget()->width() - widget->width()) / 2, widget->y());
}

TKitSimpleLabel *newLink(const QString &address, QWidget *parent, int top)
{
    auto *link = new TKitSimpleLabel(parent);
    QFont font = tahomaFont(PanelFontSize);
    font.setUnderline(true);
    link->setFont(font);
    link->setActiveColor(clTeal);
    link->setInActiveColor(clAqua);
    link->setJumpMode(TKitJumpMode::jmInternet);
    link->setCaption(address);
    link->setJump(address);
    link->move(0, top);
    centreAcrossParent(link);
    return link;
}

QLabel *newPanelLine(const QString &text, QWidget *parent, int top)
{
    QLabel *label = newLabel(text, parent, QPoint(0, top), LineHeight, tahomaFont(PanelFontSize),
                             clWhite);
    centreAcrossParent(label);
    return label;
}

} // namespace

TForm2::TForm2(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Tovik v2"));
    setFixedBorder(this, false);
    setFixedSize(ClientSize);
    setWindowFont(this, WindowFontSize);
    setBackgroundColor(this, clBlack);
    createControls();
}

void TForm2::createControls()
{
    KitFill1 = newBackgroundFill(this, FillGeometry, FillColorCount);
    Button1 = newButton(QStringLiteral("&OK"), this, ButtonGeometry, tahomaFont(ButtonFontSize));
    Button1->setFocus();

    Panel1 = newPanel(this, PanelGeometry, clBlack);
    Label3 = newPanelLine(QStringLiteral("Tovik v2 - a dice game by the Tovik developers"), Panel1,
                          CreditTop);
    KitSimpleLabel1 = newLink(QString::fromUtf16(MakerAddress), Panel1, MakerLinkTop);
    Label1 = newPanelLine(
            QStringLiteral("Within time, you may check out a Linux version of Tovik!"), Panel1,
            LinuxNoteTop);
    KitSimpleLabel2 = newLink(QString::fromUtf16(LinuxAddress), Panel1, LinuxLinkTop);

    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
}

void TForm2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm2::FormShow()
{
    KitFill1->setColors(GradientStartColor, GradientEndColor);
    centerOnScreen(this);
}

void TForm2::Button1Click()
{
    close();
}
