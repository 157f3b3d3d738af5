#include "exchange/Ufrmcopy.h"

#include "board/PICSD33.h"
#include "exchange/CopyLayouts.h"
#include "board/GameHost.h"
#include "exchange/TextBox.h"
#include "periphery/Centering.h"
#include "periphery/Seams.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

Tfrmcopy::Tfrmcopy(GameHost &host, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), host_(host)
{
    setObjectName(QStringLiteral("frmcopy"));
    setWindowTitle(QStringLiteral("Copy Puzzle To Clipboard (Need Fixed-width font,Such as Courier)"));

    memo1 = newTextBox(this, "memo1", 9);

    RadioGroup1 = new QGroupBox(QStringLiteral("Select the format to be copied"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    choices = new QButtonGroup(this);
    auto *row = new QHBoxLayout(RadioGroup1);
    for (int n = 0; n < 4; ++n) {
        auto *rb = new QRadioButton(copylayouts::layoutName(static_cast<copylayouts::CopyLayout>(n)), RadioGroup1);
        rb->setObjectName(QStringLiteral("RadioGroup1_%1").arg(n));
        choices->addButton(rb, n);
        row->addWidget(rb);
    }
    seams::connectGuarded(choices, &QButtonGroup::idClicked, this, [this](int id) { ShowLayout(id); });

    Button1 = new QPushButton(QStringLiteral("Copy"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Close"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    seams::connectGuarded(Button1, &QPushButton::clicked, this, [this] {
        memo1->selectAll();
        seams::clipboard().setText(memo1->toPlainText());
        accept();
    });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(memo1, 1);
    layout->addWidget(RadioGroup1);
    layout->addLayout(buttons);
    resize(720, 330);
}

void Tfrmcopy::Prepare()
{
    choices->button(0)->setChecked(true);
    ShowLayout(0);
}

void Tfrmcopy::ShowLayout(int choice)
{
    const auto layout = static_cast<copylayouts::CopyLayout>(qBound(0, choice, 3));
    memo1->setPlainText(copylayouts::layoutLines(layout, host_.MainBoard()->grid()).join(QLatin1Char('\n')));
}

int Tfrmcopy::ItemIndex() const { return choices->checkedId(); }

void Tfrmcopy::showEvent(QShowEvent *event)
{
    centerOnScreen(this);
    QDialog::showEvent(event);
}
