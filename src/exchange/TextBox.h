#pragma once

#include <QFont>
#include <QTextEdit>

// The exchange dialogs' text box: plain text only (a paste of rich text
// arrives as its plain text), lines never wrapped, a fixed-pitch
// "Courier New" so that framed grids line up, and Tab leaving the box for
// the buttons (a tab in a puzzle text is blank space anyway).
inline QTextEdit *newTextBox(QWidget *parent, const char *name, int pixelSize = 0)
{
    auto *box = new QTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAcceptRichText(false);
    box->setLineWrapMode(QTextEdit::NoWrap);
    box->setTabChangesFocus(true);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setFixedPitch(true);
    if (pixelSize > 0)
        courier.setPixelSize(pixelSize);
    box->setFont(courier);
    return box;
}
