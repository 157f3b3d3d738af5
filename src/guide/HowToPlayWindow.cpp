#include "guide/HowToPlayWindow.h"

#include "guide/HowToPlay.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

HowToPlayWindow::HowToPlayWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHowToPlay"));
    setWindowTitle(QStringLiteral("How to Play"));
    auto *layout = new QVBoxLayout(this);
    text_ = new QTextBrowser(this);
    text_->setHtml(howtoplay::html());
    layout->addWidget(text_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 600);
}
