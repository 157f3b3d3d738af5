#pragma once

#include "base/TColor.h"

#include <QFrame>

class QLabel;

// The status bar: one panel of text on a settable background colour.
class StatusLine : public QFrame {
    Q_OBJECT
public:
    explicit StatusLine(QWidget *parent = nullptr);

    QString panelText() const;
    void setPanelText(const QString &text);
    TColor color() const { return color_; }
    void setColor(TColor c);

private:
    QLabel *panel_;
    TColor color_ = clr::BtnFace;
};
