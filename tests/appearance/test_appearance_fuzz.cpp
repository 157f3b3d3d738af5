// Seeded random settings files through the dialog's creation and a few
// random clicks: a fixed count of cases, no clock. Whatever the file, the
// dialog, its buffer and the boards agree, and the file is either kept or
// replaced by the defaults.
#include "AppearanceFixture.h"

#include "board/mousepanel.h"

#include <QCheckBox>
#include <QtTest>

#include <random>

using fixture::Appearance;
using fixture::kDefaultFile;

namespace {

#ifdef NODALA_SANITIZED
constexpr int kCases = 40;
#else
constexpr int kCases = 100;
#endif

unsigned draw(std::mt19937 &rng, unsigned n) { return static_cast<unsigned>(rng() % n); }

QByteArray randomValue(std::mt19937 &rng)
{
    static const char *const fixed[] = {"", "1", "0", "-1", "abc", " 255 ", "99999999999999999999", "-2147483649",
                                        "2147483647", "+12", "0x10", "1e3"};
    if (draw(rng, 3) == 0) {
        QByteArray digits = draw(rng, 2) ? "-" : "";
        for (unsigned n = 1 + draw(rng, 14); n > 0; --n)
            digits += char('0' + draw(rng, 10));
        return digits;
    }
    return fixed[draw(rng, std::size(fixed))];
}

QByteArray randomFile(std::mt19937 &rng)
{
    if (draw(rng, 10) == 0) {
        QByteArray bytes;
        for (unsigned n = draw(rng, 300); n > 0; --n)
            bytes += char(draw(rng, 256));
        return bytes;
    }
    QList<QByteArray> lines = kDefaultFile.split('\n');
    lines.removeLast();
    for (QByteArray &l : lines)
        l.chop(1);
    for (unsigned n = draw(rng, 5); n > 0; --n) {
        const qsizetype i = draw(rng, static_cast<unsigned>(lines.size()));
        switch (draw(rng, 5)) {
        case 0:
            lines.removeAt(i);
            break;
        case 1:
            lines.insert(i, lines.at(i));
            break;
        case 2:
            if (const qsizetype eq = lines.at(i).indexOf('='); eq >= 0)
                lines[i] = lines.at(i).left(eq + 1) + randomValue(rng);
            break;
        case 3:
            lines.swapItemsAt(i, draw(rng, static_cast<unsigned>(lines.size())));
            break;
        default:
            lines[i].prepend(char(draw(rng, 2) ? ' ' : 'x'));
        }
        if (lines.isEmpty())
            break;
    }
    static const char *const ends[] = {"\r\n", "\n", "\r"};
    return lines.join(ends[draw(rng, 3)]);
}

} // namespace

class TestAppearanceFuzz : public QObject {
    Q_OBJECT
private slots:
    void randomFiles()
    {
        std::mt19937 rng(6101);
        for (int n = 0; n < kCases; ++n) {
            const QByteArray content = randomFile(rng);
            Appearance a;
            a.write(content);
            TfrmAppearance &d = a.create();
            const QByteArray after = a.file();
            QVERIFY2(after == content || after == kDefaultFile, content.toPercentEncoding().constData());
            const struct {
                QCheckBox *box;
                const char *flag;
                QList<Tmousepanel *> swatches;
                QStringList keys;
            } groups[] = {
                {d.CheckBox1, "default color", {d.Panel1, d.Panel2}, {"Board color1", "Board color2"}},
                {d.CheckBox2, "default font", {d.fpanel1, d.fpanel2, d.fpanel3},
                 {"Fixed Number color", "Big Number color", "Candidate color"}},
                {d.CheckBox3, "default highlight color", {d.highpanle}, {"highlight_color"}},
            };
            for (const auto &g : groups) {
                QCOMPARE(g.box->isChecked(), d.ReadKey(g.flag) == "1");
                for (int k = 0; k < g.swatches.size(); ++k)
                    QCOMPARE(d.buffer().ReadColor(g.keys.at(k)), std::optional<TColor>(g.swatches.at(k)->panelColor()));
            }
            QCOMPARE(a.main.UNFoucsColor1, d.CheckBox1->isChecked() ? clr::White : d.Panel1->panelColor());
            QCOMPARE(a.main.FONTColor3, d.CheckBox2->isChecked() ? clr::Maroon : d.fpanel3->panelColor());
            QCOMPARE(a.autoCheck.isChecked(), d.ReadKey("Auto_check") != "0");
            QVERIFY(clr::isRgb(a.main.Cell(5, 5)->panelColor()));

            // A few random clicks, then the main window's close.
            for (unsigned k = draw(rng, 4); k > 0; --k) {
                a.chooser.answers = {std::optional<std::int32_t>(static_cast<std::int32_t>(rng()))};
                switch (draw(rng, 5)) {
                case 0:
                    d.CheckBox2->click();
                    break;
                case 1:
                    d.fpanel1Click(d.fpanel3);
                    break;
                case 2:
                    d.Button3Click();
                    break;
                case 3:
                    d.Button2Click();
                    break;
                default:
                    d.Button1Click();
                }
            }
            d.SaveAutoCheck(draw(rng, 2));
        }
    }
};

QTEST_MAIN(TestAppearanceFuzz)
#include "test_appearance_fuzz.moc"
