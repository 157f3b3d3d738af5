// The appearance dialog on a program directory of its own: the settings
// file at start, the check boxes and swatches, Default, OK and Cancel.
#include "AppearanceFixture.h"

#include "board/Colors.h"
#include "board/mousepanel.h"

#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using fixture::Appearance;
using fixture::defaultsWith;
using fixture::kDefaultFile;

namespace {

struct Drawn {
    TColor box1, box2, fixed, big, candidate;
};

// What the preview draws: (1,1) box 1, (1,4) a given in box 2, (1,3) a big
// number, (2,1) a candidate cell.
Drawn drawn(const TPICSD33 &b)
{
    return {b.Cell(1, 1)->panelColor(), b.Cell(2, 4)->panelColor(), b.Cell(1, 2)->fontColor(), b.Cell(1, 3)->fontColor(),
            b.Cell(2, 1)->marks[4]->fontColor()};
}

} // namespace

class TestAppearance : public QObject {
    Q_OBJECT
private slots:
    void freshStartWritesTheDefaults()
    {
        Appearance a;
        TfrmAppearance &d = a.create();
        QCOMPARE(a.file(), kDefaultFile);
        for (const TPICSD33 *b : {d.sd1, &a.main}) {
            QCOMPARE(b->UNFoucsColor1, clr::White);
            QCOMPARE(b->UNFoucsColor2, 16759739);
            QCOMPARE(b->FONTColor1, clr::Black);
            QCOMPARE(b->FONTColor2, clr::Blue);
            QCOMPARE(b->FONTColor3, clr::Maroon);
            QCOMPARE(b->highcolor, 9813909);
        }
        const Drawn p = drawn(*d.sd1);
        QCOMPARE(p.box1, clr::White);
        QCOMPARE(p.box2, 16759739);
        QCOMPARE(p.candidate, clr::Maroon);
        QVERIFY(a.autoCheck.isChecked());
        // The swatches hold the file's colours, not their initial ones.
        QCOMPARE(d.Panel1->panelColor(), 16777215);
        QCOMPARE(d.fpanel1->panelColor(), 6250335);
    }

    void controls()
    {
        Appearance a;
        TfrmAppearance &d = a.create();
        QCOMPARE(d.windowTitle(), QString("Appearance"));
        QCOMPARE(d.size(), QSize(556, 492));
        QCOMPARE(d.sd1->size(), QSize(422, 422));
        QCOMPARE(d.highpanle->size(), QSize(38, 15));
        QVERIFY(d.highpanle->loweredBevel() && !d.highpanle->raisedBevel());
        QVERIFY(d.Button4->isHidden() && d.Memo1->isHidden());
        d.Button4Click();
        QVERIFY(!d.Memo1->isHidden());
        QCOMPARE(d.Memo1->toPlainText().toLatin1() + '\n', QByteArray(kDefaultFile).replace("\r\n", "\n"));
        d.Panel1MouseEnter(d.fpanel2);
        QVERIFY(d.fpanel2->singleBorder());
        d.Panel1MouseLeave(d.fpanel2);
        QVERIFY(!d.fpanel2->singleBorder());
    }

    void previewSample()
    {
        Appearance a;
        TfrmAppearance &d = a.create();
        int count[4] = {};
        for (int i = 0; i < 81; ++i)
            ++count[d.sd1->cellAt(i)->state];
        QCOMPARE(count[stFixed], 25);
        QCOMPARE(count[stBigNumber], 81 - 25 - count[stCandidates]);
        QCOMPARE(d.sd1->Cell(3, 1)->value, QString("246789"));
        QCOMPARE(d.sd1->Cell(3, 1)->state, int(stCandidates));
        // Every "5" wears the highlight.
        QCOMPARE(d.sd1->Cell(4, 9)->panelColor(), 9813909);
        QCOMPARE(d.sd1->Cell(8, 2)->panelColor(), 9813909);
    }

    void badFileIsReplaced_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("Board color2 missing") << defaultsWith("Board color2", "");
        QTest::newRow("Board color2 abc") << defaultsWith("Board color2", "Board color2=abc");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xff\x01\r\x80=\n", 7);
        QTest::newRow("keys without =") << QByteArray(kDefaultFile).replace('=', ' ');
        QTest::newRow("twenty digits") << defaultsWith("highlight_color", "highlight_color=12345678901234567890");
        QTest::newRow("past 32 bits") << defaultsWith("Fixed Number color", "Fixed Number color=4294967296");
        QTest::newRow("100 MB line") << QByteArray(100 << 20, '7');
    }
    void badFileIsReplaced()
    {
        QFETCH(QByteArray, content);
        Appearance a;
        a.write(content);
        a.create();
        QCOMPARE(a.file(), kDefaultFile);
        QCOMPARE(a.main.UNFoucsColor2, 16759739);
    }

    void storedNumbersKept_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("negative") << QByteArray("Board color1=-5");
        QTest::newRow("over RGB") << QByteArray("Board color1=2147483647");
    }
    void storedNumbersKept()
    {
        QFETCH(QByteArray, line);
        Appearance a;
        const QByteArray content = defaultsWith("Board color1", line);
        a.write(content);
        a.create().SaveAutoCheck(true);
        QCOMPARE(a.file(), content);
    }

    void otherOrderLoadsTheSame()
    {
        const QByteArray custom = defaultsWith("default color", "default color=0");
        Appearance ordered;
        ordered.write(custom);
        TfrmAppearance &d1 = ordered.create();
        QList<QByteArray> lines = custom.split('\n');
        lines.removeIf([](const QByteArray &l) { return l.startsWith('[') || l.isEmpty(); });
        std::reverse(lines.begin(), lines.end());
        const QByteArray shuffled = lines.join('\n') + '\n';
        Appearance other;
        other.write(shuffled);
        TfrmAppearance &d2 = other.create();
        QCOMPARE(other.file(), shuffled);
        QCOMPARE(other.main.UNFoucsColor1, ordered.main.UNFoucsColor1);
        QCOMPARE(other.main.UNFoucsColor2, ordered.main.UNFoucsColor2);
        QCOMPARE(other.main.FONTColor1, ordered.main.FONTColor1);
        QCOMPARE(other.main.highcolor, ordered.main.highcolor);
        QCOMPARE(d2.CheckBox1->isChecked(), d1.CheckBox1->isChecked());
        QCOMPARE(drawn(*d2.sd1).box2, drawn(*d1.sd1).box2);
    }

    void missingKeyIsAppendedLast()
    {
        Appearance a;
        a.write(defaultsWith("Auto_check", ""));
        a.create();
        QVERIFY(a.autoCheck.isChecked());
        a.dlg->SaveAutoCheck(false);
        QVERIFY(a.file().endsWith("[Auto Check New version]\r\nAuto_check=0\r\n"));
    }

    void customFontWithDefaultEntries()
    {
        Appearance a;
        a.write(defaultsWith("default font", "default font=0"));
        TfrmAppearance &d = a.create();
        QCOMPARE(a.main.FONTColor1, 6250335);
        QCOMPARE(a.main.FONTColor2, -1);
        QCOMPARE(a.main.FONTColor3, -1);
        // -1 is no RGB colour: drawn in the built-in colour of its role.
        const Drawn p = drawn(*d.sd1);
        QCOMPARE(p.fixed, 6250335);
        QCOMPARE(p.big, clr::Blue);
        QCOMPARE(p.candidate, clr::Maroon);
        // The swatches show what the board draws, and the chooser opens on it.
        for (const auto &[swatch, shown] : {std::pair{d.fpanel2, clr::Blue}, std::pair{d.fpanel3, clr::Maroon}}) {
            const QImage image = swatch->grab().toImage();
            QCOMPARE(image.pixelColor(image.rect().center()), toQColor(shown));
            d.fpanel1Click(swatch);
        }
        QCOMPARE(a.chooser.initials, (QList<std::int32_t>{clr::Blue, clr::Maroon}));
        a.dlg->SaveAutoCheck(true);
        QVERIFY(a.file().contains("Big Number color=-1\r\nCandidate color=-1\r\n"));
    }

    // A load that flips a check box stores the swatches' old colours first;
    // the second load reads the file's.
    void loadTwiceToReadTheFile()
    {
        Appearance a;
        TfrmAppearance &d = a.create();
        a.write(defaultsWith("default color", "default color=0").replace("Board color1=16777215", "Board color1=255"));
        d.LoadSettings(*d.sd1);
        QVERIFY(!d.CheckBox1->isChecked());
        QCOMPARE(d.Panel1->panelColor(), 16777215);
        QCOMPARE(d.ReadKey("Board color1"), QString("16777215"));
        d.LoadSettings(*d.sd1);
        QCOMPARE(d.Panel1->panelColor(), 255);
        QCOMPARE(d.sd1->UNFoucsColor1, 255);
        QCOMPARE(a.main.UNFoucsColor1, clr::White); // only OK reaches the main board

        Appearance b;
        b.write(a.file());
        b.create();
        QCOMPARE(b.main.UNFoucsColor1, 255);
    }

    void pickColorThenOk()
    {
        Appearance a;
        TfrmAppearance &d = a.create();
        d.CheckBox1->click();
        QVERIFY(!d.CheckBox1->isChecked());
        a.chooser.answers = {clr::Red};
        d.Panel1Click(d.Panel1);
        QCOMPARE(a.chooser.initials, QList<std::int32_t>{16777215});
        QCOMPARE(d.sd1->UNFoucsColor1, clr::Red);
        d.fpanel1Click(d.fpanel2); // cancelled: stored all the same
        QVERIFY(d.buffer().lines.contains("Big Number color=-1"));
        d.Button1Click();
        QCOMPARE(a.main.UNFoucsColor1, clr::Red);
        QVERIFY(a.file().contains("default color=0\r\nBoard color1=255\r\n"));
    }

    void checkedBoxKeepsBuiltIn()
    {
        Appearance a;
        TfrmAppearance &d = a.create();
        a.chooser.answers = {clr::Lime};
        d.highpanleClick(d.highpanle);
        QCOMPARE(d.ReadKey("highlight_color"), QString::number(clr::Lime));
        QCOMPARE(d.sd1->highcolor, 9813909);
    }

    void cancelDiscardsChanges()
    {
        Appearance a;
        TfrmAppearance &d = a.create();
        d.CheckBox1->click();
        a.chooser.answers = {clr::Red};
        d.Panel1Click(d.Panel1);
        d.Button2Click();
        QVERIFY(d.CheckBox1->isChecked());
        QCOMPARE(d.Panel1->panelColor(), 16777215);
        d.SaveAutoCheck(true);
        QCOMPARE(a.file(), kDefaultFile);
    }

    void defaultThenCancelKeepsDefaults()
    {
        Appearance a;
        a.write(defaultsWith("default font", "default font=0"));
        TfrmAppearance &d = a.create();
        d.Button3Click();
        QCOMPARE(a.file(), kDefaultFile);
        QVERIFY(d.CheckBox2->isChecked());
        d.Button2Click();
        d.SaveAutoCheck(true);
        QCOMPARE(a.file(), kDefaultFile);
    }

    void showingReloadsTheMenuItem()
    {
        Appearance a;
        TfrmAppearance &d = a.create();
        a.autoCheck.setChecked(false);
        d.show();
        QVERIFY(a.autoCheck.isChecked());
        d.Button2Click();
    }

    // A settings file that cannot be read back: one rewrite, then the
    // built-in defaults, and the program goes on.
    void unreadableFileDoesNotLoop()
    {
        Appearance a;
        QVERIFY(QDir(a.dir.path()).mkdir("vorel.ini"));
        a.autoCheck.setChecked(false);
        TfrmAppearance &d = a.create();
        QCOMPARE(SettingsBuffer::Encode(d.buffer().lines), kDefaultFile);
        QCOMPARE(a.main.FONTColor2, clr::Blue);
        QVERIFY(a.autoCheck.isChecked());
        d.Button3Click();
        d.Button1Click();
        d.SaveAutoCheck(false);
        QVERIFY(QFileInfo(a.path()).isDir());
    }

    void readOnlyBadFile()
    {
        Appearance a;
        a.write("junk");
        QFile::setPermissions(a.path(), QFile::ReadOwner);
        // Root, and Wine run by root, write read-only files all the same.
        if (QFile probe(a.path()); probe.open(QIODevice::Append))
            QSKIP("this user writes read-only files");
        a.create().SaveAutoCheck(false);
        QCOMPARE(a.file(), QByteArray("junk"));
        QCOMPARE(a.main.UNFoucsColor1, clr::White);
    }

    void boardDrawsBuiltInForNonRgb_data()
    {
        QTest::addColumn<TColor>("value");
        QTest::newRow("minus one") << -1;
        QTest::newRow("over RGB") << 0x1000000;
        QTest::newRow("int min") << TColor(-2147483647 - 1);
    }
    void boardDrawsBuiltInForNonRgb()
    {
        QFETCH(TColor, value);
        TPICSD33 b;
        b.Cell(1, 1)->state = stFixed;
        b.Cell(1, 1)->value = "1";
        b.Cell(1, 2)->value = "2";
        b.Cell(2, 5)->state = stCandidates;
        b.Cell(2, 5)->value = "34";
        b.UNFoucsColor1 = b.UNFoucsColor2 = b.FONTColor1 = b.FONTColor2 = b.FONTColor3 = value;
        b.ShowAll();
        QCOMPARE(b.Cell(1, 1)->panelColor(), clr::White);
        QCOMPARE(b.Cell(2, 5)->panelColor(), 16759739);
        QCOMPARE(b.Cell(1, 1)->fontColor(), clr::Black);
        QCOMPARE(b.Cell(1, 2)->fontColor(), clr::Blue);
        QCOMPARE(b.Cell(2, 5)->marks[3]->fontColor(), clr::Maroon);
        QCOMPARE(b.FONTColor2, value);
    }
};

QTEST_MAIN(TestAppearance)
#include "test_appearance.moc"
