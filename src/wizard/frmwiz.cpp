// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/frmwiz.h"

#include "colours/colourpage.h"
#include "images/imagepage.h"
#include "platform/windowaccessibility.h"
#include "source_browser/frmedit.h"
#include "files/filename.h"
#include "files/pagefile.h"
#include "page/pagereader.h"
#include "ui/artwork.h"
#include "ui/guardedboxes.h"
#include "ui/keyboard.h"
#include "ui/stringconvert.h"
#include "wizard/aboutpage.h"
#include "wizard/bulletlistpage.h"
#include "wizard/entrylist.h"
#include "wizard/finishpage.h"
#include "wizard/layoutpage.h"
#include "wizard/pagedroptarget.h"
#include "wizard/linkspage.h"
#include "wizard/steps.h"
#include "wizard/textpage.h"
#include "wizard/welcomepage.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTimer>

static void initLarkspanResources()
{
    Q_INIT_RESOURCE(larkspan);
}

namespace larkspan {

namespace {

constexpr QRect SideImageGeometry{5, 7, 150, 290};
constexpr QSize ButtonSize{80, 26};
constexpr int ButtonTop = frmWiz::PanelOrigin.y() + frmWiz::PanelSize.height() + 9;
constexpr int WindowWidth = frmWiz::PanelOrigin.x() + frmWiz::PanelSize.width() + 8;
// How far the panels may grow for a text that does not fit, in twentieths of their designed size.
constexpr int GrowthSteps = 40;

QString sidePictureResource(int bitmap)
{
    switch (SidePicture(bitmap)) {
    case SidePicture::Welcome: return QStringLiteral(":/side/welcome");
    case SidePicture::Colors: return QStringLiteral(":/side/colors");
    case SidePicture::Image: return QStringLiteral(":/side/image");
    case SidePicture::Text: return QStringLiteral(":/side/text");
    case SidePicture::BulletList: return QStringLiteral(":/side/bullets");
    case SidePicture::Links: return QStringLiteral(":/side/links");
    case SidePicture::Finish: return QStringLiteral(":/side/finish");
    case SidePicture::Layout: return QStringLiteral(":/side/layout");
    }
    return {};
}

void setVisibility(QWidget* widget, Visibility visibility)
{
    if (visibility != Visibility::Unchanged)
        widget->setVisible(visibility == Visibility::Shown);
}

} // namespace

namespace {

// Passes one control's event on to the page that made the control.
template <std::size_t N>
void toOwner(const std::array<WizardPageBase*, N>& owners, void (WizardPageBase::*handler)(int), int index)
{
    if (index >= 0 && std::size_t(index) < N && owners[index])
        (owners[index]->*handler)(index);
}

} // namespace

template <typename Page, typename Controls>
std::unique_ptr<Page> frmWiz::buildPage(Controls& controls)
{
    const auto buttons = cmdButton;
    const auto boxes = txtBox;
    const auto checkBoxes = chkBox;
    const auto radios = optRadio;
    const auto lists = lstBox;
    const auto combos = cbBox;
    auto page = std::make_unique<Page>(controls);
    // Each control that the page made is its page's, and is connected to its handler.
    const auto claimNew = [&](const auto& before, const auto& after, auto& owner) {
        for (std::size_t i = 0; i < after.size(); ++i)
            if (after[i] && !before[i]) {
                owner[i] = page.get();
                connectControl(after[i], int(i));
            }
    };
    claimNew(buttons, cmdButton, owners.cmdButton);
    claimNew(boxes, txtBox, owners.txtBox);
    claimNew(checkBoxes, chkBox, owners.chkBox);
    claimNew(radios, optRadio, owners.optRadio);
    claimNew(lists, lstBox, owners.lstBox);
    claimNew(combos, cbBox, owners.cbBox);
    return page;
}

frmWiz::frmWiz(Platform& platform, const QString& helpFile, QWidget* parent, Building building)
    : QWidget(parent), WizardControls(*this, platform), helpFile(helpFile)
{
    initLarkspanResources();
    presentAsFrame(this);
    setObjectName(QStringLiteral("frmWiz"));

    side = new QLabel(this);
    side->setObjectName(QStringLiteral("imgWiz_0"));
    side->setGeometry(SideImageGeometry);
    imgWiz[ImgSide] = side;

    for (int i = 0; i < PageCount; ++i) {
        auto* container = new QWidget(this);
        container->setObjectName(QStringLiteral("picContainer_%1").arg(i));
        container->setGeometry(QRect(PanelOrigin, PanelSize));
        container->hide();
        picContainer[i] = container;
    }
    createButtonRow();
    boxEvents = new TextBoxEvents(this);
    boxEvents->gotFocus = [this](int index) { txtBox_GotFocus(index); };
    boxEvents->keyPress = [this](int index, int keyAscii) { return txtBox_KeyPress(index, keyAscii); };

    WizardControls& controls = *this;
    welcome = buildPage<WelcomePage>(controls);
    pages[0] = welcome.get();
    if (building == Building::AllPages)
        buildOtherPages();
    buildPending = building == Building::WelcomeFirst;
    // A window that is not painted soon, hidden or on a screen that does not show it, builds its pages all the same.
    if (buildPending)
        QTimer::singleShot(BuildWithoutPaintMs, this, &frmWiz::finishBuilding);
    // The icon's drawing engine takes a moment to load: a window that is to show soon gets it with the pages.
    if (!buildPending)
        setWindowIcon(artworkIcon(QStringLiteral(":/app/icon")));

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (escapeButton && escapeButton->isVisibleTo(this) && escapeButton->isEnabled())
            escapeButton->click();
    });

    qApp->installEventFilter(new PopupEscapeGuard(this));
    new PageDropTarget(*this);

    Form_Load();
    fitToText();
    // A page whose texts change (a layout's description, the summary) asks for a new layout; it may need more room.
    for (QWidget* container : picContainer)
        container->installEventFilter(this);
}

void frmWiz::buildOtherPages()
{
    WizardControls& controls = *this;
    about = buildPage<AboutPage>(controls);
    layout = buildPage<LayoutPage>(controls);
    colours = buildPage<ColourPage>(controls);
    image = buildPage<ImagePage>(controls);
    text = buildPage<TextPage>(controls);
    bullets = buildPage<BulletListPage>(controls);
    links = buildPage<LinksPage>(controls);
    finish = buildPage<FinishPage>(*this);
    // Loading and the reset go in the order of the choices: layout, bullet style, colours, Enter key, link style,
    // then the page image.
    pages = {welcome.get(), about.get(), layout.get(), bullets.get(), colours.get(),
             text.get(),    links.get(), image.get(),  finish.get()};
}

void frmWiz::finishBuilding()
{
    if (!buildPending)
        return;
    buildPending = false;
    setWindowIcon(artworkIcon(QStringLiteral(":/app/icon")));
    buildOtherPages();
    // The Welcome page has loaded already; the others load in their order, as they would have at the start.
    for (WizardPageBase* page : pages)
        if (page != welcome.get())
            page->formLoad();
    startAnswers = pageSpec();
    // The new panels ask for their layout, and the window grows if a page needs more room than Welcome did.
}

bool frmWiz::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // Once the Welcome page is on the screen, the other pages are built.
    if (event->type() == QEvent::Paint && buildPending)
        QMetaObject::invokeMethod(this, &frmWiz::finishBuilding, Qt::QueuedConnection);
    return handled;
}

bool frmWiz::eventFilter(QObject* watched, QEvent* event)
{
    // The panels ask together (all of them once at the start): one fit answers them all.
    if (event->type() == QEvent::LayoutRequest && !fitting && !fitPending
        && std::find(picContainer.begin(), picContainer.end(), watched) != picContainer.end()) {
        fitPending = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                fitPending = false;
                fitToText(panel(WizardPage::Welcome)->size());
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void frmWiz::fitToText(QSize atLeast)
{
    const QScopedValueRollback<bool> busy(fitting, true);
    // A larger desktop font or a longer translation needs more room than the pages were laid out in. The buttons
    // grow to their longest caption; the panels grow a step at a time until every page shows all its texts, and the
    // window with them. Where everything fits, as at the designed font, everything keeps its place; the side picture
    // always does.
    QSize panelSize = PanelSize.expandedTo(atLeast);
    QSize buttonSize = ButtonSize;
    const char* const captions[] = {QT_TR_NOOP("&Start >"), QT_TR_NOOP("&Next >"), QT_TR_NOOP("&Finish"),
                                    QT_TR_NOOP("OK"),       QT_TR_NOOP("< &Back"), QT_TR_NOOP("&Cancel"),
                                    QT_TR_NOOP("&Help"),    QT_TR_NOOP("&About")};
    QPushButton probe;
    probe.setFont(cmdButton[CmdForward]->font());
    for (const char* caption : captions) {
        probe.setText(tr(caption));
        buttonSize = buttonSize.expandedTo(probe.sizeHint());
    }
    // The button row fits under the panel: Help and About at the left, Cancel, Back and Next at the right.
    panelSize.setWidth(std::max(panelSize.width(), 5 * buttonSize.width() + 22));
    for (int step = 0; step < GrowthSteps; ++step) {
        const Qt::Orientations cut = textsCut(panelSize);
        if (!cut)
            break;
        if (cut & Qt::Horizontal)
            panelSize.rwidth() += PanelSize.width() / 20;
        if (cut & Qt::Vertical)
            panelSize.rheight() += PanelSize.height() / 20;
    }

    for (QWidget* container : picContainer)
        container->setGeometry(QRect(PanelOrigin, panelSize));
    const int buttonTop = PanelOrigin.y() + panelSize.height() + 9;
    const int right = PanelOrigin.x() + panelSize.width();
    const std::pair<int, int> row[] = {
        {CmdHelp, PanelOrigin.x()},
        {CmdAbout, PanelOrigin.x() + buttonSize.width() + 6},
        {CmdCancel, right - 3 * buttonSize.width() - 10},
        {CmdBackward, right - 2 * buttonSize.width()},
        {CmdForward, right - buttonSize.width()},
    };
    for (const auto& [index, left] : row)
        cmdButton[index]->setGeometry(QRect(QPoint(left, buttonTop), buttonSize));
    setFixedSize(right + 8, buttonTop + buttonSize.height() + 9);
}

Qt::Orientations frmWiz::textsCut(QSize panelSize) const
{
    Qt::Orientations cut;
    for (QWidget* container : picContainer) {
        QLayout* layout = container->layout();
        if (!layout)
            continue;
        // Laid out at once, frames within the page after the page: a hidden panel would otherwise wait for its next
        // showing.
        layout->setGeometry(QRect(QPoint(), panelSize));
        const QList<QWidget*> controls = container->findChildren<QWidget*>();
        for (QWidget* w : controls)
            if (w->layout() && !w->isWindow())
                w->layout()->setGeometry(w->testAttribute(Qt::WA_LayoutOnEntireRect) ? w->rect() : w->contentsRect());
        for (QWidget* w : controls) {
            // A box or a list scrolls: it needs room for two lines, not for all it holds.
            if (qobject_cast<QAbstractScrollArea*>(w) && w->isVisibleTo(container)
                && w->height() < 2 * w->fontMetrics().height())
                cut |= Qt::Vertical;
            // Pictures keep their size; what does not hold text is not measured.
            const bool text = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)
                || qobject_cast<QGroupBox*>(w) || qobject_cast<QComboBox*>(w);
            if (!text || !w->isVisibleTo(container) || w->minimumSize() == w->maximumSize())
                continue;
            const bool wraps = w->hasHeightForWidth();
            if (!wraps && w->sizeHint().width() > w->width())
                cut |= Qt::Horizontal;
            if ((wraps ? w->heightForWidth(w->width()) : w->sizeHint().height()) > w->height())
                cut |= Qt::Vertical;
        }
    }
    return cut;
}

void frmWiz::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && cmdButton[CmdForward])
        fitToText();
}

frmWiz::~frmWiz()
{
    // The pages go before the widgets they work on. Nothing may reach them from here on: a widget that dies with
    // the focus hands it on, and lists and boxes announce that they empty.
    boxEvents->detach();
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        delete child;
}

void frmWiz::createButtonRow()
{
    struct Spec {
        int index;
        const char* caption;
        int left;
    };
    // Help and About at the left under the page, Back and Next side by side at the right.
    const int right = WindowWidth - 8;
    const Spec row[] = {
        {CmdHelp, QT_TR_NOOP("&Help"), PanelOrigin.x()},
        {CmdAbout, QT_TR_NOOP("&About"), PanelOrigin.x() + ButtonSize.width() + 6},
        {CmdCancel, QT_TR_NOOP("&Cancel"), right - 3 * ButtonSize.width() - 10},
        {CmdBackward, QT_TR_NOOP("< &Back"), right - 2 * ButtonSize.width()},
        {CmdForward, QT_TR_NOOP("&Next >"), right - ButtonSize.width()},
    };
    for (const Spec& spec : row) {
        auto* button = new QPushButton(tr(spec.caption), this);
        button->setObjectName(QStringLiteral("cmdButton_%1").arg(spec.index));
        button->setGeometry(QRect(QPoint(spec.left, ButtonTop), ButtonSize));
        button->setAutoDefault(false);
        cmdButton[spec.index] = button;
        connectControl(button, spec.index);
    }
    cmdButton[CmdAbout]->hide();
}

void frmWiz::connectControl(QPushButton* button, int index)
{
    connect(button, &QPushButton::clicked, this, [this, index] { cmdButton_Click(index); });
}

void frmWiz::connectControl(QWidget* box, int index)
{
    box->setObjectName(QStringLiteral("txtBox_%1").arg(index));
    boxEvents->watch(box, index);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setValidator(new OneLineValidator(line));
        connect(line, &QLineEdit::textChanged, this, [this, index] { txtBox_Change(index); });
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(box)) {
        connect(edit, &QPlainTextEdit::textChanged, this, [this, index] { txtBox_Change(index); });
    }
}

void frmWiz::connectControl(QCheckBox* box, int index)
{
    connect(box, &QCheckBox::toggled, this, [this, index] { chkBox_Click(index); });
}

void frmWiz::connectControl(QRadioButton* option, int index)
{
    connect(option, &QRadioButton::toggled, this, [this, index](bool checked) {
        if (checked)
            optRadio_Click(index);
    });
}

void frmWiz::connectControl(QListWidget* list, int index)
{
    connect(list, &QListWidget::itemSelectionChanged, this, [this, index] { lstBox_Click(index); });
}

void frmWiz::connectControl(QComboBox* combo, int index)
{
    connect(combo, &QComboBox::currentIndexChanged, this, [this, index] { cbBox_Click(index); });
}

frmEdit& frmWiz::sourceBrowser()
{
    // A closed window is already empty and deletes itself soon; the next use gets a new one.
    if (!hasSourceBrowser()) {
        editWindow = new frmEdit(this);
        editWindow->Form_Load();
    }
    return *editWindow;
}

bool frmWiz::hasSourceBrowser() const
{
    return editWindow && !editWindow->isUnloaded();
}

PageSpec frmWiz::pageSpec() const
{
    PageSpec spec;
    for (const WizardPageBase* page : pages)
        if (page)
            page->describe(spec);
    return spec;
}

void frmWiz::clearAnswers()
{
    finishBuilding();
    for (int i = 0; i < TxtBoxCount; ++i)
        setBoxText(i, QString());
    for (int i = 0; i < LblSummaryCount; ++i)
        lblLabel[LblFirstSummary + i]->clear();
    for (WizardPageBase* page : pages)
        page->resetForAnotherPage();
}

bool frmWiz::openPage(const QString& fileName)
{
    return openPage(fileName, LoadPageFile(fileName));
}

// The reader refuses a page with more entries than a list holds, so every page it gives fits the lists.
static_assert(kListLimit == std::size_t(entrylist::Capacity));

bool frmWiz::openPage(const QString& fileName, LoadedPage page)
{
    finishBuilding();
    if (!page.outcome) {
        platform.messageBox(this,
                            tr("The page %1 cannot be opened.\r\n\r\n%2")
                                .arg(QDir::toNativeSeparators(fileNameForDisplay(fileName)), page.outcome.reason),
                            MessageButtons::Ok, MessageIcon::Critical, tr("Larkspan"));
        return false;
    }
    // Made absolute as a string: QFileInfo makes a relative name absolute through the system's encoding, which
    // would replace the bytes of a name that are not UTF-8.
    const QFileInfo file(
        QDir::cleanPath(QDir::isRelativePath(fileName) ? QDir::currentPath() + u'/' + fileName : fileName));
    clearAnswers();
    for (WizardPageBase* each : pages)
        each->restore(page.spec, file.absolutePath());
    finish->pageOpened(file.absoluteFilePath(), page.createdOn);
    return true;
}

bool frmWiz::hasAnswers() const
{
    return pageSpec() != startAnswers;
}

int frmWiz::CurrentPage() const
{
    for (int i = 0; i < PageCount; ++i)
        if (!picContainer[i]->isHidden())
            return i;
    return -1;
}

void frmWiz::showPanel(WizardPage page)
{
    panel(page)->show();
}

void frmWiz::hidePanel(WizardPage page)
{
    panel(page)->hide();
}

void frmWiz::loadSidePicture(int bitmap)
{
    side->setPixmap(artworkPixmap(sidePictureResource(bitmap), SideImageGeometry.size(), this));
    side->setProperty("bitmap", bitmap);
}

void frmWiz::setCancelButton(QPushButton* button)
{
    escapeButton = button;
}

void frmWiz::NextStep(int page)
{
    if (const Step* step = findStep(page, StepDirection::Next))
        takeStep(*step);
}

void frmWiz::PreviousStep(int page)
{
    if (const Step* step = findStep(page, StepDirection::Previous))
        takeStep(*step);
}

void frmWiz::takeStep(const Step& step)
{
    switch (step.hook) {
    case StepHook::CheckLayout:
        if (!layout->checkLayout())
            return;
        break;
    case StepHook::Finish: finish->finish(); return;
    case StepHook::CloseWindow: close(); return;
    case StepHook::None:
    case StepHook::FillSummary: break;
    }
    if (!step.to)
        return;

    const bool focusOnPageLeft = panel(step.from)->isAncestorOf(focusWidget());
    hidePanel(step.from);
    loadSidePicture(int(step.picture));
    setWindowTitle(tr(step.caption));
    showPanel(*step.to);

    if (step.forwardCaption)
        cmdButton[CmdForward]->setText(tr(step.forwardCaption));
    if (step.backwardCaption)
        cmdButton[CmdBackward]->setText(tr(step.backwardCaption));
    setVisibility(cmdButton[CmdBackward], step.backward);
    setVisibility(cmdButton[CmdCancel], step.cancel);
    setVisibility(cmdButton[CmdHelp], step.help);
    setVisibility(cmdButton[CmdAbout], step.about);
    if (step.cancelRole == CancelRole::BackwardButton)
        setCancelButton(cmdButton[CmdBackward]);
    else if (step.cancelRole == CancelRole::CancelButton)
        setCancelButton(cmdButton[CmdCancel]);
    if (step.hook == StepHook::FillSummary)
        finish->fillSummary();

    switch (step.focus) {
    case StepFocus::Unchanged: break;
    case StepFocus::ForwardButton: cmdButton[CmdForward]->setFocus(); break;
    case StepFocus::LayoutCombo: cbBox[CbLayout]->setFocus(); break;
    case StepFocus::PageText: txtBox[TxtPageText]->setFocus(); break;
    case StepFocus::BulletItem: txtBox[TxtBulletItem]->setFocus(); break;
    case StepFocus::LinkAddress: txtBox[TxtLinkAddress]->setFocus(); break;
    case StepFocus::Email: txtBox[TxtEmail]->setFocus(); break;
    }
    announcePage(focusOnPageLeft && step.focus == StepFocus::Unchanged);
}

void frmWiz::announcePage(bool focusLost)
{
    // The caption names the page; a screen reader hears it as the window's description and new name, also where
    // the caption stays the same.
    setAccessibleDescription(windowTitle());
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);

    // A focus left on the page just hidden has moved on along the chain, to whatever came next (Help, say); it goes
    // to the first control of the page shown instead.
    if (!focusLost)
        return;
    QWidget* shown = panel(WizardPage(CurrentPage()));
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        const auto* option = qobject_cast<const QRadioButton*>(w);
        if (shown->isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !w->focusProxy() && (!option || option->isChecked())) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void frmWiz::Form_Load()
{
    showPanel(WizardPage::Welcome);
    loadSidePicture(int(SidePicture::Welcome));
    cmdButton[CmdForward]->setText(tr("&Start >"));
    setCancelButton(cmdButton[CmdBackward]);
    cmdButton[CmdBackward]->setText(tr("&Cancel"));
    cmdButton[CmdCancel]->hide();
    cmdButton[CmdAbout]->show();
    for (WizardPageBase* page : pages)
        if (page)
            page->formLoad();
    setWindowTitle(tr("Larkspan 1.1"));
    cmdButton[CmdForward]->setFocus();
    startAnswers = pageSpec();
}

void frmWiz::cmdButton_Click(int index)
{
    // A press that comes before the window has painted itself finds every page there.
    finishBuilding();
    if (const auto* pageText = qobject_cast<const QPlainTextEdit*>(txtBox[TxtPageText]))
        capturedSelection = u'\t' + fromEditorText(pageText->textCursor().selectedText());

    switch (index) {
    case CmdForward: NextStep(CurrentPage()); break;
    case CmdBackward: PreviousStep(CurrentPage()); break;
    case CmdCancel: close(); break;
    case CmdHelp: Help(); break;
    case CmdAbout: About(); break;
    default: toOwner(owners.cmdButton, &WizardPageBase::cmdButton_Click, index); break;
    }
}

void frmWiz::Help()
{
    if (helpFile.isEmpty()) {
        platform.messageBox(this, tr("Unable to display Help Contents. There is no Help associated with this project."),
                            MessageButtons::Ok, MessageIcon::Information, windowTitle());
        return;
    }
    if (const Outcome shown = platform.showHelpContents(this, helpFile); !shown)
        platform.messageBox(this, shown.reason, MessageButtons::Ok, MessageIcon::None, tr("Larkspan"));
}

void frmWiz::About()
{
    hidePanel(WizardPage::Welcome);
    showPanel(WizardPage::About);
    cmdButton[CmdForward]->setText(tr("OK"));
    cmdButton[CmdForward]->setFocus();
    cmdButton[CmdBackward]->hide();
    cmdButton[CmdCancel]->hide();
    cmdButton[CmdHelp]->hide();
    cmdButton[CmdAbout]->hide();
    announcePage(false);
}

void frmWiz::txtBox_GotFocus(int)
{
    // The page text box keeps its caret and selection, so that Indent Selection can work on what was marked.
    for (int i = 0; i < TxtBoxCount; ++i)
        if (i != TxtPageText)
            boxEvents->selectAll(i);
}

void frmWiz::txtBox_Change(int index)
{
    toOwner(owners.txtBox, &WizardPageBase::txtBox_Change, index);
}

bool frmWiz::txtBox_KeyPress(int index, int keyAscii)
{
    WizardPageBase* owner = index >= 0 && index < TxtBoxCount ? owners.txtBox[index] : nullptr;
    return owner && owner->txtBox_KeyPress(index, keyAscii);
}

void frmWiz::chkBox_Click(int index)
{
    toOwner(owners.chkBox, &WizardPageBase::chkBox_Click, index);
}

void frmWiz::optRadio_Click(int index)
{
    toOwner(owners.optRadio, &WizardPageBase::optRadio_Click, index);
}

void frmWiz::lstBox_Click(int index)
{
    toOwner(owners.lstBox, &WizardPageBase::lstBox_Click, index);
}

void frmWiz::cbBox_Click(int index)
{
    toOwner(owners.cbBox, &WizardPageBase::cbBox_Click, index);
}

void frmWiz::Form_Unload()
{
    // The windows this one owns close first, the most recently opened first.
    const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        if ((*child)->isWindow() && !(*child)->isHidden())
            (*child)->close();
    if (editWindow)
        editWindow->close();
    setWindowState(windowState() | Qt::WindowMinimized);
}

void frmWiz::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmWiz::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the button that has the focus, as Space does. The buttons themselves leave Enter alone
    // because none of them is a dialog's default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (button && button->isVisibleTo(this) && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace larkspan
