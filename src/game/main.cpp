#include "game/main.h"

#include "game/DigitPad.h"
#include "game/Icons.h"
#include "game/QJ.h"
#include "game/StatusLine.h"
#include "periphery/Centering.h"
#include "periphery/Seams.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {

const char *const kHelpProperty = "nodalaHelp";
const char *const kClearsProperty = "nodalaClearsHelp";

// A tool-bar separator: a thin etched line in the middle of its gap.
void separator(QWidget *bar, int x, int height)
{
    auto *line = new QFrame(bar);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(x + 3, 2, 2, height - 4);
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sudoku Nodala v3.0"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Where the window's own faces are missing, narrow metric-compatible
    // ones keep every caption inside its fixed place.
    QFont windowFont;
    windowFont.setFamilies({QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"),
                            QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
    windowFont.setPointSize(8);
    windowFont.setStyleHint(QFont::Serif);
    setFont(windowFont);

    QJ1 = new TQJ;

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(532, 509);
    setCentralWidget(client);
    clearsHelp(client);

    buildMenus();
    buildToolBar1(client);
    buildBoard(client);
    buildCandidatePanel(client);
    buildToolBar2(client);

    WC_Label = new QLabel(QStringLiteral("Puzzle Solved"), client);
    WC_Label->setObjectName(QStringLiteral("WC_Label"));
    QFont bold = WC_Label->font();
    bold.setBold(true);
    WC_Label->setFont(bold);
    WC_Label->setGeometry(360, 465, 105, 19);
    WC_Label->hide();

    sb1 = new StatusLine(client);
    sb1->setObjectName(QStringLiteral("sb1"));
    sb1->setGeometry(0, 509 - 19, 532, 19);

    pp = new QMenu(this);
    pp->setObjectName(QStringLiteral("pp"));
    // The menu's grab swallows the leave of the cell it opened over: once
    // it is gone, the border goes to whatever the pointer is over now.
    connect(pp, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, this, [this] { seams::guard([this] { syncPointerBorder(); }); });
    });

    // The window's size is its client area plus the menu bar, never more.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    qApp->installEventFilter(this);
    seams::guard([this] { FormCreate(); });
}

TForm1::~TForm1() { delete QJ1; }

QToolButton *TForm1::toolButton(QWidget *bar, const char *name, const QString &hint, const QString &icon, int x,
                                int y)
{
    auto *b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(loadIcon(icon));
    b->setIconSize(QSize(16, 16));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolTip(hint);
    b->setGeometry(x, y, 23, 22);
    setHelp(b, hint);
    return b;
}

void TForm1::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto item = [this](QMenu *menu, const char *name, const QString &caption, void (TForm1::*handler)()) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        if (handler)
            connect(a, &QAction::triggered, this, [this, handler] { seams::guard([this, handler] { (this->*handler)(); }); });
        return a;
    };
    auto sep = [](QMenu *menu, const char *name) {
        QAction *a = menu->addSeparator();
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };

    File1 = bar->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    PrintableBoard1 = item(File1, "PrintableBoard1", QStringLiteral("Printable Board"), &TForm1::PrintableBoardClick);
    ImportSudoku1 = item(File1, "ImportSudoku1", QStringLiteral("&Import or Create Sudoku"), &TForm1::ImportClick);
    N5 = sep(File1, "N5");
    Con1 = item(File1, "Con1", QStringLiteral("Continue Your Last Game"), &TForm1::ContinueClick);
    N18 = sep(File1, "N18");
    Exit1 = item(File1, "Exit1", QStringLiteral("&Exit"), nullptr);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);

    N10 = bar->addMenu(QStringLiteral("New Game"));
    N10->setObjectName(QStringLiteral("N10"));
    const char *levelNames[5] = {"VeryEasy1", "N11", "N12", "N13", "N14"};
    const char *levelCaptions[5] = {"Very Easy", "Gentle", "Moderate", "Tough", "Diabolical"};
    QAction **levelItems[5] = {&VeryEasy1, &N11, &N12, &N13, &N14};
    for (int level = 0; level < 5; ++level) {
        QAction *a = item(N10, levelNames[level], QString::fromLatin1(levelCaptions[level]), nullptr);
        connect(a, &QAction::triggered, this, [this, level] { seams::guard([this, level] { NewGameClick(level); }); });
        *levelItems[level] = a;
    }

    ools1 = bar->addMenu(QStringLiteral("Tools"));
    ools1->setObjectName(QStringLiteral("ools1"));
    appearance1 = item(ools1, "appearance1", QStringLiteral("Appearance"), &TForm1::AppearanceClick);
    CopyPuzzleToClipboard1 =
        item(ools1, "CopyPuzzleToClipboard1", QStringLiteral("Copy Puzzle To Clipboard"), &TForm1::CopyClick);

    N7 = bar->addMenu(QStringLiteral("Help"));
    N7->setObjectName(QStringLiteral("N7"));
    CheckNewVersion1 = item(N7, "CheckNewVersion1", QStringLiteral("Check New Version"), &TForm1::CheckNewVersionClick);
    AutoCheckNewVersion1 = item(N7, "AutoCheckNewVersion1", QStringLiteral("Auto Check New Version"), nullptr);
    AutoCheckNewVersion1->setCheckable(true);
    Visit1 = item(N7, "Visit1", QStringLiteral("Visit ") + QString::fromLatin1(kMakerSite), &TForm1::VisitClick);
    N9 = sep(N7, "N9");
    About1 = item(N7, "About1", QStringLiteral("&About SudokuNodala"), &TForm1::AboutClick);
}

void TForm1::buildToolBar1(QWidget *client)
{
    ToolBar1 = new QFrame(client);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, 0, 532, 35);
    clearsHelp(ToolBar1);
    auto click = [this](QToolButton *b, auto handler) {
        connect(b, &QToolButton::clicked, this, [this, handler] { seams::guard([this, handler] { handler(this); }); });
    };

    // Buttons 23 wide from an indent of 8, with 8-pixel separators.
    ToolButton12 = toolButton(ToolBar1, "ToolButton12", QStringLiteral("Printable Board"), QStringLiteral("print"), 8, 2);
    ToolButton4 = toolButton(ToolBar1, "ToolButton4", QStringLiteral("Import or Create Sudoku"),
                             QStringLiteral("import"), 31, 2);
    separator(ToolBar1, 54, 26);
    const char *names[5] = {"ToolButton11", "ToolButton5", "ToolButton6", "ToolButton7", "ToolButton8"};
    const char *levels[5] = {"Very Easy", "Gentle", "Moderate", "Tough", "Diabolical"};
    QToolButton **levelButtons[5] = {&ToolButton11, &ToolButton5, &ToolButton6, &ToolButton7, &ToolButton8};
    for (int level = 0; level < 5; ++level) {
        QToolButton *b = toolButton(ToolBar1, names[level],
                                    QStringLiteral("Create Sudoku:") + QString::fromLatin1(levels[level]),
                                    QStringLiteral("level%1").arg(level), 62 + 23 * level, 2);
        connect(b, &QToolButton::clicked, this, [this, level] { seams::guard([this, level] { NewGameClick(level); }); });
        *levelButtons[level] = b;
    }
    separator(ToolBar1, 177, 26);

    TimeLabel1 = new TTimeLabel(ToolBar1);
    TimeLabel1->setObjectName(QStringLiteral("TimeLabel1"));
    TimeLabel1->setGeometry(185, 2, 80, 22);
    TimeLabel1->setText(QStringLiteral("0:0:0"));
    TimeLabel1->setTimerenabled(false);
    TimeLabel1->setTimeinterval(100);
    // A tick that fails stops the clock before its error shows, so it cannot
    // fail again and again behind the box.
    TimeLabel1->setOnTimer([this](QObject *) {
        seams::guard([this] { TimeLabel1Timer(); }, [this] { TimeLabel1->setTimerenabled(false); });
    });
    {
        QFont f;
        f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
        f.setStyleHint(QFont::SansSerif);
        f.setPixelSize(15);
        f.setBold(true);
        TimeLabel1->setFont(f);
    }
    clearsHelp(TimeLabel1);
    separator(ToolBar1, 265, 26);

    tbresign = toolButton(ToolBar1, "tbresign", QStringLiteral("Restart"), QStringLiteral("restart"), 273, 2);
    tbsolve = toolButton(ToolBar1, "tbsolve", QStringLiteral("Show Solution"), QStringLiteral("solve"), 296, 2);
    ToolButton14 = toolButton(ToolBar1, "ToolButton14", QStringLiteral("Copy Puzzle To Clipboard"),
                              QStringLiteral("copy"), 319, 2);

    ndtxt = new QLabel(ToolBar1);
    ndtxt->setObjectName(QStringLiteral("ndtxt"));
    QFont bold = ndtxt->font();
    bold.setBold(true);
    ndtxt->setFont(bold);
    ndtxt->setGeometry(346, 2, 184, 22);
    clearsHelp(ndtxt);

    click(ToolButton12, [](TForm1 *f) { f->PrintableBoardClick(); });
    click(ToolButton4, [](TForm1 *f) { f->ImportClick(); });
    click(tbresign, [](TForm1 *f) { f->tbresignClick(); });
    click(tbsolve, [](TForm1 *f) { f->tbsolveClick(); });
    click(ToolButton14, [](TForm1 *f) { f->CopyClick(); });
}

void TForm1::buildBoard(QWidget *client)
{
    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(0, 29, 429, 428);
    clearsHelp(Panel1);

    sd991 = new TPICSD33(Panel1);
    sd991->setObjectName(QStringLiteral("sd991"));
    // Places inside a bordered panel count from inside its border.
    sd991->move(1 + 3, 1 + 2);
    // The values this window stores for its board.
    sd991->UNFoucsColor1 = clr::White;
    sd991->UNFoucsColor2 = 16759739;
    sd991->FoucsColor1 = 12043517;
    sd991->FoucsColor2 = 14538713;
    sd991->FONTSize1 = 25;
    sd991->FONTSize2 = 25;
    sd991->FONTSize3 = 10;
    sd991->FONTColor1 = clr::Black;
    sd991->FONTColor2 = clr::Blue;
    sd991->FONTColor3 = 3561082;
    sd991->nd = 0;
    sd991->errorcolor = 254;
    sd991->highcolor = 9813909;
    sd991->autotranzt = true;
}

void TForm1::buildCandidatePanel(QWidget *client)
{
    GroupBox1 = new QGroupBox(QStringLiteral("Show Candidates"), client);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(433, 33, 94, 164);
    clearsHelp(GroupBox1);

    auto radio = [this](const char *name, const QString &caption, int y, const QString &help) {
        auto *rb = new QRadioButton(caption, GroupBox1);
        rb->setObjectName(QString::fromLatin1(name));
        rb->setGeometry(8, y, 82, 17);
        rb->setFocusPolicy(Qt::NoFocus);
        // The fallback faces are wider than the window's own: a slightly
        // narrowed face keeps "Only one  (F3)" inside the box's frame.
        QFont narrow = rb->font();
        narrow.setStretch(85);
        rb->setFont(narrow);
        setHelp(rb, help);
        connect(rb, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                seams::guard([this] { rb_noneClick(); });
        });
        return rb;
    };
    rb_none = radio("rb_none", QStringLiteral("None  (F1)"), 24, QString::fromLatin1(NoneHelpText()));
    rb_all = radio("rb_all", QStringLiteral("All  (F2)"), 45, QString::fromLatin1(AllHelpText()));
    rb_one = radio("rb_one", QStringLiteral("Only one  (F3)"), 67,
                   QStringLiteral("When this box is checked, display only those cells corresponding to clicked "
                                  "Candidate on the numerical panel."));
    {
        const QSignalBlocker blocker(rb_none);
        rb_none->setChecked(true);
    }

    digitPad = new DigitPad(GroupBox1);
    static const int xs[3] = {7, 33, 60}, ys[3] = {89, 113, 137};
    for (int d = 1; d <= 9; ++d) {
        QToolButton *b = digitPad->button(d);
        b->setGeometry(xs[(d - 1) % 3], ys[(d - 1) / 3], 23, 22);
        setHelp(b, QStringLiteral("You can type number 1..9 to select it quickly."));
        disnote[static_cast<size_t>(d)] = b;
    }
    connect(digitPad, &DigitPad::clicked, this, [this] { seams::guard([this] { disnote1Click(); }); });

    static const int bx[9] = {438, 447, 456, 465, 474, 483, 492, 501, 510};
    for (int d = 1; d <= 9; ++d) {
        auto *bar = new QProgressBar(client);
        bar->setObjectName(QStringLiteral("ProgressBar%1").arg(d));
        bar->setOrientation(Qt::Vertical);
        bar->setRange(0, 9);
        bar->setValue(0);
        bar->setTextVisible(false);
        bar->setGeometry(bx[d - 1], 386, 7, 70);
        clearsHelp(bar);
        ProgressBar[static_cast<size_t>(d)] = bar;
    }
}

void TForm1::buildToolBar2(QWidget *client)
{
    ToolBar2 = new QFrame(client);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setGeometry(4, 460, 347, 26);
    clearsHelp(ToolBar2);

    cbautoupdate = new QCheckBox(QStringLiteral("Auto Update Candidates"), ToolBar2);
    cbautoupdate->setObjectName(QStringLiteral("cbautoupdate"));
    cbautoupdate->setChecked(true);
    cbautoupdate->setFocusPolicy(Qt::NoFocus);
    cbautoupdate->setGeometry(2, 2, 150, 22);
    setHelp(cbautoupdate, QStringLiteral("When this box checked,Will auto update candidate numbers."));

    ToolButton9 = toolButton(ToolBar2, "ToolButton9", QStringLiteral("Show hint"), QStringLiteral("hint"), 154, 2);
    separator(ToolBar2, 177, 26);
    tbfirst = toolButton(ToolBar2, "tbfirst", QStringLiteral("First Step"), QStringLiteral("first"), 185, 2);
    tbback = toolButton(ToolBar2, "tbback", QStringLiteral("Back Step"), QStringLiteral("back"), 208, 2);
    tbnext = toolButton(ToolBar2, "tbnext", QStringLiteral("Next Step"), QStringLiteral("next"), 231, 2);
    tblast = toolButton(ToolBar2, "tblast", QStringLiteral("Last Step"), QStringLiteral("last"), 254, 2);
    for (QToolButton *b : {tbfirst, tbback, tbnext, tblast})
        b->setEnabled(false);
    // A disabled button still explains itself in the status bar.
    for (QToolButton *b : {ToolButton9, tbfirst, tbback, tbnext, tblast})
        b->setAttribute(Qt::WA_AlwaysShowToolTips);

    auto click = [this](QToolButton *b, void (TForm1::*handler)()) {
        connect(b, &QToolButton::clicked, this, [this, handler] { seams::guard([this, handler] { (this->*handler)(); }); });
    };
    click(ToolButton9, &TForm1::ToolButton9Click);
    click(tbfirst, &TForm1::tbfirstClick);
    click(tbback, &TForm1::tbbackClick);
    click(tbnext, &TForm1::tbnextClick);
    click(tblast, &TForm1::tblastClick);
}

void TForm1::setHelp(QWidget *w, const QString &text)
{
    w->setProperty(kHelpProperty, text);
    w->installEventFilter(this);
}

void TForm1::clearsHelp(QWidget *w)
{
    w->setProperty(kClearsProperty, true);
    w->setMouseTracking(true);
    w->installEventFilter(this);
}

const char *TForm1::NoneHelpText()
{
    return "When the Display Candidates [\"None\"] is checked, hide all the candidates.";
}

const char *TForm1::AllHelpText()
{
    return "When the Display Candidates [\"All\"] is checked, display all the candidates.";
}

void TForm1::ShowHelpText(const QString &text)
{
    sb1->setColor(7978239);
    sb1->setPanelText(text);
}

void TForm1::ClearHelpText()
{
    sb1->setPanelText(QString());
    sb1->setColor(clr::BtnFace);
}

void TForm1::FormCreate()
{
    programDir = seams::programDirectory();
    QDir dir(programDir);
    if (!dir.exists(QStringLiteral("replay")))
        dir.mkdir(QStringLiteral("replay"));
    QCoreApplication::setApplicationName(QStringLiteral("SudokuNodala v3.0"));
    if (!QDir::setCurrent(programDir))
        throw std::runtime_error("I/O error: cannot change to the program directory " + programDir.toStdString());

    sd991->setEnabled(false);
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        cell->OnMouseDown = [this](QObject *sender, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint) {
            seams::guard([=, this] { CellMouseDown(sender, button); });
        };
        cell->OnMouseEnter = [this](QObject *sender) { seams::guard([=, this] { CellMouseEnter(sender); }); };
        cell->OnMouseLeave = [this](QObject *sender) { seams::guard([=, this] { CellMouseLeave(sender); }); };
        cell->OnPopup = [this](QObject *sender) { seams::guard([=, this] { ppPopup(sender); }); };
        for (int k = 1; k <= 9; ++k) {
            Tmousepanel *mark = cell->marks[static_cast<size_t>(k)];
            mark->OnMouseDown = [this](QObject *sender, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint) {
                seams::guard([=, this] { MarkMouseDown(sender, button); });
            };
            mark->OnMouseEnter = cell->OnMouseEnter;
            mark->OnMouseLeave = cell->OnMouseLeave;
        }
        cell->value.clear();
        cell->state = stFixed;
    }
}

void TForm1::FormClose()
{
    // A run that never put a game on the board keeps the last game for the
    // next one to continue.
    if (gamePutThisRun_ || !QFileInfo::exists(LastGamePath()))
        SaveLastGame();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        centerOnScreen(this);
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!closed_) {
        closed_ = true;
        seams::guard([this] { FormClose(); });
    }
    event->accept();
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    switch (key) {
    case Qt::Key_F1:
        rb_none->setChecked(true);
        return true;
    case Qt::Key_F2:
        rb_all->setChecked(true);
        return true;
    case Qt::Key_F3:
        rb_one->setChecked(true);
        return true;
    default:
        break;
    }
    // Only the digits of the main row: the keypad's send the same key
    // codes with the keypad modifier.
    if (key >= Qt::Key_1 && key <= Qt::Key_9 && !(shift & Qt::KeypadModifier)) {
        digitPad->setDown(key - Qt::Key_0);
        disnote1Click();
        return true;
    }
    return false;
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Key preview: the window sees every key first, once, at the widget
        // the key is delivered to.
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w || w->window() != this || !isActiveWindow())
            break;
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        if (w != target)
            break;
        auto *key = static_cast<QKeyEvent *>(event);
        bool handled = false;
        seams::guard([&] { handled = FormKeyDown(key->key(), key->modifiers()); });
        return handled;
    }
    case QEvent::EnabledChange:
        if (watched == sd991)
            syncPointerBorder();
        break;
    case QEvent::Enter: {
        const QVariant help = watched->property(kHelpProperty);
        if (help.isValid())
            ShowHelpText(help.toString());
        else if (watched->property(kClearsProperty).toBool())
            ClearHelpText();
        break;
    }
    case QEvent::MouseMove: {
        // Over the free area of a container (no child under the pointer).
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->property(kClearsProperty).toBool()
            && !w->childAt(static_cast<QMouseEvent *>(event)->position().toPoint()) && !sb1->panelText().isEmpty())
            ClearHelpText();
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}


void TForm1::setPointerBorder(Tmousepanel *panel)
{
    if (panel == bordered_)
        return;
    if (bordered_)
        bordered_->setSingleBorder(false);
    bordered_ = panel;
    if (panel)
        panel->setSingleBorder(true);
}

void TForm1::syncPointerBorder()
{
    Tmousepanel *under = nullptr;
    if (sd991->isEnabled() && isVisible()) {
        auto *panel = qobject_cast<Tmousepanel *>(QApplication::widgetAt(QCursor::pos()));
        if (panel && TPicNode::cellOf(panel) && sd991->isAncestorOf(panel) && panel->isVisible())
            under = panel;
    }
    setPointerBorder(under);
}

void TForm1::CellMouseEnter(QObject *sender)
{
    auto *panel = qobject_cast<Tmousepanel *>(sender);
    if (panel && sd991->isEnabled())
        setPointerBorder(panel);
    auto *cell = qobject_cast<TPicNode *>(sender);
    if (!cell) {
        ShowHelpText(QStringLiteral(
            "Left click sets the selected Candidature as Bignumber, right click deletes such Candidature."));
        return;
    }
    const bool fixed = cell->state == stFixed;
    if (rb_none->isChecked()) {
        if (fixed)
            ClearHelpText();
        else
            ShowHelpText(QStringLiteral("Set Bignumber with the left button, clear Bignumber with the right button."));
    } else if (rb_all->isChecked()) {
        if (fixed)
            ClearHelpText();
        else if (cell->state == stBigNumber)
            ShowHelpText(QStringLiteral(
                "Cancel the bignumber with the left button.Pop up the shortcut menu with the right button."));
        else
            ShowHelpText(QStringLiteral("Pop up the shortcut menu with the right button."));
    } else {
        if (!fixed && cell->PopupMenu())
            ShowHelpText(QStringLiteral("Pop up the shortcut menu with the right button."));
        else
            ClearHelpText();
    }
}

void TForm1::CellMouseLeave(QObject *sender)
{
    if (sender == bordered_)
        setPointerBorder(nullptr);
}

void TForm1::TimeLabel1Timer()
{
    TimeLabel1->setMS(TimeLabel1->MS() + TimeLabel1->timeinterval());
    RecordStep();
    UpdateStepButtons();
}

// Commands that later rooms of the game fill in.
void TForm1::PrintableBoardClick() {}
void TForm1::ImportClick() {}
void TForm1::ContinueClick() { Con1Click(); }
void TForm1::AppearanceClick() {}
void TForm1::CopyClick() {}
void TForm1::CheckNewVersionClick() {}
void TForm1::VisitClick() { seams::shell().open(QString::fromLatin1(kMakerSite)); }
void TForm1::AboutClick() {}

