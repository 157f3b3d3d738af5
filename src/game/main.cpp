#include "game/main.h"

#include "appearance/UfrmAppearance.h"
#include "exchange/Ufrm_new.h"
#include "exchange/Ufrmcopy.h"
#include "exchange/Ufrmprint.h"
#include "board/BoardDesign.h"
#include "board/BoardLogic.h"
#include "game/DigitPad.h"
#include "game/Windows.h"
#include "game/Icons.h"
#include "game/Keyboard.h"
#include "game/Layout.h"
#include "game/Pause.h"
#include "puzzle/Levels.h"
#include "puzzle/QJ.h"
#include "game/StatusLine.h"
#include "guide/NextStepWindow.h"
#include "play/PlayModel.h"
#include "periphery/Centering.h"
#include "periphery/UAbout.h"
#include "periphery/Ufrmcheck.h"
#include "periphery/Seams.h"
#include "play/KeyTable.h"
#include "board/DigitStrings.h"
#include "board/UpdateLock.h"
#include "board/Colors.h"
#include "exchange/Ufrmdas.h"
#include "solver/Usol.h"
#include "play/BestTimesDialog.h"
#include "guide/HowToPlayWindow.h"
#include "play/OptionsDialog.h"
#include "exchange/PrintSheetsDialog.h"
#include "exchange/PuzzleOpener.h"
#include "records/Ufrmstep.h"
#include "base/Digits.h"
#include "puzzle/Ufrmtk.h"
#include "base/AtomicTextFile.h"
#include "records/GameRecordFile.h"

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
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

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

// Applies a control's place from the layout table.
void place(QWidget *w, const char *name)
{
    const layout::Place *p = layout::find(name);
    Q_ASSERT(p);
    int x = p->x, y = p->y;
    // Places inside a bordered panel count from inside its border.
    if (p->parent == "Panel1") {
        x += layout::kPanelBorder;
        y += layout::kPanelBorder;
    }
    w->setGeometry(x, y, p->width, p->height);
    w->setObjectName(QString::fromLatin1(name));
}

} // namespace

TForm1::TForm1(const Windows &windows, PlayModel &play, QWidget *parent) : QMainWindow(parent), w_(windows), play_(play)
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
    client->setFixedSize(layout::kClientWidth, layout::kClientHeight);
    setCentralWidget(client);
    clearsHelp(client);

    buildMenus();
    buildToolBar1(client);
    buildBoard(client);
    buildCandidatePanel(client);
    buildToolBar2(client);
    keys_ = new KeyRouter(*this);

    WC_Label = new QLabel(QStringLiteral("Puzzle Solved"), client);
    place(WC_Label, "WC_Label");
    QFont bold = WC_Label->font();
    bold.setBold(true);
    WC_Label->setFont(bold);
    WC_Label->hide();
    pause_ = new PauseControl(*this, play_, w_);

    sb1 = new StatusLine(client);
    place(sb1, "sb1");

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

// A handler of the main window: a command, or a new game of a level.
// A handler of the main window: a command, a new game of a level, or a
// command of one of the window's parts.
struct ControlHandler {
    void (TForm1::*command)() = nullptr;
    int level = -1;
    void (*part)(TForm1 &) = nullptr;
    bool any() const { return command || level >= 0 || part; }
    void operator()(TForm1 &f) const
    {
        if (part)
            part(f);
        else if (command)
            (f.*command)();
        else
            f.NewGameClick(level);
    }
};

struct MenuItemSpec {
    QAction *TForm1::*field;
    const char *name;
    const char *caption; // "-" for a separator
    ControlHandler handler;
};

struct MenuSpec {
    QMenu *TForm1::*field;
    const char *name;
    const char *caption;
    std::initializer_list<MenuItemSpec> items;
};

struct ButtonSpec {
    QToolButton *TForm1::*field;
    const char *name;
    const char *hint;
    const char *icon;
    ControlHandler handler;
};


void TForm1::buildMenus()
{
    const MenuSpec menus[] = {
        {&TForm1::File1, "File1", "&File",
         {{&TForm1::PrintableBoard1, "PrintableBoard1", "Printable Board", {&TForm1::PrintableBoardClick}},
          {&TForm1::ImportSudoku1, "ImportSudoku1", "&Import or Create Sudoku", {&TForm1::ImportClick}},
          {&TForm1::N5, "N5", "-", {}},
          {&TForm1::Con1, "Con1", "Continue Your Last Game", {&TForm1::ContinueClick}},
          {&TForm1::PrintPuzzles1, "PrintPuzzles1", "Print Puzzles...", {&TForm1::PrintPuzzlesClick}},
          // Below the older items, so their places in the menu stay.
          {&TForm1::OpenPuzzleFile1, "OpenPuzzleFile1", "&Open Puzzle File...", {&TForm1::OpenPuzzleFileClick}},
          {&TForm1::NextPuzzle1, "NextPuzzle1", "&Next Puzzle", {&TForm1::NextPuzzleClick}},
          {&TForm1::N18, "N18", "-", {}},
          {&TForm1::Exit1, "Exit1", "&Exit", {&TForm1::Exit1Click}}}},
        {&TForm1::N10, "N10", "New Game",
         {{&TForm1::VeryEasy1, "VeryEasy1", levels::kNames[0], {nullptr, 0}},
          {&TForm1::N11, "N11", levels::kNames[1], {nullptr, 1}},
          {&TForm1::N12, "N12", levels::kNames[2], {nullptr, 2}},
          {&TForm1::N13, "N13", levels::kNames[3], {nullptr, 3}},
          {&TForm1::N14, "N14", levels::kNames[4], {nullptr, 4}}}},
        {&TForm1::ools1, "ools1", "Tools",
         {{&TForm1::appearance1, "appearance1", "Appearance", {&TForm1::AppearanceClick}},
          {&TForm1::CopyPuzzleToClipboard1, "CopyPuzzleToClipboard1", "Copy Puzzle To Clipboard",
           {&TForm1::CopyClick}},
          {&TForm1::N15, "N15", "-", {}},
          {&TForm1::ExplainNextStep1, "ExplainNextStep1", "Explain Next Step", {&TForm1::ExplainClick}},
          {&TForm1::N16, "N16", "-", {}},
          // The keys are the window's own (PauseKey): the text only shows them.
          {&TForm1::Pause1, "Pause1", "Pause\tP", {nullptr, -1, [](TForm1 &f) { f.pause().PauseClick(); }}},
          {&TForm1::BestTimes1, "BestTimes1", "&Best Times", {&TForm1::BestTimesClick}},
          {&TForm1::Options1, "Options1", "&Options...", {&TForm1::OptionsClick}}}},
        {&TForm1::N7, "N7", "Help",
         {{&TForm1::CheckNewVersion1, "CheckNewVersion1", "Check New Version", {&TForm1::CheckNewVersionClick}},
          // A tick item that only toggles itself.
          {&TForm1::AutoCheckNewVersion1, "AutoCheckNewVersion1", "Auto Check New Version", {}},
          {&TForm1::Visit1, "Visit1", nullptr, {&TForm1::VisitClick}},
          {&TForm1::N9, "N9", "-", {}},
          {&TForm1::HowToPlay1, "HowToPlay1", "&How to Play", {&TForm1::HowToPlayClick}},
          {&TForm1::About1, "About1", "&About SudokuNodala", {&TForm1::AboutClick}}}},
    };
    for (const MenuSpec &m : menus) {
        QMenu *menu = menuBar()->addMenu(QString::fromLatin1(m.caption));
        menu->setObjectName(QString::fromLatin1(m.name));
        this->*m.field = menu;
        for (const MenuItemSpec &item : m.items) {
            QAction *a = nullptr;
            if (item.caption && QLatin1String(item.caption) == QLatin1String("-"))
                a = menu->addSeparator();
            else
                a = menu->addAction(item.caption ? QString::fromLatin1(item.caption)
                                                 : QStringLiteral("Visit ") + QString::fromLatin1(kMakerSite));
            a->setObjectName(QString::fromLatin1(item.name));
            this->*item.field = a;
            if (item.handler.any())
                seams::connectGuarded(a, &QAction::triggered, this, [this, h = item.handler] { h(*this); });
        }
    }
    AutoCheckNewVersion1->setCheckable(true);
    NextPuzzle1->setEnabled(false); // until a collection is played from
    connect(File1, &QMenu::aboutToShow, this, &TForm1::UpdateNextPuzzle);
    const keytable::Binding explain = keytable::bindingOf(keytable::Action::Explain);
    ExplainNextStep1->setShortcut(QKeySequence(QKeyCombination(explain.modifiers, Qt::Key(explain.key))));
}

void TForm1::buildButtons(QWidget *bar, std::initializer_list<ButtonSpec> buttons)
{
    for (const ButtonSpec &spec : buttons) {
        auto *b = new QToolButton(bar);
        place(b, spec.name);
        b->setIcon(loadIcon(QString::fromLatin1(spec.icon)));
        b->setIconSize(QSize(16, 16));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        // A level's button is named after its level.
        const QString hint = spec.hint ? QString::fromLatin1(spec.hint)
                                       : QStringLiteral("Create Sudoku:") + QString::fromLatin1(levels::kNames[spec.handler.level]);
        b->setToolTip(hint);
        setHelp(b, hint);
        this->*spec.field = b;
        seams::connectGuarded(b, &QToolButton::clicked, this, [this, h = spec.handler] { h(*this); });
    }
    for (const layout::Gap &gap : layout::kSeparators)
        if (gap.bar == bar->objectName().toStdString())
            separator(bar, gap.x, 26);
}

void TForm1::buildToolBar1(QWidget *client)
{
    ToolBar1 = new QFrame(client);
    place(ToolBar1, "ToolBar1");
    clearsHelp(ToolBar1);
    buildButtons(ToolBar1,
                 {
                     {&TForm1::ToolButton12, "ToolButton12", "Printable Board", "print", {&TForm1::PrintableBoardClick}},
                     {&TForm1::ToolButton4, "ToolButton4", "Import or Create Sudoku", "import", {&TForm1::ImportClick}},
                     {&TForm1::ToolButton11, "ToolButton11", nullptr, "level0", {nullptr, 0}},
                     {&TForm1::ToolButton5, "ToolButton5", nullptr, "level1", {nullptr, 1}},
                     {&TForm1::ToolButton6, "ToolButton6", nullptr, "level2", {nullptr, 2}},
                     {&TForm1::ToolButton7, "ToolButton7", nullptr, "level3", {nullptr, 3}},
                     {&TForm1::ToolButton8, "ToolButton8", nullptr, "level4", {nullptr, 4}},
                     {&TForm1::tbresign, "tbresign", "Restart", "restart", {&TForm1::tbresignClick}},
                     {&TForm1::tbsolve, "tbsolve", "Show Solution", "solve", {&TForm1::tbsolveClick}},
                     {&TForm1::ToolButton14, "ToolButton14", "Copy Puzzle To Clipboard", "copy", {&TForm1::CopyClick}},
                 });

    TimeLabel1 = new TTimeLabel(ToolBar1);
    place(TimeLabel1, "TimeLabel1");
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

    ndtxt = new QLabel(ToolBar1);
    place(ndtxt, "ndtxt");
    QFont bold = ndtxt->font();
    bold.setBold(true);
    ndtxt->setFont(bold);
    clearsHelp(ndtxt);
}

void TForm1::buildBoard(QWidget *client)
{
    Panel1 = new QFrame(client);
    place(Panel1, "Panel1");
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setLineWidth(layout::kPanelBorder);
    clearsHelp(Panel1);

    sd991 = new TPICSD33(Panel1);
    place(sd991, "sd991");
    applyDesign(*sd991, kMainBoardDesign);
}

void TForm1::buildCandidatePanel(QWidget *client)
{
    GroupBox1 = new QGroupBox(QStringLiteral("Show Candidates"), client);
    place(GroupBox1, "GroupBox1");
    clearsHelp(GroupBox1);

    auto radio = [this](const char *name, const QString &caption, const QString &help) {
        auto *rb = new QRadioButton(caption, GroupBox1);
        place(rb, name);
        rb->setFocusPolicy(Qt::NoFocus);
        // The fallback faces are wider than the window's own: a slightly
        // narrowed face keeps "Only one  (F3)" inside the box's frame.
        QFont narrow = rb->font();
        narrow.setStretch(85);
        rb->setFont(narrow);
        setHelp(rb, help);
        seams::connectGuarded(rb, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rb_noneClick();
        });
        return rb;
    };
    rb_none = radio("rb_none", QStringLiteral("None  (F1)"), QString::fromLatin1(NoneHelpText()));
    rb_all = radio("rb_all", QStringLiteral("All  (F2)"), QString::fromLatin1(AllHelpText()));
    rb_one = radio("rb_one", QStringLiteral("Only one  (F3)"),
                   QStringLiteral("When this box is checked, display only those cells corresponding to clicked "
                                  "Candidate on the numerical panel."));
    {
        const QSignalBlocker blocker(rb_none);
        rb_none->setChecked(true);
    }

    digitPad = new DigitPad(GroupBox1);
    for (int d = 1; d <= 9; ++d) {
        QToolButton *b = digitPad->button(d);
        place(b, QStringLiteral("disnote%1").arg(d).toLatin1().constData());
        setHelp(b, QStringLiteral("You can type number 1..9 to select it quickly."));
        disnote[static_cast<size_t>(d)] = b;
    }
    seams::connectGuarded(digitPad, &DigitPad::clicked, this, [this] { disnote1Click(); });

    for (int d = 1; d <= 9; ++d) {
        auto *bar = new QProgressBar(client);
        place(bar, QStringLiteral("ProgressBar%1").arg(d).toLatin1().constData());
        bar->setOrientation(Qt::Vertical);
        bar->setRange(0, 9);
        bar->setValue(0);
        bar->setTextVisible(false);
        clearsHelp(bar);
        ProgressBar[static_cast<size_t>(d)] = bar;
    }
}

void TForm1::buildToolBar2(QWidget *client)
{
    ToolBar2 = new QFrame(client);
    place(ToolBar2, "ToolBar2");
    clearsHelp(ToolBar2);

    cbautoupdate = new QCheckBox(QStringLiteral("Auto Update Candidates"), ToolBar2);
    place(cbautoupdate, "cbautoupdate");
    cbautoupdate->setChecked(true);
    cbautoupdate->setFocusPolicy(Qt::NoFocus);
    setHelp(cbautoupdate, QStringLiteral("When this box checked,Will auto update candidate numbers."));

    buildButtons(ToolBar2, {
                               {&TForm1::ToolButton9, "ToolButton9", "Show hint", "hint", {&TForm1::ToolButton9Click}},
                               {&TForm1::tbfirst, "tbfirst", "First Step", "first", {&TForm1::tbfirstClick}},
                               {&TForm1::tbback, "tbback", "Back Step", "back", {&TForm1::tbbackClick}},
                               {&TForm1::tbnext, "tbnext", "Next Step", "next", {&TForm1::tbnextClick}},
                               {&TForm1::tblast, "tblast", "Last Step", "last", {&TForm1::tblastClick}},
                           });
    for (QToolButton *b : {tbfirst, tbback, tbnext, tblast})
        b->setEnabled(false);
    // A disabled button still explains itself in the status bar.
    for (QToolButton *b : {ToolButton9, tbfirst, tbback, tbnext, tblast})
        b->setAttribute(Qt::WA_AlwaysShowToolTips);
}

// The application-wide event filter reads these properties.
void TForm1::setHelp(QWidget *w, const QString &text) { w->setProperty(kHelpProperty, text); }

void TForm1::clearsHelp(QWidget *w)
{
    w->setProperty(kClearsProperty, true);
    w->setMouseTracking(true);
}

void TForm1::ForwardKeys(QWidget *window) { keys_->forward(window); }

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers shift) { return keys_->FormKeyDown(key, shift); }

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
    sb1->setColor(clr::HelpBar);
    sb1->setPanelText(text);
}

void TForm1::ClearHelpText()
{
    sb1->setPanelText(QString());
    sb1->setColor(clr::BtnFace);
}

void TForm1::FormCreate()
{
    auto notify = [this](void (TForm1::*handler)(QObject *)) {
        return [this, handler](QObject *sender) { seams::guard([=, this] { (this->*handler)(sender); }); };
    };
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
        cell->OnMouseEnter = notify(&TForm1::CellMouseEnter);
        cell->OnMouseLeave = notify(&TForm1::CellMouseLeave);
        cell->OnPopup = notify(&TForm1::ppPopup);
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
    // The counters follow every change of the board, also those of the
    // commands that do not recount them themselves (the solution, a hint).
    connect(sd991, &TPICSD33::changed, this, &TForm1::UpdateDigitBars);
    // Once the handler that changed the board is done, as a tick would.
    connect(sd991, &TPICSD33::changed, this, [this] { seams::guard([this] { recordMove(); sayClashes(); }); },
            Qt::QueuedConnection);

    // The board shows the state of play.
    sd991->allClashes = play_.options().everyClash;
    sd991->nd = play_.level();
    connect(&play_, &PlayModel::optionsChanged, this, [this] {
        sd991->allClashes = play_.options().everyClash;
        OptionsChanged();
    });
    connect(&play_, &PlayModel::levelChanged, this, [this](int level) { sd991->nd = level; });
    connect(&play_, &PlayModel::wrongDigitsChanged, this, [this] {
        for (int i = 0; i < 81; ++i)
            sd991->cellAt(i)->wrong = play_.wrongDigit(i);
    });
}

void TForm1::FormClose()
{
    // A run that never put a game on the board keeps the last game for the
    // next one to continue.
    recordMove();
    if (gamePutThisRun_ || !QFileInfo::exists(LastGamePath()))
        SaveLastGame();
    w_.frmAppearance->SaveAutoCheck(AutoCheckNewVersion1->isChecked());
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

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
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

void TForm1::PrintableBoardClick() { w_.frmprint->Button1Click(); }
void TForm1::ImportClick() { w_.frm_new->exec(); }
void TForm1::ContinueClick() { Con1Click(); }

void TForm1::CopyClick()
{
    if (!NoEmptyCell())
        boardlogic::fillCandidates(sd991->grid(), boardlogic::Open::Empty);
    w_.frmcopy->Prepare();
    w_.frmcopy->exec();
}

void TForm1::ExplainClick()
{
    // F4 is a shortcut, not a key the pause sees: explaining goes on first.
    pause_->ResumeClick();
    w_.frmExplain->ExplainClick();
}
void TForm1::AppearanceClick()
{
    w_.frmAppearance->exec();
    // Its OK applies the colours by drawing every candidate; the board goes
    // back to what the selected mode shows.
    OptionsChanged();
}
void TForm1::CheckNewVersionClick()
{
    if (!CheckNewVersion1->isEnabled())
        return;
    // The game stays playable while the answer is awaited; the pointer says
    // a question is out, and the item cannot send a second one.
    CheckNewVersion1->setEnabled(false);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    w_.frmcheck->CheckNewVersion([item = QPointer<QAction>(CheckNewVersion1)] {
        QGuiApplication::restoreOverrideCursor();
        if (item)
            item->setEnabled(true);
    });
}
void TForm1::VisitClick() { seams::shell().open(QString::fromLatin1(kMakerSite)); }
void TForm1::AboutClick() { Tfrm_about::ShowModal(this); }


// Play: the candidate modes, the digit pad, the one routine that applies
// what a click or a key means on the board, and the popup menu of
// candidates.

bool TForm1::AutoUpdateOn() const { return cbautoupdate->isChecked(); }

void TForm1::setPopupOnCells(const std::function<bool(TPicNode *)> &carries)
{
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        cell->setPopupMenu(carries(cell) ? pp : nullptr);
    }
}

// The display of the selected candidate mode.
void TForm1::redraw()
{
    if (rb_all->isChecked())
        sd991->ShowAll();
    else if (rb_one->isChecked())
        sd991->ShowOnly(SelectedDigit());
    else
        sd991->ShowNone();
}

void TForm1::rb_noneClick()
{
    UpdateLock lock(sd991);
    if (rb_none->isChecked()) {
        sd991->ShowNone();
        if (SelectedDigit() == 0)
            SetDigitButtons(1);
        HighlightDigit();
        setPopupOnCells([](TPicNode *) { return false; });
    } else if (rb_all->isChecked()) {
        FillCandidates();
        sd991->ShowAll();
        setPopupOnCells([](TPicNode *cell) { return cell->state != stFixed; });
        SetDigitButtons(0);
        UpdateDigitBars();
        HighlightDigit();
    } else if (rb_one->isChecked()) {
        FillCandidates();
        const int d = SelectedDigit() ? SelectedDigit() : 1;
        const QString digit = QString::number(d);
        setPopupOnCells([&](TPicNode *cell) { return cell->state != stFixed && cell->value.contains(digit); });
        SetDigitButtons(d);
        sd991->ShowOnly(d);
        UpdateDigitBars();
        HighlightDigit();
    }
    RefreshColors();
}

void TForm1::FillCandidates()
{
    if (!NoEmptyCell())
        boardlogic::fillCandidates(sd991->grid(), boardlogic::Open::Empty);
    if (AutoUpdateOn()) {
        for (int i = 0; i < 81; ++i) {
            TPicNode *cell = sd991->cellAt(i);
            if (cell->state == stCandidates)
                cell->value = sd991->FilterCandidates(cell->row, cell->col);
        }
    }
}

void TForm1::disnote1Click()
{
    UpdateLock lock(sd991);
    if (rb_none->isChecked()) {
        sd991->ShowNone();
    } else if (rb_one->isChecked()) {
        if (!NoEmptyCell())
            boardlogic::fillCandidates(sd991->grid(), boardlogic::Open::Empty);
        const QString digit = QString::number(SelectedDigit());
        setPopupOnCells([&](TPicNode *cell) { return cell->value.contains(digit) && cell->state != stFixed; });
        sd991->ShowOnly(SelectedDigit());
    } else if (rb_all->isChecked()) {
        sd991->ShowAll();
    }
    RefreshColors();
}

namespace {
intent::Button buttonOf(Qt::MouseButton button)
{
    return button == Qt::LeftButton    ? intent::Button::Left
           : button == Qt::RightButton ? intent::Button::Right
                                       : intent::Button::Other;
}
} // namespace

void TForm1::CellMouseDown(QObject *sender, Qt::MouseButton button)
{
    if (auto *cell = qobject_cast<TPicNode *>(sender))
        apply(intent::cellClick(buttonOf(button), pressedAt(cell)), cell);
}

void TForm1::MarkMouseDown(QObject *sender, Qt::MouseButton button)
{
    auto *mark = qobject_cast<Tmousepanel *>(sender);
    TPicNode *cell = TPicNode::cellOf(mark);
    if (!mark || !cell || cell == mark)
        return;
    apply(intent::markClick(buttonOf(button), mark->caption().toInt()), cell);
}

bool TForm1::apply(const intent::Intent &in, TPicNode *cell)
{
    using intent::Kind;
    switch (in.kind) {
    case Kind::None:
        return false;
    case Kind::Undo:
    case Kind::Redo: {
        // A move the clock has not sampled yet is recorded first, so the
        // step back undoes that move and the step forward can bring it back.
        if (gameRunning())
            RecordStep();
        UpdateStepButtons();
        QToolButton *button = in.kind == Kind::Undo ? tbback : tbnext;
        if (!button->isEnabled())
            return false;
        button->click();
        return true;
    }
    case Kind::PlaceMark:
        PlaceDigit(cell, QString::number(in.digit));
        ppTag = -1;
        return true;
    case Kind::StrikeMark: {
        {
            UpdateLock lock(sd991);
            cell->value = DeleteDigits(cell->value, QString::number(in.digit));
            if (cell->value.size() == 1) {
                cell->state = stBigNumber;
                if (AutoUpdateOn())
                    sd991->RemoveFromPeers(cell->row, cell->col);
            } else {
                cell->state = stCandidates;
            }
            moveMade();
        }
        ppTag = -1;
        return true;
    }
    case Kind::Menu:
        // The right button on the cell's free area: its press, then the menu.
        apply({Kind::Touch}, cell);
        ppPopup(cell);
        if (!pp->isEmpty())
            pp->exec(cell->mapToGlobal(QPoint(cell->width() / 2, cell->height() / 2)));
        return true;
    case Kind::Touch:
        if (in.onMark) {
            {
                UpdateLock lock(sd991);
                moveMade();
            }
            ppTag = -1;
            return true;
        }
        break;
    default:
        break;
    }
    // A press on the cell itself: write, empty, take back, or nothing but
    // the refresh.
    bool solved = false;
    if (rb_none->isChecked()) {
        UpdateLock lock(sd991);
        if (in.kind == Kind::Write) {
            cell->value = QString::number(in.digit);
            cell->state = stBigNumber;
        } else if (in.kind == Kind::Empty) {
            cell->state = stCandidates;
            cell->value.clear();
        }
        sd991->CheckConflicts();
        solved = sd991->IsSolved();
        UpdateDigitBars();
        sd991->ShowNone();
        HighlightDigit();
        RefreshColors();
    } else {
        UpdateLock lock(sd991);
        ppTag = 0;
        if (in.kind == Kind::TakeBack) {
            const QString old = cell->value;
            cell->value = sd991->CandidatesOf(cell->row, cell->col);
            cell->state = stCandidates;
            sd991->RestoreToPeers(cell->row, cell->col, old);
            sd991->CheckConflicts();
            solved = sd991->IsSolved();
            UpdateDigitBars();
            redraw();
            RefreshColors();
        }
    }
    if (solved)
        Finish();
    MarkWrongDigits();
    return true;
}

void TForm1::PlaceDigit(TPicNode *cell, const QString &digit)
{
    UpdateLock lock(sd991);
    cell->value = digit;
    cell->state = stBigNumber;
    if (AutoUpdateOn())
        sd991->RemoveFromPeers(cell->row, cell->col);
    moveMade();
}

void TForm1::moveMade()
{
    UpdateDigitBars();
    sd991->CheckConflicts();
    redraw();
    HighlightDigit();
    RefreshColors();
    MarkWrongDigits();
    if (sd991->IsSolved())
        Finish();
}

void TForm1::ppPopup(QObject *sender)
{
    popupCell_ = TPicNode::cellOf(sender);
    BuildCandidateMenu(popupCell_ ? popupCell_->value : QString());
    if (ppTag == -1)
        pp->clear();
}

void TForm1::BuildCandidateMenu(const QString &list)
{
    pp->clear();
    auto add = [this](const QString &caption, const QString &code) {
        QAction *a = pp->addAction(caption);
        a->setStatusTip(code); // the action code travels in the item's hint
        seams::connectGuarded(a, &QAction::triggered, this, [this, a] { CandidateMenuClick(a); });
    };
    for (int d = 1; d <= 9; ++d)
        if (!list.contains(QString::number(d)))
            add(QStringLiteral("Add %1").arg(d), QStringLiteral("+%1").arg(d));
    if (!list.isEmpty())
        pp->addSeparator();
    for (int d = 1; d <= 9; ++d)
        if (list.contains(QString::number(d)))
            add(QStringLiteral("Move %1").arg(d), QStringLiteral("-%1").arg(d));
    pp->addSeparator();
    add(QStringLiteral("Regenerate Candidate Numbers"), QStringLiteral("X"));
}

void TForm1::CandidateMenuClick(QAction *item)
{
    TPicNode *cell = popupCell_;
    const QString code = item->statusTip();
    if (!cell || code.isEmpty())
        return;
    UpdateLock lock(sd991);
    const QChar op = code.at(0);
    const QString d = code.mid(1, 1);
    if (op == QLatin1Char('+')) {
        if (cell->state == stBigNumber) {
            const QString old = cell->value;
            cell->value = AddDigits(cell->value, d);
            cell->state = stCandidates;
            sd991->RestoreToPeers(cell->row, cell->col, old);
        } else {
            cell->value = AddDigits(cell->value, d);
        }
    } else if (op == QLatin1Char('-')) {
        cell->value = RemoveDigit(cell->value, d);
    } else if (op == QLatin1Char('X')) {
        if (cell->state == stBigNumber) {
            const QString old = cell->value;
            cell->state = stCandidates;
            sd991->RestoreToPeers(cell->row, cell->col, old);
        }
        cell->value = sd991->CandidatesOf(cell->row, cell->col);
    }
    cell->state = stCandidates;
    UpdateDigitBars();
    sd991->CheckConflicts();
    redraw();
    RefreshColors();
    const bool solved = sd991->IsSolved();
    MarkWrongDigits();
    if (solved)
        Finish();
}

intent::At TForm1::pressedAt(const TPicNode *cell) const
{
    intent::At at;
    at.mode = rb_all->isChecked() ? intent::Mode::All
              : rb_one->isChecked() ? intent::Mode::OnlyOne
                                    : intent::Mode::None;
    at.selected = SelectedDigit();
    if (cell) {
        at.state = cell->state;
        at.value = cell->value;
        at.menu = cell->PopupMenu() != nullptr;
    }
    return at;
}


// What the player reads off the board besides the digits: the digit
// counters, the cell colours, wrong digits and the finish.

namespace {

void setBarColor(QProgressBar *bar, TColor c)
{
    if (bar->property("TColor").toInt() == c && bar->property("TColor").isValid())
        return;
    bar->setProperty("TColor", c);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Highlight, toQColor(c));
    bar->setPalette(pal);
}

} // namespace

int TForm1::SelectedDigit() const { return digitPad->down(); }

bool TForm1::NoEmptyCell() const
{
    for (int i = 0; i < 81; ++i)
        if (sd991->cellAt(i)->value.isEmpty())
            return false;
    return true;
}

void TForm1::SetDigitButtons(int d)
{
    digitPad->setAllowAllUp(d == 0);
    if (d >= 1 && d <= 9)
        digitPad->setDown(d);
}

void TForm1::UpdateDigitBars()
{
    int count[10] = {};
    for (int i = 0; i < 81; ++i) {
        ++count[boardlogic::placedDigit(*sd991->cellAt(i))];
    }
    for (int d = 1; d <= 9; ++d) {
        QProgressBar *bar = ProgressBar[static_cast<size_t>(d)];
        // The bar's range is 0..9; a board with more of one digit (a clash)
        // shows it full, and the colour follows the position shown.
        bar->setValue(std::min(count[d], 9));
        setBarColor(bar, bar->value() == 9 ? clr::Red : clr::Blue);
    }
}

TColor TForm1::CellColor(int row, int col) const
{
    const TPicNode *cell = sd991->Cell(row, col);
    TColor c = sd991->BoxColor(row, col);
    if (cell->state != stCandidates && cell->value == QString::number(SelectedDigit()))
        c = clr::rgbOr(sd991->highcolor, builtin::Highlight);
    if (cell->errflag)
        c = sd991->errorcolor;
    return c;
}

void TForm1::RecolorCells()
{
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        const TColor c = CellColor(cell->row, cell->col);
        cell->setPanelColor(c);
        cell->setcolor(c);
    }
}

void TForm1::RefreshColors()
{
    RecolorCells();
    MarkWrongDigits();
}

void TForm1::HighlightDigit()
{
    const int d = SelectedDigit();
    if (d == 0)
        return;
    const QString digit = QString::number(d);
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        if (cell->value == digit && !cell->errflag && cell->state != stCandidates)
            cell->setPanelColor(clr::rgbOr(sd991->highcolor, builtin::Highlight));
    }
}

void TForm1::Finish()
{
    if (!sd991->IsSolved())
        return;
    sd991->setEnabled(false);
    WC_Label->show();
    // The winning move is the last step of the record.
    recordMove();
    TimeLabel1->setTimerenabled(false);
    ShowHelpText(play_.gameFinished(TimeLabel1->MS()));
}

void TForm1::MarkWrongDigits()
{
    QString digits(81, QLatin1Char('0'));
    for (int i = 0; i < 81; ++i) {
        const int s = QJ1->node(i / 9 + 1, i % 9 + 1).digit;
        if (s >= 1 && s <= 9)
            digits[i] = QChar(u'0' + s);
    }
    play_.findWrongDigits(sd991->grid(), digits);
    for (int i = 0; i < 81; ++i)
        if (play_.wrongDigit(i))
            sd991->cellAt(i)->setFontColorValue(clr::WrongDigit);
}

void TForm1::sayClashes()
{
    const int clashes = boardlogic::clashCount(sd991->grid());
    if (clashes > 1) {
        clashesSaid_ = QStringLiteral("%1 clashes on the board").arg(clashes);
        ShowHelpText(clashesSaid_);
    } else if (!clashesSaid_.isEmpty()) {
        if (sb1->panelText() == clashesSaid_)
            ClearHelpText();
        clashesSaid_.clear();
    }
}


// Hint, solution and restart.

void TForm1::ToolButton9Click()
{
    const QString s = QJ1->GetSolution();
    if (s.isEmpty())
        return;
    TPicNode *target = nullptr;
    for (int i = 0; i < 81; ++i)
        if (sd991->cellAt(i)->state == stCandidates)
            target = sd991->cellAt(i);
    if (!target)
        return;
    UpdateLock lock(sd991);
    target->value = s.mid(geometry::boardIndex(target->row, target->col), 1);
    target->state = stBigNumber;
    if (AutoUpdateOn())
        sd991->RemoveFromPeers(target->row, target->col);
    redraw();
    target->setPanelColor(clr::HintCell);
    play_.hintUsed();
}

void TForm1::FillWithSolution(const QString &s)
{
    UpdateLock lock(sd991);
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        if (cell->state == stFixed)
            continue;
        cell->value = s.mid(i, 1);
        cell->state = stBigNumber;
    }
    sd991->ShowAll();
    sd991->CheckConflicts();
    RefreshColors();
    play_.solutionShown();
}

void TForm1::tbsolveClick()
{
    if (!puzzleOnBoard_)
        return;
    if (!seams::messages().ask(QStringLiteral("Are you sure you want to see the solution?")))
        return;
    const QString s = QJ1->GetSolution();
    if (!s.isEmpty()) {
        FillWithSolution(s);
        return;
    }
    const GivensVerdict &v = givensVerdict();
    if (v.verdict == 0) {
        FillWithSolution(v.first);
    } else if (v.verdict == 1) {
        seams::messages().report(QStringLiteral("Puzzle is not solvable"));
    } else {
        seams::messages().report(QStringLiteral("This Puzzle has at least two solutions,Press OK to view it."));
        w_.Frmdas->ShowSolutions(v.first, v.second);
    }
}

const TForm1::GivensVerdict &TForm1::givensVerdict()
{
    // Every cell but a given is a blank to the solver.
    const QString givens = sd991->GivensString();
    if (!verdict_ || verdict_->givens != givens) {
        GivensVerdict v;
        v.givens = givens;
        v.verdict = w_.frm_sol->CheckPuzzle(givens, v.first, v.second);
        verdict_ = v;
    }
    return *verdict_;
}

QString TForm1::KnownSolution()
{
    const QString stored = QJ1->GetSolution();
    if (stored.size() == 81)
        return stored;
    if (puzzleOnBoard_ && givensVerdict().verdict == 0)
        return givensVerdict().first;
    return {};
}

void TForm1::tbresignClick()
{
    // Without a puzzle there are no givens to go back to.
    if (!puzzleOnBoard_)
        return;
    if (!seams::messages().ask(QStringLiteral("Are you sure you want to reset this game to the initial state?")))
        return;
    UpdateLock lock(sd991);
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        if (cell->state != stFixed) {
            cell->value = QStringLiteral("123456789");
            cell->state = stCandidates;
        }
    }
    boardlogic::fillCandidates(sd991->grid(), boardlogic::Open::All);
    sd991->setEnabled(true);
    sd991->CheckConflicts();
    WC_Label->hide();
    rb_none->setChecked(true);
    digitPad->setDown(1);
    UpdateDigitBars();
    disnote1Click();
    sd991->HideMarks();
    ResetSteps();
    for (QToolButton *b : {tbback, tbfirst, tbnext, tblast})
        b->setEnabled(false);
    TimeLabel1->setTimerenabled(true);
    TimeLabel1->setMS(0);
    MarkWrongDigits();
}


// The commands beside the specified ones: best times, options, How to Play,
// printed puzzle sheets.

void TForm1::BestTimesClick() { w_.frmBestTimes->exec(); }
void TForm1::OptionsClick() { w_.frmOptions->exec(); }
void TForm1::PrintPuzzlesClick() { w_.frmPrintSheets->exec(); }

void TForm1::HowToPlayClick()
{
    w_.frmHowToPlay->show();
    w_.frmHowToPlay->raise();
}

void TForm1::OptionsChanged()
{
    // An empty board has no clashes or wrong digits to show.
    if (!puzzleOnBoard_)
        return;
    UpdateLock lock(sd991);
    ShowStep();
    RefreshColors();
}


// Puzzles from outside the game: File > Open Puzzle File..., a file or a
// text dropped on the window, a file named on the command line.

bool TForm1::MayReplaceGame()
{
    // The question New Game asks, on the same option.
    return !(play_.options().askNewGame && puzzleOnBoard_ && WC_Label->isHidden())
        || seams::messages().ask(QStringLiteral("Do you want to end the game in progress and start a new one?"));
}

void TForm1::OpenPuzzleFileClick()
{
    if (MayReplaceGame())
        w_.puzzleOpener->OpenFileClick();
}

void TForm1::OpenPuzzleFile(const QString &path)
{
    if (MayReplaceGame())
        w_.puzzleOpener->OpenFile(path);
}

void TForm1::NextPuzzleClick()
{
    if (w_.puzzleOpener->HasNext() && MayReplaceGame())
        w_.puzzleOpener->PlayNext();
}

void TForm1::UpdateNextPuzzle() { NextPuzzle1->setEnabled(w_.puzzleOpener->HasNext()); }

void TForm1::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if ((data->hasUrls() && !data->urls().isEmpty() && data->urls().first().isLocalFile()) || data->hasText())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    seams::guard([&] { OpenDropped(*event->mimeData()); });
}

void TForm1::OpenDropped(const QMimeData &data)
{
    if (data.hasUrls() && !data.urls().isEmpty() && data.urls().first().isLocalFile())
        OpenPuzzleFile(data.urls().first().toLocalFile());
    else if (data.hasText() && MayReplaceGame())
        w_.puzzleOpener->OpenText(data.text().toUtf8());
}


// The main window's side of the move history: sampling, the step buttons.

void TForm1::ShowStep()
{
    sd991->CheckConflicts();
    if (rb_none->isChecked()) {
        sd991->ShowNone();
        if (SelectedDigit() == 0)
            SetDigitButtons(1);
        HighlightDigit();
    } else if (rb_all->isChecked()) {
        sd991->ShowAll();
    } else if (rb_one->isChecked()) {
        sd991->ShowOnly(SelectedDigit());
    }
}

void TForm1::ResetSteps()
{
    w_.frmstep->ResetSteps();
    keys_->keysToBoard();
}

void TForm1::RecordStep() { w_.frmstep->RecordStep(); }

void TForm1::UpdateStepButtons()
{
    const Tfrmstep *history = w_.frmstep;
    tbback->setEnabled(!history->AtFirstStep());
    tbfirst->setEnabled(tbback->isEnabled());
    tbnext->setEnabled(!history->AtLastStep());
    tblast->setEnabled(tbnext->isEnabled());
}

void TForm1::stepButton(void (Tfrmstep::*step)())
{
    Tfrmstep *history = w_.frmstep;
    // The buttons are disabled then; a call from elsewhere finds no step.
    if (history->memostep.isEmpty())
        return;
    // A move the clock has not sampled yet is recorded first, as the next
    // tick would: stepping back undoes that move, and it can come back.
    if (gameRunning())
        RecordStep();
    if ((step == &Tfrmstep::StepBack && history->AtFirstStep())
        || (step == &Tfrmstep::StepNext && history->AtLastStep())) {
        UpdateStepButtons();
        return;
    }
    UpdateLock lock(sd991);
    (history->*step)();
    UpdateStepButtons();
    HighlightDigit();
    RefreshColors();
    UpdateDigitBars();
}

void TForm1::tbfirstClick() { stepButton(&Tfrmstep::StepFirst); }
void TForm1::tbbackClick() { stepButton(&Tfrmstep::StepBack); }
void TForm1::tbnextClick() { stepButton(&Tfrmstep::StepNext); }
void TForm1::tblastClick() { stepButton(&Tfrmstep::StepLast); }

void TForm1::recordMove()
{
    if (!gameRunning())
        return;
    RecordStep();
    UpdateStepButtons();
}

bool TForm1::gameRunning() const { return puzzleOnBoard_ && TimeLabel1->timerenabled(); }


// New games: clearing the board, dealing from the bank, putting a puzzle on
// the board.

void TForm1::ClearGame()
{
    QJ1->ClearValues();
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        cell->state = stCandidates;
        cell->value.clear();
    }
    puzzleOnBoard_ = false;
    RecolorCells();
}

void TForm1::DealFromBank(int level)
{
    w_.frmtk->DealFromBank(level, *QJ1);
}

void TForm1::LoadPuzzle(bool withCandidates)
{
    pause_->endPause();
    play_.newRound(false);
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        const TNode &node = QJ1->node(cell->row, cell->col);
        if (node.given == 1) {
            cell->state = stFixed;
            cell->value = QString::number(node.digit);
        } else {
            cell->state = stCandidates;
            if (withCandidates)
                cell->value = QStringLiteral("123456789");
        }
        cell->errflag = false;
    }
    if (withCandidates)
        boardlogic::fillCandidates(sd991->grid(), boardlogic::Open::All);
    puzzleOnBoard_ = true;
    gamePutThisRun_ = true;
    sd991->setEnabled(true);
    WC_Label->hide();
}

void TForm1::NewGameClick(int level)
{
    if (!MayReplaceGame())
        return;
    UpdateLock lock(sd991);
    ClearGame();
    rb_none->setChecked(true);
    digitPad->setDown(1);
    DealFromBank(level);
    ndtxt->setText(levels::caption(level));
    LoadPuzzle(true);
    play_.newRound(true);
    UpdateDigitBars();
    disnote1Click();
    ResetSteps();
    for (QToolButton *b : {tbback, tbfirst, tbnext, tblast})
        b->setEnabled(false);
    TimeLabel1->setTimerenabled(true);
    TimeLabel1->setMS(0);
    play_.setLevel(level);
    sd991->HideMarks();
}

void TForm1::PlayPuzzle(const TPICSD33 &source, const QString &solution)
{
    UpdateLock lock(sd991);
    ClearGame();
    for (int i = 0; i < 81; ++i) {
        const TPicNode *from = source.cellAt(i);
        TPicNode *cell = sd991->cellAt(i);
        cell->value = from->value;
        cell->state = stCandidates;
        TNode &node = QJ1->node(cell->row, cell->col);
        if (from->state == stBigNumber) {
            cell->state = stFixed;
            node.given = 1;
            node.digit = from->value.size() == 1 ? digitValue(from->value.at(0)) : 0;
        } else {
            node.given = 0;
            node.digit = 0;
        }
    }
    if (!solution.isEmpty())
        QJ1->SetSolution(solution);
    LoadPuzzle(false);
    UpdateDigitBars();
    rb_none->setChecked(true);
    digitPad->setDown(1);
    disnote1Click();
    ResetSteps();
    tbback->setEnabled(false);
    tbnext->setEnabled(false);
    TimeLabel1->setTimerenabled(true);
    TimeLabel1->setMS(0);
    sd991->setEnabled(true);
    WC_Label->hide();
    ndtxt->setText(levels::caption(levels::kUnknown));
    play_.setLevel(levels::kUnknown);
}


// The game on the board across runs: "lastgame.dat".

QString TForm1::LastGamePath() const { return QDir(programDir).filePath(QString::fromLatin1(gamerecord::kFileName)); }

void TForm1::SaveLastGame()
{
    QStringList lines;
    lines << QString::number(play_.level()) + QLatin1Char(' ') + sd991->GivensString();
    lines << QJ1->GetSolution();
    lines += w_.frmstep->memostep;
    QString error;
    if (!atomictext::writeLines(LastGamePath(), lines, &error))
        seams::messages().report(QStringLiteral("The game could not be saved to \"%1\": %2")
                                     .arg(QDir::toNativeSeparators(LastGamePath()), error));
}

void TForm1::Con1Click()
{
    try {
        LoadLastGame();
    } catch (...) {
        // Continuing an unreadable record leaves what the steps before the
        // failure did, and says nothing.
    }
}

void TForm1::LoadLastGame()
{
    // A directory of that name is no record either.
    if (!QFileInfo(LastGamePath()).isFile())
        return;
    Tfrmstep *history = w_.frmstep;
    ClearGame();
    rb_none->setChecked(true);
    digitPad->setDown(1);
    history->ClearSteps();
    // Every step must read back, or stepping to a damaged one later would
    // fail in the middle of play: such a record is not resumed at all, and
    // its steps do not enter the history. Each step is checked as it is
    // read, so a damaged record costs no more than its good start.
    QString first, second;
    QStringList steps;
    qsizetype number = 0;
    const bool read = atomictext::forEachLine(LastGamePath(), gamerecord::kMaxBytes, [&](QString &&line) {
        ++number;
        if (number == 1) {
            first = std::move(line);
        } else if (number == 2) {
            second = std::move(line);
        } else {
            CheckStepLine(line);
            steps.append(std::move(line));
        }
    });
    if (!read)
        throw ConvertError(QStringLiteral("The last game cannot be read."));
    history->memostep = std::move(steps);
    const int level = digitValue(first.isEmpty() ? QChar() : first.at(0));
    QJ1->SetGivens(first.mid(2));
    QJ1->SetSolution(second);
    history->curstep = static_cast<int>(history->memostep.size()) - 1;
    StepLineToBoard(sd991->grid(), history->memostep.value(history->curstep));
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        cell->state = QJ1->node(cell->row, cell->col).given == 1 ? stFixed : stCandidates;
    }
    sd991->setEnabled(true);
    sd991->RefreshStyle();
    play_.setLevel(level);
    UpdateStepButtons();
    LoadPuzzle(false);
    UpdateDigitBars();
    disnote1Click();
    play_.setLevel(level);
    sd991->HideMarks();
    if (level >= 0 && level <= 5)
        ndtxt->setText(levels::caption(level));
    tblastClick();
    keys_->keysToBoard();
    TimeLabel1->setTimerenabled(true);
    TimeLabel1->setMS(0);
}
