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
#include "game/Layout.h"
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
    buildKeyboard();

    WC_Label = new QLabel(QStringLiteral("Puzzle Solved"), client);
    place(WC_Label, "WC_Label");
    QFont bold = WC_Label->font();
    bold.setBold(true);
    WC_Label->setFont(bold);
    WC_Label->hide();
    buildPause();

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
struct ControlHandler {
    void (TForm1::*command)() = nullptr;
    int level = -1;
    void operator()(TForm1 &f) const
    {
        if (command)
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
          {&TForm1::Pause1, "Pause1", "Pause\tP", {&TForm1::PauseClick}},
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
            if (item.handler.command || item.handler.level >= 0)
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

void TForm1::ForwardKeys(QWidget *window) { keyWindows_.append(window); }

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
    case QEvent::KeyPress: {
        // Key preview: the window sees every key first, once, at the widget
        // the key is delivered to; so do the windows that forward theirs.
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w || (w->window() != this && !keyWindows_.contains(w->window())) || !w->window()->isActiveWindow())
            break;
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w->window();
        if (w != target)
            break;
        auto *key = static_cast<QKeyEvent *>(event);
        bool handled = false;
        seams::guard([&] { handled = FormKeyDown(key->key(), key->modifiers()); });
        return handled;
    }
    case QEvent::FocusIn:
        if (keepFocusOffControls(watched, event))
            return true;
        break;
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
    ResumeClick();
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

