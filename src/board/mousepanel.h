#pragma once

#include "base/TColor.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

#include <QMenu>

class QPainter;

// A plain panel that draws its own caption, background and bevel and
// reports the pointer entering and leaving it. The cell, its candidate
// marks and the appearance dialog's colour swatches are all made of it.
class Tmousepanel : public QWidget {
    Q_OBJECT
public:
    using NotifyEvent = std::function<void(QObject *sender)>;
    using MouseEvent = std::function<void(QObject *sender, Qt::MouseButton button,
                                          Qt::KeyboardModifiers shift, QPoint pos)>;

    explicit Tmousepanel(QWidget *parent = nullptr);

    // Raised after the toolkit's own handling, only when assigned.
    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseLeave;
    MouseEvent OnMouseDown;
    NotifyEvent OnClick;
    // Called just before PopupMenu opens over this panel.
    NotifyEvent OnPopup;

    QString caption() const { return caption_; }
    void setCaption(const QString &text);
    TColor panelColor() const { return color_; }
    void setPanelColor(TColor c);
    // What is drawn while the panel's colour is no RGB colour: a swatch
    // standing for a board role draws what the board draws. Unset, such a
    // colour is drawn as toQColor resolves it.
    void setStandInColor(TColor c);
    // The colour as drawn.
    TColor shownColor() const { return standIn_ && !clr::isRgb(color_) ? *standIn_ : color_; }
    int fontSize() const { return fontSize_; }
    void setFontSizePt(int size);
    TColor fontColor() const { return fontColor_; }
    void setFontColorValue(TColor c);
    bool fontBold() const { return bold_; }
    void setFontBold(bool bold);
    // Outer bevel of width 1: raised (true) or none.
    bool raisedBevel() const { return raised_; }
    void setRaisedBevel(bool raised);
    // A lowered bevel of width 1, drawn inside the raised one if both are on.
    bool loweredBevel() const { return lowered_; }
    void setLoweredBevel(bool lowered);
    // The single-line border the owner gives the control under the pointer.
    bool singleBorder() const { return border_; }
    void setSingleBorder(bool on);
    Qt::Alignment alignment() const { return align_; }
    void setAlignment(Qt::Alignment a);

    // Draws the panel into r of p's device as it draws itself, with this
    // caption in this font and ink: an overlay shows a panel's look with
    // other contents.
    void paintPanel(QPainter &p, const QRect &r, const QString &caption, const QFont &font, const QColor &ink) const;

    // The popup opened by the right button, or none.
    QMenu *PopupMenu() const { return popup_; }
    void setPopupMenu(QMenu *menu) { popup_ = menu; }

    int Tag = 0;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void applyFont();

    QString caption_;
    TColor color_ = clr::BtnFace;
    std::optional<TColor> standIn_;
    int fontSize_ = 8;
    TColor fontColor_ = clr::Black;
    bool bold_ = false;
    bool raised_ = true;
    bool lowered_ = false;
    bool border_ = false;
    bool pressed_ = false;
    Qt::Alignment align_ = Qt::AlignCenter;
    QPointer<QMenu> popup_;
};
