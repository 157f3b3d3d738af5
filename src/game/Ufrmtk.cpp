#include "game/Ufrmtk.h"

#include "base/TextLines.h"
#include "game/QJ.h"
#include "game/Random.h"

#include <QFile>

// The bank resource lives in a static library: register it explicitly so
// the linker keeps it in every program that uses the bank.
static void initBankResource() { Q_INIT_RESOURCE(bank); }

Tfrmtk::Tfrmtk()
    : tk0(builtInLevel(0)), tk1(builtInLevel(1)), tk2(builtInLevel(2)), tk3(builtInLevel(3)), tk4(builtInLevel(4))
{
}

QStringList Tfrmtk::builtInLevel(int level)
{
    static const bool registered = (initBankResource(), true);
    Q_UNUSED(registered);
    QFile file(QStringLiteral(":/bank/tk%1.txt").arg(level));
    if (level < 0 || level > 4 || !file.open(QIODevice::ReadOnly))
        return {};
    QStringList entries;
    // Blank lines carry no entry.
    const QByteArray text = file.readAll();
    textlines::forEachLine(text.constData(), text.constData() + text.size(), [&entries](const char *first, const char *last) {
        if (first != last)
            entries.append(QString::fromLatin1(first, last - first));
    });
    return entries;
}

const QStringList &Tfrmtk::list(int level) const
{
    static const QStringList none;
    switch (level) {
    case 0: return tk0;
    case 1: return tk1;
    case 2: return tk2;
    case 3: return tk3;
    case 4: return tk4;
    default: return none;
    }
}

bool Tfrmtk::DealFromBank(int level, TQJ &qj) const
{
    Randomize();
    const QStringList &entries = list(level);
    if (entries.isEmpty())
        return false;
    // Every entry 0..N-1 equally likely.
    const int r = Random(static_cast<int>(entries.size()));
    qj.LoadFromBank(entries.at(r));
    return true;
}
