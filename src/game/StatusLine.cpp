#include "game/StatusLine.h"

#include "board/Colors.h"

#include <QHBoxLayout>
#include <QLabel>

StatusLine::StatusLine(QWidget *parent) : QFrame(parent), panel_(new QLabel(this))
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(panel_);
    // Long help texts are cut at the edge rather than widening the window.
    panel_->setMinimumWidth(50);
    panel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setColor(clr::BtnFace);
}

QString StatusLine::panelText() const { return panel_->text(); }

void StatusLine::setPanelText(const QString &text) { panel_->setText(text); }

void StatusLine::setColor(TColor c)
{
    color_ = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(c));
    setPalette(pal);
}
