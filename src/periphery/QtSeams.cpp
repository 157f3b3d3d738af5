#include "periphery/QtSeams.h"

#include "periphery/HttpGet.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>

namespace {
QWidget *dialogParent() { return QApplication::activeWindow(); }
QString boxTitle() { return QApplication::applicationName(); }
} // namespace

bool QtMessages::ask(const QString &text)
{
    return QMessageBox::question(dialogParent(), boxTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
        == QMessageBox::Yes;
}

void QtMessages::report(const QString &text)
{
    QMessageBox::information(dialogParent(), boxTitle(), text, QMessageBox::Ok);
}

void QtMessages::error(const QString &text)
{
    QMessageBox::critical(dialogParent(), boxTitle(), text, QMessageBox::Ok);
}

void QtClipboard::setText(const QString &text) { QApplication::clipboard()->setText(text); }

QString QtClipboard::text() const { return QApplication::clipboard()->text(); }

bool QtShell::open(const QString &target)
{
    const QUrl url = target.contains(QLatin1String("://")) ? QUrl(target)
                                                           : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    return QDesktopServices::openUrl(url);
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
}
