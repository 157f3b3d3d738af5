#include "appearance/UfrmAppearance.h"

#include "board/PICSD33.h"
#include "board/mousepanel.h"
#include "periphery/Centering.h"
#include "periphery/Seams.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

// The preview position; "G" marks a given.
const char *const kSample[9][9] = {
    {"48", "1G", "5", "6G", "2", "9G", "48", "3", "7G"},
    {"4689", "48", "3G", "7G", "48", "5", "2G", "1469", "1468"},
    {"246789", "2478", "2679", "148", "3G", "148", "5", "1469", "1468"},
    {"2467", "3", "1267", "489", "4789", "4678", "147", "1467", "5G"},
    {"467", "47", "8G", "5", "1G", "467", "3G", "2G", "9"},
    {"5", "9G", "167", "3", "47", "2G", "147", "8G", "146"},
    {"3", "6G", "79", "2G", "5G", "1478", "14789", "1479", "148"},
    {"1G", "5", "79", "489", "6G", "3", "4789", "479", "2G"},
    {"2789", "278", "4G", "189", "789", "178", "6", "5G", "3G"},
};

const QString kDefaultColor = QStringLiteral("default color");
const QString kBoardColor1 = QStringLiteral("Board color1");
const QString kBoardColor2 = QStringLiteral("Board color2");
const QString kDefaultFont = QStringLiteral("default font");
const QString kFixedColor = QStringLiteral("Fixed Number color");
const QString kBigColor = QStringLiteral("Big Number color");
const QString kCandidateColor = QStringLiteral("Candidate color");
const QString kDefaultHighlight = QStringLiteral("default highlight color");
const QString kHighlightColor = QStringLiteral("highlight_color");
const QString kAutoCheck = QStringLiteral("Auto_check");

QString flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
QString number(TColor c) { return QString::number(c); }

constexpr int kSwatchX = 16;
constexpr int kGroupWidth = 116;
// Below the last swatch, inside the frame.
constexpr int kGroupBottom = 4;

} // namespace

TfrmAppearance::TfrmAppearance(TPICSD33 &mainBoard, QAction &autoCheck, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      mainBoard_(mainBoard),
      autoCheck_(autoCheck),
      dir_(seams::programDirectory())
{
    setObjectName(QStringLiteral("frmAppearance"));
    setWindowTitle(QStringLiteral("Appearance"));
    setFixedSize(556, 492);

    // Each swatch sits under its caption: beside it, the captions would not
    // fit the column left of the preview.
    int y = 0;
    GroupBox1 = group("GroupBox1", QStringLiteral("Background"), 8);
    CheckBox1 = defaultBox(GroupBox1, "CheckBox1", y);
    Panel1 = swatch(GroupBox1, "Panel1", QStringLiteral("Color 1"), y, 13948116, builtin::Box1);
    Panel2 = swatch(GroupBox1, "Panel2", QStringLiteral("Color 2"), y, clr::White, builtin::Box2);
    GroupBox1->resize(kGroupWidth, y + kGroupBottom);

    GroupBox2 = group("GroupBox2", QStringLiteral("Font Color"), GroupBox1->geometry().bottom() + 9);
    CheckBox2 = defaultBox(GroupBox2, "CheckBox2", y);
    // The toolkit's "default colour" value, until the first load.
    fpanel1 = swatch(GroupBox2, "fpanel1", QStringLiteral("Fixed Number"), y, 0x20000000, builtin::Fixed);
    fpanel2 = swatch(GroupBox2, "fpanel2", QStringLiteral("Big Number"), y, clr::Blue, builtin::BigNumber);
    fpanel3 = swatch(GroupBox2, "fpanel3", QStringLiteral("Candidate"), y, 4227327, builtin::Candidate);
    GroupBox2->resize(kGroupWidth, y + kGroupBottom);

    GroupBox3 = group("GroupBox3", QStringLiteral("Highlight Color"), GroupBox2->geometry().bottom() + 9);
    CheckBox3 = defaultBox(GroupBox3, "CheckBox3", y);
    highpanle = swatch(GroupBox3, "highpanle", QStringLiteral("Color"), y, 8421440, builtin::Highlight);
    GroupBox3->resize(kGroupWidth, y + kGroupBottom);

    sd1 = new TPICSD33(this);
    sd1->setObjectName(QStringLiteral("sd1"));
    sd1->move(128, 8);
    sd1->FONTSize3 = 10;

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setGeometry(sd1->geometry());
    Memo1->hide();

    const auto button = [this](const char *name, const QString &caption, int x) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, 450, 75, 25);
        b->setAutoDefault(false);
        return b;
    };
    Button3 = button("Button3", QStringLiteral("Default"), 8);
    Button4 = button("Button4", QStringLiteral("Show Memo"), 128);
    Button4->hide();
    Button1 = button("Button1", QStringLiteral("OK"), 384);
    Button2 = button("Button2", QStringLiteral("Cancel"), 470);

    seams::connectGuarded(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    seams::connectGuarded(CheckBox2, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
    seams::connectGuarded(CheckBox3, &QCheckBox::clicked, this, [this] { CheckBox3Click(); });
    const auto guarded = [this](void (TfrmAppearance::*handler)(QObject *)) {
        return [this, handler](QObject *sender) { seams::guard([&] { (this->*handler)(sender); }); };
    };
    for (Tmousepanel *p : {Panel1, Panel2})
        p->OnClick = guarded(&TfrmAppearance::Panel1Click);
    for (Tmousepanel *p : {fpanel1, fpanel2, fpanel3})
        p->OnClick = guarded(&TfrmAppearance::fpanel1Click);
    highpanle->OnClick = guarded(&TfrmAppearance::highpanleClick);
    seams::connectGuarded(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    seams::connectGuarded(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    seams::connectGuarded(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    seams::connectGuarded(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });

    // The first load may set a check box, which stores the swatches' initial
    // colours; the second reads the file's. Only then the main board.
    FillPreview();
    LoadSettings(*sd1);
    LoadSettings(*sd1);
    LoadSettings(mainBoard_);
}

QGroupBox *TfrmAppearance::group(const char *name, const QString &title, int top)
{
    auto *box = new QGroupBox(title, this);
    box->setObjectName(QLatin1String(name));
    box->move(4, top);
    return box;
}

QCheckBox *TfrmAppearance::defaultBox(QWidget *group, const char *name, int &y)
{
    auto *box = new QCheckBox(QStringLiteral("Default Color"), group);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(8, 20, kGroupWidth - 12, 20);
    box->setChecked(true);
    y = box->geometry().bottom() + 3;
    return box;
}

Tmousepanel *TfrmAppearance::swatch(QWidget *group, const char *name, const QString &label, int &y, TColor color,
                                    TColor builtIn)
{
    auto *text = new QLabel(label, group);
    text->setGeometry(8, y, kGroupWidth - 14, text->sizeHint().height());
    auto *p = new Tmousepanel(group);
    p->setObjectName(QLatin1String(name));
    p->setGeometry(kSwatchX, text->geometry().bottom() + 2, 38, 15);
    p->setRaisedBevel(false);
    p->setLoweredBevel(true);
    p->setPanelColor(color);
    // A value that is no RGB colour shows as the board draws its role.
    p->setStandInColor(builtIn);
    p->OnMouseEnter = [this](QObject *sender) { Panel1MouseEnter(sender); };
    p->OnMouseLeave = [this](QObject *sender) { Panel1MouseLeave(sender); };
    text->setBuddy(p);
    y = p->geometry().bottom() + 4;
    return p;
}

void TfrmAppearance::FillPreview()
{
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            TPicNode *cell = sd1->Cell(r, c);
            QString v = QLatin1String(kSample[r - 1][c - 1]);
            if (v.endsWith(QLatin1Char('G'))) {
                v.chop(1);
                cell->state = stFixed;
            }
            cell->value = v;
        }
    }
    sd1->RefreshStyle();
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd1->cellAt(i);
        if (cell->state != stFixed)
            cell->state = cell->value.size() == 1 ? stBigNumber : stCandidates;
    }
}

void TfrmAppearance::WriteKey(const QString &key, const QString &value)
{
    SettingsBuffer_.WriteKey(key, value);
    syncMemo();
}

bool TfrmAppearance::SaveSettings()
{
    QString error;
    const bool saved = SettingsBuffer_.Save(dir_, &error);
    if (!saved && !saveFailed_)
        seams::messages().report(QStringLiteral("The settings could not be saved to \"%1\": %2")
                                     .arg(QDir::toNativeSeparators(SettingsBuffer::FilePath(dir_)), error));
    saveFailed_ = !saved;
    return saved;
}

void TfrmAppearance::WriteDefaults()
{
    SettingsBuffer_.FillDefaults();
    syncMemo();
    SaveSettings();
}

void TfrmAppearance::LoadSettings(TPICSD33 &board)
{
    // The defaults are written once at most: a file that cannot be read
    // back (a directory in its place, say) must not make this loop.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (SettingsBuffer_.Load(dir_) && applyBuffer(board)) {
            syncMemo();
            return;
        }
        if (attempt == 0)
            WriteDefaults();
    }
    SettingsBuffer_.FillDefaults();
    applyBuffer(board); // the default lines always apply
    syncMemo();
}

void TfrmAppearance::setChecked(QCheckBox *box, bool on, void (TfrmAppearance::*click)())
{
    if (box->isChecked() == on)
        return;
    box->setChecked(on);
    (this->*click)();
}

bool TfrmAppearance::applyBuffer(TPICSD33 &board)
{
    const auto setColor = [this](Tmousepanel *swatch, const QString &key) {
        const std::optional<TColor> c = SettingsBuffer_.ReadColor(key);
        if (c)
            swatch->setPanelColor(*c);
        return c.has_value();
    };

    setChecked(CheckBox1, ReadKey(kDefaultColor) == QLatin1String("1"), &TfrmAppearance::CheckBox1Click);
    if (!setColor(Panel1, kBoardColor1) || !setColor(Panel2, kBoardColor2))
        return false;
    ApplyBoardColors(board);

    setChecked(CheckBox2, ReadKey(kDefaultFont) == QLatin1String("1"), &TfrmAppearance::CheckBox2Click);
    if (!setColor(fpanel1, kFixedColor) || !setColor(fpanel2, kBigColor) || !setColor(fpanel3, kCandidateColor))
        return false;
    ApplyFontColors(board);

    setChecked(CheckBox3, ReadKey(kDefaultHighlight) == QLatin1String("1"), &TfrmAppearance::CheckBox3Click);
    if (!setColor(highpanle, kHighlightColor))
        return false;
    ApplyHighlightColor(board);

    autoCheck_.setChecked(ReadKey(kAutoCheck) != QLatin1String("0"));
    return true;
}

void TfrmAppearance::StoreBoardColors()
{
    WriteKey(kDefaultColor, flag(CheckBox1->isChecked()));
    WriteKey(kBoardColor1, number(Panel1->panelColor()));
    WriteKey(kBoardColor2, number(Panel2->panelColor()));
}

void TfrmAppearance::StoreFontColors()
{
    WriteKey(kDefaultFont, flag(CheckBox2->isChecked()));
    WriteKey(kFixedColor, number(fpanel1->panelColor()));
    WriteKey(kBigColor, number(fpanel2->panelColor()));
    WriteKey(kCandidateColor, number(fpanel3->panelColor()));
}

void TfrmAppearance::StoreHighlightColor()
{
    WriteKey(kDefaultHighlight, flag(CheckBox3->isChecked()));
    WriteKey(kHighlightColor, number(highpanle->panelColor()));
}

void TfrmAppearance::ApplyBoardColors(TPICSD33 &board)
{
    const bool builtIn = CheckBox1->isChecked();
    board.UNFoucsColor1 = builtIn ? builtin::Box1 : Panel1->panelColor();
    board.UNFoucsColor2 = builtIn ? builtin::Box2 : Panel2->panelColor();
    board.ShowAll();
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = board.cellAt(i);
        if (cell->state == stCandidates)
            cell->setcolor(cell->panelColor());
    }
    ApplyHighlightColor(board);
}

void TfrmAppearance::ApplyFontColors(TPICSD33 &board)
{
    const bool builtIn = CheckBox2->isChecked();
    board.FONTColor1 = builtIn ? builtin::Fixed : fpanel1->panelColor();
    board.FONTColor2 = builtIn ? builtin::BigNumber : fpanel2->panelColor();
    board.FONTColor3 = builtIn ? builtin::Candidate : fpanel3->panelColor();
    board.ShowAll();
    ApplyHighlightColor(board);
}

void TfrmAppearance::ApplyHighlightColor(TPICSD33 &board)
{
    board.highcolor = CheckBox3->isChecked() ? builtin::Highlight : highpanle->panelColor();
    if (&board == sd1)
        PreviewHighlight();
}

void TfrmAppearance::PreviewHighlight()
{
    const TColor c = CheckBox3->isChecked() ? builtin::Highlight : clr::rgbOr(highpanle->panelColor(), builtin::Highlight);
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd1->cellAt(i);
        if (cell->value == QLatin1String("5"))
            cell->setPanelColor(c);
    }
}

void TfrmAppearance::SaveAutoCheck(bool on)
{
    // The program may end with the dialog still open (the session ends):
    // what the player did not confirm is cancelled, not saved.
    if (isVisible())
        reject();
    WriteKey(kAutoCheck, flag(on));
    SaveSettings();
}

void TfrmAppearance::CheckBox1Click()
{
    StoreBoardColors();
    ApplyBoardColors(*sd1);
}

void TfrmAppearance::CheckBox2Click()
{
    StoreFontColors();
    ApplyFontColors(*sd1);
}

void TfrmAppearance::CheckBox3Click()
{
    StoreHighlightColor();
    ApplyHighlightColor(*sd1);
}

bool TfrmAppearance::pickColor(QObject *sender)
{
    auto *swatch = qobject_cast<Tmousepanel *>(sender);
    if (!swatch)
        return false;
    if (const std::optional<std::int32_t> c = seams::colorChooser().choose(swatch->shownColor()))
        swatch->setPanelColor(*c);
    return true;
}

void TfrmAppearance::Panel1Click(QObject *sender)
{
    if (pickColor(sender))
        CheckBox1Click();
}

void TfrmAppearance::fpanel1Click(QObject *sender)
{
    if (pickColor(sender))
        CheckBox2Click();
}

void TfrmAppearance::highpanleClick(QObject *sender)
{
    if (pickColor(sender))
        CheckBox3Click();
}

void TfrmAppearance::Panel1MouseEnter(QObject *sender)
{
    if (auto *swatch = qobject_cast<Tmousepanel *>(sender))
        swatch->setSingleBorder(true);
}

void TfrmAppearance::Panel1MouseLeave(QObject *sender)
{
    if (auto *swatch = qobject_cast<Tmousepanel *>(sender))
        swatch->setSingleBorder(false);
}

void TfrmAppearance::Button3Click()
{
    WriteDefaults();
    LoadSettings(*sd1);
}

void TfrmAppearance::Button1Click()
{
    SaveSettings();
    LoadSettings(mainBoard_);
    accept();
}

void TfrmAppearance::Button2Click() { reject(); }

void TfrmAppearance::reject()
{
    // Back to the file: twice, as at creation, so that a check box the first
    // load sets does not leave the swatches' edited colours in the buffer.
    LoadSettings(*sd1);
    LoadSettings(*sd1);
    QDialog::reject();
}

void TfrmAppearance::Button4Click()
{
    Memo1->setHidden(!Memo1->isHidden());
    Memo1->raise();
    syncMemo();
}

void TfrmAppearance::syncMemo()
{
    if (!Memo1->isHidden())
        Memo1->setPlainText(SettingsBuffer_.lines.join(QLatin1Char('\n')));
}

void TfrmAppearance::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        centerOnScreen(this);
        seams::guard([this] { LoadSettings(*sd1); });
    }
    QDialog::showEvent(event);
}
