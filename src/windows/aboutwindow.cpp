#include "windows/aboutwindow.h"

#include "players/session.h"
#include "widgets/fonts.h"
#include "widgets/gradientfill.h"
#include "widgets/linklabel.h"
#include "widgets/windowcontrols.h"
#include "windows/windowplacement.h"

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

LinkLabel *newLink(const QString &address, QWidget *parent, int top)
{
    auto *link = new LinkLabel(parent);
    QFont font = tahomaFont(PanelFontSize);
    font.setUnderline(true);
    link->setFont(font);
    link->setVisitedColor(Colors::Teal);
    link->setLinkColor(Colors::Aqua);
    link->setLinkMode(LinkMode::Internet);
    link->setCaption(address);
    link->setTarget(address);
    link->move(0, top);
    centreAcrossParent(link);
    return link;
}

QLabel *newPanelLine(const QString &text, QWidget *parent, int top)
{
    QLabel *label = newLabel(text, parent, QPoint(0, top), LineHeight, tahomaFont(PanelFontSize),
                             Colors::White);
    centreAcrossParent(label);
    return label;
}

} // namespace

AboutWindow::AboutWindow(const Session &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setWindowTitle(QStringLiteral("About Tovik v2"));
    setFixedBorder(this, false);
    setFixedSize(ClientSize);
    setWindowFont(this, WindowFontSize);
    setBackgroundColor(this, Colors::Black);
    createControls();
}

void AboutWindow::createControls()
{
    backgroundFill
            = named(newBackgroundFill(this, FillGeometry, FillColorCount), u"backgroundFill");
    okButton = named(
            newButton(QStringLiteral("&OK"), this, ButtonGeometry, tahomaFont(ButtonFontSize)),
            u"okButton");
    okButton->setFocus();

    linkPanel = named(newPanel(this, PanelGeometry, Colors::Black), u"linkPanel");
    creditLabel
            = named(newPanelLine(QStringLiteral("Tovik v2 - a dice game by the Tovik developers"),
                                 linkPanel, CreditTop),
                    u"creditLabel");
    makerLink = named(newLink(QString::fromUtf16(MakerAddress), linkPanel, MakerLinkTop),
                      u"makerLink");
    linuxNoteLabel = named(
            newPanelLine(QStringLiteral("Within time, you may check out a Linux version of Tovik!"),
                         linkPanel, LinuxNoteTop),
            u"linuxNoteLabel");
    linuxLink = named(newLink(QString::fromUtf16(LinuxAddress), linkPanel, LinuxLinkTop),
                      u"linuxLink");

    connect(okButton, &QPushButton::clicked, this, &AboutWindow::dismiss);
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        prepareToShow();
}

void AboutWindow::prepareToShow()
{
    backgroundFill->setColors(m_session.startColor(), m_session.endColor());
    centerOnScreen(this);
}

void AboutWindow::dismiss()
{
    close();
}
