#pragma once

#include "base/color.h"
#include "widgets/activatable.h"

#include <QString>
#include <QWidget>

enum class LinkMode { Internet, Application, None, Custom };

// A one-line label that can act as a hyperlink. As a link it is underlined, shows the hand
// cursor, turns visitedColor once pressed and opens its target on a left click. It paints no
// background and takes the size of its text. A link also takes the focus and opens on Enter,
// Space or a screen reader's Press action.
class LinkLabel : public QWidget, public Activatable
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString target() const { return m_target; }
    void setTarget(const QString &jump);
    Color visitedColor() const { return m_visitedColor; }
    void setVisitedColor(Color color);
    Color linkColor() const { return m_linkColor; }
    void setLinkColor(Color color);
    LinkMode linkMode() const { return m_linkMode; }
    void setLinkMode(LinkMode mode);

    Color fontColor() const { return m_fontColor; }
    int visitCount() const { return m_visitCount; }

    void activate() override;
    QAccessible::Role accessibleRole() const override;

Q_SIGNALS:
    void clicked();

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool isLink() const;
    void setFontColor(Color color);
    void setUnderline(bool underline);
    void adjustBounds();
    void visit();
    void click();
    QString jumpTarget(bool mailtoForAddresses) const;

    QString m_caption;
    QString m_target;
    Color m_visitedColor = Colors::Purple;
    Color m_linkColor = Colors::Blue;
    LinkMode m_linkMode = LinkMode::None;
    Color m_fontColor = Colors::WindowText;
    int m_visitCount = 0;
    bool m_leftPressed = false;
};
