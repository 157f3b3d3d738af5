#include "game/PauseCover.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

PauseCover::PauseCover(QWidget *board, QWidget *clock)
    : QFrame(board->parentWidget()), board_(board), clock_(clock)
{
    setObjectName(QStringLiteral("PauseCover"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(64, 64, 64));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    auto *label = new QLabel(QStringLiteral("Paused"), this);
    label->setAlignment(Qt::AlignCenter);
    QFont big = label->font();
    big.setPixelSize(40);
    big.setBold(true);
    label->setFont(big);
    auto *hint = new QLabel(QStringLiteral("Press any key or click here to go on."), this);
    hint->setAlignment(Qt::AlignCenter);
    auto *box = new QVBoxLayout(this);
    box->addStretch();
    box->addWidget(label);
    box->addWidget(hint);
    box->addStretch();
    hide();
    clock_->installEventFilter(this);
    board_->window()->installEventFilter(this);
}

void PauseCover::cover()
{
    setGeometry(board_->geometry());
    raise();
    show();
}

void PauseCover::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit clicked();
}

bool PauseCover::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == clock_ && event->type() == QEvent::MouseButtonPress)
        emit clockClicked();
    else if (watched == board_->window() && event->type() == QEvent::WindowStateChange && board_->window()->isMinimized())
        emit minimised();
    return QFrame::eventFilter(watched, event);
}
