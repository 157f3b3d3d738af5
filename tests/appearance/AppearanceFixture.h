#pragma once

#include "DefaultSettings.h"
#include "appearance/UfrmAppearance.h"
#include "board/PICSD33.h"
#include "periphery/Seams.h"
#include "support/FakeSeams.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace fixture {


// A program directory of its own, the main window's board and menu item,
// and the dialog made on whatever "vorel.ini" the test put there.
struct Appearance {
    QTemporaryDir dir;
    TPICSD33 main;
    QAction autoCheck;
    FakeColorChooser chooser;
    std::unique_ptr<TfrmAppearance> dlg;

    Appearance()
    {
        seams::setProgramDirectory(dir.path() + '/');
        autoCheck.setCheckable(true);
    }
    ~Appearance() { seams::setProgramDirectory(QString()); }

    QString path() const { return dir.path() + "/vorel.ini"; }
    void write(const QByteArray &bytes)
    {
        QFile f(path());
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    QByteArray file() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    TfrmAppearance &create()
    {
        dlg = std::make_unique<TfrmAppearance>(main, autoCheck);
        return *dlg;
    }
};

// The default file with one entry's line replaced (or dropped when line is empty).
inline QByteArray defaultsWith(const QByteArray &key, const QByteArray &line)
{
    QByteArray out;
    for (const QByteArray &l : kDefaultFile.split('\n')) {
        if (l.isEmpty())
            continue;
        if (l.startsWith(key + '=')) {
            if (!line.isEmpty())
                out += line + "\r\n";
        } else {
            out += l + '\n';
        }
    }
    return out;
}

} // namespace fixture
