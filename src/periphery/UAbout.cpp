#include "periphery/UAbout.h"

#include "periphery/Centering.h"
#include "periphery/Picture.h"

#include <QLabel>
#include <QPushButton>

// The pictures live in a static library: register them by hand.
static void initAboutResources() { Q_INIT_RESOURCE(about); }

Tfrm_about::Tfrm_about(QWidget *parent) : QDialog(parent)
{
    initAboutResources();
    setWindowTitle(QStringLiteral("About"));
    // A dialog frame whose only button is the close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(393, 139);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 393, 103);

    Image1 = new Picture(QStringLiteral("about/logo"), Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 2, 106, 98);

    Label1 = new QLabel(QStringLiteral("SudokuNodala v3.0"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont title = Label1->font();
    title.setPixelSize(19);
    Label1->setFont(title);
    Label1->move(114, 25);
    Label1->adjustSize();

    Image2 = new Picture(QStringLiteral("about/banner"), Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(111, 72, 278, 28);

    Button1 = new QPushButton(QStringLiteral("Close"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(312, 109, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void Tfrm_about::ShowModal(QWidget *parent)
{
    Tfrm_about box(parent);
    centerOnScreen(&box);
    box.exec();
}
