#pragma once

#include <QFont>
#include <QMimeData>
#include <QTextEdit>

#include <functional>

// A text box that takes at most maxLength characters: a paste or drop that
// would go beyond is refused whole and tooLong runs with the length it would
// have made. Laying out megabytes, or a line of one, keeps the program busy
// for seconds and every blink of the caret costly.
class BoundedTextEdit : public QTextEdit {
public:
    using QTextEdit::QTextEdit;
    qsizetype maxLength = 32 * 1024;
    std::function<void(qsizetype length)> tooLong;

protected:
    void insertFromMimeData(const QMimeData *source) override
    {
        if (source != nullptr && source->hasText()) {
            const qsizetype kept = document()->characterCount() - 1 - textCursor().selectedText().size();
            const qsizetype length = kept + source->text().size();
            if (length > maxLength) {
                if (tooLong)
                    tooLong(length);
                return;
            }
        }
        QTextEdit::insertFromMimeData(source);
    }
};

// The exchange dialogs' text box: plain text only (a paste of rich text
// arrives as its plain text), lines never wrapped, a fixed-pitch
// "Courier New" so that framed grids line up, and Tab leaving the box for
// the buttons (a tab in a puzzle text is blank space anyway).
template <typename Box = QTextEdit>
Box *newTextBox(QWidget *parent, const char *name, int pixelSize = 0)
{
    auto *box = new Box(parent);
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
