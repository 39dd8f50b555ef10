#pragma once

#include "widgets/activatable.h"
#include "widgets/kitcolor.h"

#include <QString>
#include <QWidget>

enum class TKitJumpMode { jmInternet, jmApplication, jmNone, jmCustom };

// A one-line label that can act as a hyperlink. As a link it is underlined, shows the hand
// cursor, turns ActiveColor once pressed and opens its target on a left click. It paints no
// background and takes the size of its text. A link also takes the focus and opens on Enter,
// Space or a screen reader's Press action.
class TKitSimpleLabel : public QWidget, public Activatable
{
    Q_OBJECT

public:
    explicit TKitSimpleLabel(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString Jump() const { return m_jump; }
    void setJump(const QString &jump);
    TColor ActiveColor() const { return m_activeColor; }
    void setActiveColor(TColor color);
    TColor InActiveColor() const { return m_inActiveColor; }
    void setInActiveColor(TColor color);
    TKitJumpMode JumpMode() const { return m_jumpMode; }
    void setJumpMode(TKitJumpMode mode);

    TColor fontColor() const { return m_fontColor; }
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
    void setFontColor(TColor color);
    void setUnderline(bool underline);
    void adjustBounds();
    void visit();
    void click();
    QString jumpTarget(bool mailtoForAddresses) const;

    QString m_caption;
    QString m_jump;
    TColor m_activeColor = clPurple;
    TColor m_inActiveColor = clBlue;
    TKitJumpMode m_jumpMode = TKitJumpMode::jmNone;
    TColor m_fontColor = clWindowText;
    int m_visitCount = 0;
    bool m_leftPressed = false;
};
