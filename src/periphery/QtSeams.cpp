#include "periphery/QtSeams.h"

#include "board/Colors.h"

#include "periphery/HttpGet.h"
#include "periphery/QtPrinter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {
QWidget *dialogParent() { return QApplication::activeWindow(); }
QString boxTitle() { return QApplication::applicationName(); }

// Ctrl+C copies a box's title, text and buttons, as the standard boxes of
// Windows do, on every platform.
QString boxText(const QMessageBox &box)
{
    const QString line = QStringLiteral("---------------------------\n");
    QStringList buttons;
    for (const QAbstractButton *b : box.buttons())
        buttons << b->text().remove(QLatin1Char('&'));
    return line + box.windowTitle() + QLatin1Char('\n') + line + box.text() + QLatin1Char('\n') + line
        + buttons.join(QStringLiteral("   ")) + QLatin1Char('\n') + line;
}

QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString &text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton byDefault)
{
    QMessageBox box(icon, boxTitle(), text, buttons, dialogParent());
    box.setDefaultButton(byDefault);
    auto *copy = new QAction(&box);
    copy->setShortcut(QKeySequence::Copy);
    QObject::connect(copy, &QAction::triggered, &box, [&box] { QApplication::clipboard()->setText(boxText(box)); });
    box.addAction(copy);
    box.exec();
    return box.standardButton(box.clickedButton());
}
} // namespace

bool QtMessages::ask(const QString &text)
{
    return showBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void QtMessages::report(const QString &text)
{
    showBox(QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::error(const QString &text) { showBox(QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok); }

void QtClipboard::setText(const QString &text) { QApplication::clipboard()->setText(text); }

QString QtClipboard::text() const { return QApplication::clipboard()->text(); }

bool QtShell::open(const QString &target)
{
    const QUrl url = target.contains(QLatin1String("://")) ? QUrl(target)
                                                           : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}

std::optional<std::int32_t> QtColorChooser::choose(std::int32_t initial)
{
    // A value that is no RGB colour opens the chooser on white.
    const QColor start = clr::isRgb(initial) ? toQColor(initial) : QColor(Qt::white);
    const QColor picked = QColorDialog::getColor(start, dialogParent());
    if (!picked.isValid())
        return std::nullopt;
    return clr::rgb(picked.red(), picked.green(), picked.blue());
}

std::optional<QString> QtFileChooser::openFile(const QString &title, const QString &filters)
{
    const QString path = QFileDialog::getOpenFileName(dialogParent(), title, QString(), filters);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void installQtSeams()
{
    static QtMessages messages;
    static QtClipboard clipboard;
    static QtShell shell;
    static HttpGet http;
    seams::setMessages(&messages);
    seams::setClipboard(&clipboard);
    seams::setShell(&shell);
    seams::setHttp(&http);
    static QtColorChooser colorChooser;
    seams::setColorChooser(&colorChooser);
    static QtFileChooser fileChooser;
    seams::setFileChooser(&fileChooser);
    static QtPrinter printer;
    seams::setPrinter(&printer);
}
