#include "wizard/frmwiz.h"

#include "colours/colourpage.h"
#include "images/imagepage.h"
#include "source_browser/frmedit.h"
#include "ui/guardedboxes.h"
#include "wizard/aboutpage.h"
#include "wizard/artwork.h"
#include "wizard/bulletlistpage.h"
#include "wizard/entrylist.h"
#include "wizard/finishpage.h"
#include "wizard/layoutpage.h"
#include "wizard/linkspage.h"
#include "wizard/stringconvert.h"
#include "wizard/textpage.h"
#include "wizard/welcomepage.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTextCursor>
#include <QToolTip>

#include <algorithm>

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
constexpr int WindowHeight = ButtonTop + ButtonSize.height() + 9;

QString sidePictureResource(int bitmap)
{
    switch (bitmap) {
    case 2: return QStringLiteral(":/side/welcome");
    case 3: return QStringLiteral(":/side/colors");
    case 4: return QStringLiteral(":/side/image");
    case 5: return QStringLiteral(":/side/text");
    case 6: return QStringLiteral(":/side/bullets");
    case 7: return QStringLiteral(":/side/links");
    case 8: return QStringLiteral(":/side/finish");
    case 9: return QStringLiteral(":/side/layout");
    default: return {};
    }
}

template <typename Array>
int indexOf(const Array& controls, const QObject* object)
{
    // std::ranges over QList does not compile with clang 14 and libstdc++ 12.
    const auto found = std::find(controls.begin(), controls.end(), object);
    return found == controls.end() ? -1 : int(found - controls.begin());
}

// A box draws its selection only while it has the focus, so that boxes selected by the select-all rule do not
// all look focused at once; the selection itself stays (Indent Selection works on it).
void showSelection(QWidget* box, bool shown)
{
    QPalette palette = box->parentWidget() ? box->parentWidget()->palette() : QPalette();
    if (!shown) {
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Highlight, palette.color(group, QPalette::Base));
            palette.setColor(group, QPalette::HighlightedText, palette.color(group, QPalette::Text));
        }
    }
    box->setPalette(palette);
}

// An open drop-down list, menu or completer folds on Escape, and the tool tip goes; nothing else happens.
// They take the key only after the shortcut map has asked, so the window's Escape shortcut is kept out here.
class PopupEscapeGuard : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            if (QApplication::activePopupWidget()) {
                event->accept();
            } else if (QToolTip::isVisible()) {
                QToolTip::hideText();
                event->accept();
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

frmWiz::frmWiz(Platform& platform, const QString& helpFile, QWidget* parent)
    : QWidget(parent), platform(platform), helpFile(helpFile)
{
    initLarkspanResources();
    setObjectName(QStringLiteral("frmWiz"));
    setFixedSize(WindowWidth, WindowHeight);
    setWindowIcon(artworkIcon(QStringLiteral(":/app/icon")));

    auto* side = new QLabel(this);
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

    welcome = std::make_unique<WelcomePage>(*this);
    about = std::make_unique<AboutPage>(*this);
    layout = std::make_unique<LayoutPage>(*this);
    colours = std::make_unique<ColourPage>(*this);
    image = std::make_unique<ImagePage>(*this);
    text = std::make_unique<TextPage>(*this);
    bullets = std::make_unique<BulletListPage>(*this);
    links = std::make_unique<LinksPage>(*this);
    finish = std::make_unique<FinishPage>(*this);

    connectHandlers();

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (escapeButton && escapeButton->isVisibleTo(this) && escapeButton->isEnabled())
            escapeButton->click();
    });

    qApp->installEventFilter(new PopupEscapeGuard(this));

    Form_Load();
}

frmWiz::~frmWiz() = default;

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
    }
    cmdButton[CmdAbout]->hide();
}

void frmWiz::connectHandlers()
{
    for (int i = 0; i < CmdButtonCount; ++i)
        if (QPushButton* button = cmdButton[i])
            connect(button, &QPushButton::clicked, this, [this, i] { cmdButton_Click(i); });

    for (int i = 0; i < TxtBoxCount; ++i) {
        QWidget* box = txtBox[i];
        if (!box)
            continue;
        box->setObjectName(QStringLiteral("txtBox_%1").arg(i));
        box->installEventFilter(this);
        showSelection(box, false);
        if (auto* line = qobject_cast<QLineEdit*>(box)) {
            line->setValidator(new OneLineValidator(line));
            connect(line, &QLineEdit::textChanged, this, [this, i] { txtBox_Change(i); });
        }
        else if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
            connect(edit, &QPlainTextEdit::textChanged, this, [this, i] { txtBox_Change(i); });
    }

    for (int i = 0; i < ChkBoxCount; ++i)
        if (QCheckBox* box = chkBox[i])
            connect(box, &QCheckBox::toggled, this, [this, i] { chkBox_Click(i); });

    for (int i = 0; i < OptRadioCount; ++i)
        if (QRadioButton* option = optRadio[i])
            connect(option, &QRadioButton::toggled, this, [this, i](bool checked) {
                if (checked)
                    optRadio_Click(i);
            });

    for (int i = 0; i < LstBoxCount; ++i)
        if (QListWidget* list = lstBox[i])
            connect(list, &QListWidget::itemSelectionChanged, this, [this, i] { lstBox_Click(i); });

    for (int i = 0; i < CbBoxCount; ++i)
        if (QComboBox* combo = cbBox[i])
            connect(combo, &QComboBox::currentIndexChanged, this, [this, i] { cbBox_Click(i); });
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

QPushButton* frmWiz::addButton(QWidget* panel, int index, const QString& caption, bool enabled)
{
    auto* button = new QPushButton(caption, panel);
    button->setObjectName(QStringLiteral("cmdButton_%1").arg(index));
    button->setAutoDefault(false);
    button->setEnabled(enabled);
    cmdButton[index] = button;
    return button;
}

QPushButton* frmWiz::addPictureButton(QWidget* panel, int index, const QString& picture, const QString& tip,
                                      QSize pictureSize, QSize buttonSize, bool enabled)
{
    QPushButton* button = addButton(panel, index, QString(), enabled);
    button->setIcon(artworkIcon(picture));
    button->setIconSize(pictureSize);
    button->setFixedSize(buttonSize);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    return button;
}

QLabel* frmWiz::addLabel(QWidget* panel, int index, const QString& text)
{
    auto* label = new QLabel(text, panel);
    label->setObjectName(QStringLiteral("lblLabel_%1").arg(index));
    lblLabel[index] = label;
    return label;
}

QListWidget* frmWiz::addList(QWidget* panel, int index, const QString& accessibleName)
{
    auto* list = new QListWidget(panel);
    list->setObjectName(QStringLiteral("lstBox_%1").arg(index));
    list->setAccessibleName(accessibleName);
    entrylist::prepare(list);
    lstBox[index] = list;
    return list;
}

PageSpec frmWiz::pageSpec() const
{
    const auto listEntries = [this](int list) {
        std::vector<std::string> entries;
        const QListWidget* box = lstBox[list];
        entries.reserve(box->count());
        for (int row = 0; row < box->count(); ++row)
            entries.push_back(toStd(box->item(row)->data(Qt::UserRole).toString()));
        return entries;
    };

    PageSpec spec;
    spec.layout = LayoutStyle(cbBox[CbLayout]->currentIndex());
    spec.title = toStd(boxText(TxtTitle));
    spec.heading = toStd(boxText(TxtHeading));
    spec.headingSize = cbBox[CbHeadingSize]->currentIndex();
    spec.bgColorAttr = colours->slotText(ColorAttribute::Background);
    spec.textColorAttr = colours->slotText(ColorAttribute::Text);
    spec.linkColorAttr = colours->slotText(ColorAttribute::Link);
    spec.visitedLinkColorAttr = colours->slotText(ColorAttribute::VisitedLink);
    spec.activeLinkColorAttr = colours->slotText(ColorAttribute::ActiveLink);
    spec.backgroundImage = toStd(boxText(TxtBackgroundImage));
    spec.pageImage = toStd(boxText(TxtPageImage));
    spec.imageWidth = toStd(lblLabel[LblImageWidth]->text());
    spec.imageHeight = toStd(lblLabel[LblImageHeight]->text());
    spec.pageText = toStd(boxText(TxtPageText));
    spec.bulletItems = listEntries(LstItems);
    spec.bulletStyle = cbBox[CbBulletStyle]->currentIndex();
    spec.links = listEntries(LstLinks);
    spec.linkStyle = optRadio[OptComboLinkStyle]->isChecked() ? LinkStyle::ComboBox : LinkStyle::Default;
    spec.authorEmail = toStd(boxText(TxtEmail));
    return spec;
}

QString frmWiz::boxText(int index) const
{
    if (const auto* line = qobject_cast<const QLineEdit*>(txtBox[index]))
        return line->text();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(txtBox[index]))
        return plainTextWithCrLf(edit);
    return {};
}

void frmWiz::setBoxText(int index, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(txtBox[index]))
        line->setText(text);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(txtBox[index]))
        edit->setPlainText(toEditorText(text));
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
    sideImage()->setPixmap(artworkPixmap(sidePictureResource(bitmap), SideImageGeometry.size(), this));
    sideImage()->setProperty("bitmap", bitmap);
}

void frmWiz::setCancelButton(QPushButton* button)
{
    escapeButton = button;
}

void frmWiz::EnterWelcome()
{
    loadSidePicture(2);
    setWindowTitle(tr("Larkspan 1.1"));
    showPanel(WizardPage::Welcome);
    cmdButton[CmdForward]->setText(tr("&Start >"));
}

void frmWiz::moveTo(WizardPage from, int bitmap, const QString& caption, WizardPage to)
{
    hidePanel(from);
    loadSidePicture(bitmap);
    setWindowTitle(caption);
    showPanel(to);
}

void frmWiz::NextStep(int page)
{
    if (page < 0 || page >= PageCount)
        return;
    switch (WizardPage(page)) {
    case WizardPage::Welcome:
        moveTo(WizardPage::Welcome, 9, tr("Larkspan 1.1 - Select a page layout"), WizardPage::Layout);
        cmdButton[CmdForward]->setText(tr("&Next >"));
        cmdButton[CmdBackward]->setText(tr("< &Back"));
        cmdButton[CmdCancel]->show();
        setCancelButton(cmdButton[CmdCancel]);
        cmdButton[CmdAbout]->hide();
        cbBox[CbLayout]->setFocus();
        break;
    case WizardPage::Layout:
        if (!layout->checkLayout())
            return;
        moveTo(WizardPage::Layout, 3, tr("Larkspan 1.1 - Select the color for your page"), WizardPage::Colors);
        cmdButton[CmdAbout]->hide();
        break;
    case WizardPage::Colors:
        moveTo(WizardPage::Colors, 4, tr("Larkspan 1.1 - Select an image for your page"), WizardPage::Image);
        break;
    case WizardPage::Image:
        moveTo(WizardPage::Image, 5, tr("Larkspan 1.1 - Add some text to your page"), WizardPage::Text);
        txtBox[TxtPageText]->setFocus();
        break;
    case WizardPage::Text:
        moveTo(WizardPage::Text, 6, tr("Larkspan 1.1 - Add a Bullet List"), WizardPage::BulletList);
        txtBox[TxtBulletItem]->setFocus();
        break;
    case WizardPage::BulletList:
        moveTo(WizardPage::BulletList, 7, tr("Larkspan 1.1 - Add links to your page"), WizardPage::Links);
        txtBox[TxtLinkAddress]->setFocus();
        break;
    case WizardPage::Links:
        // Kept as is: this caption has no blank before the hyphen.
        moveTo(WizardPage::Links, 8, tr("Larkspan 1.1- Final Step: Finish your page"), WizardPage::Finish);
        cmdButton[CmdForward]->setText(tr("&Finish"));
        finish->fillSummary();
        txtBox[TxtEmail]->setFocus();
        break;
    case WizardPage::Finish:
        finish->finish();
        break;
    case WizardPage::About:
        hidePanel(WizardPage::About);
        EnterWelcome();
        cmdButton[CmdBackward]->show();
        setCancelButton(cmdButton[CmdBackward]);
        cmdButton[CmdHelp]->show();
        cmdButton[CmdAbout]->show();
        break;
    }
}

void frmWiz::PreviousStep(int page)
{
    if (page < 0 || page >= PageCount)
        return;
    switch (WizardPage(page)) {
    case WizardPage::Welcome:
        close();
        break;
    case WizardPage::Layout:
        hidePanel(WizardPage::Layout);
        EnterWelcome();
        cmdButton[CmdForward]->setFocus();
        cmdButton[CmdBackward]->setText(tr("&Cancel"));
        setCancelButton(cmdButton[CmdBackward]);
        cmdButton[CmdCancel]->hide();
        cmdButton[CmdAbout]->show();
        break;
    case WizardPage::Colors:
        moveTo(WizardPage::Colors, 9, tr("Larkspan 1.1 - Select a page layout"), WizardPage::Layout);
        cbBox[CbLayout]->setFocus();
        break;
    case WizardPage::Image:
        moveTo(WizardPage::Image, 3, tr("Larkspan 1.1 - Select the color for your page"), WizardPage::Colors);
        break;
    case WizardPage::Text:
        // Kept as is: going back to the image page leaves a trailing blank in the caption.
        moveTo(WizardPage::Text, 4, tr("Larkspan 1.1 - Select an image for your page "), WizardPage::Image);
        break;
    case WizardPage::BulletList:
        moveTo(WizardPage::BulletList, 5, tr("Larkspan 1.1 - Add some text to your page"), WizardPage::Text);
        txtBox[TxtPageText]->setFocus();
        break;
    case WizardPage::Links:
        moveTo(WizardPage::Links, 6, tr("Larkspan 1.1 - Add a Bullet List"), WizardPage::BulletList);
        txtBox[TxtBulletItem]->setFocus();
        break;
    case WizardPage::Finish:
        moveTo(WizardPage::Finish, 7, tr("Larkspan 1.1- Add links to your page"), WizardPage::Links);
        cmdButton[CmdForward]->setText(tr("&Next >"));
        txtBox[TxtLinkAddress]->setFocus();
        break;
    case WizardPage::About:
        break;
    }
}

void frmWiz::Form_Load()
{
    showPanel(WizardPage::Welcome);
    loadSidePicture(2);
    cmdButton[CmdForward]->setText(tr("&Start >"));
    setCancelButton(cmdButton[CmdBackward]);
    cmdButton[CmdBackward]->setText(tr("&Cancel"));
    cmdButton[CmdCancel]->hide();
    cmdButton[CmdAbout]->show();
    layout->formLoad();
    bullets->formLoad();
    colours->formLoad();
    links->formLoad();
    setWindowTitle(tr("Larkspan 1.1"));
    cmdButton[CmdForward]->setFocus();
}

void frmWiz::cmdButton_Click(int index)
{
    if (const auto* pageText = qobject_cast<const QPlainTextEdit*>(txtBox[TxtPageText]))
        capturedSelection = u'\t' + fromEditorText(pageText->textCursor().selectedText());

    switch (index) {
    case CmdForward: NextStep(CurrentPage()); break;
    case CmdBackward: PreviousStep(CurrentPage()); break;
    case CmdCancel: close(); break;
    case CmdHelp: Help(); break;
    case CmdAbout: About(); break;
    case CmdBrowseBackground: image->BrowseForImage(ImageTarget::BackgroundImage); break;
    case CmdBrowseImage: image->BrowseForImage(ImageTarget::PageImage); break;
    case CmdIndent: text->indentSelection(); break;
    case CmdImportText: text->ImportTextFile(); break;
    case CmdAddItem: bullets->addItem(); break;
    case CmdRemoveItem: bullets->removeItem(); break;
    case CmdAddLink: links->addLink(); break;
    case CmdRemoveLink: links->removeLink(); break;
    case CmdSourceBrowser: finish->sourceBrowser(); break;
    default: break;
    }
}

void frmWiz::Help()
{
    if (helpFile.isEmpty()) {
        platform.messageBox(this,
                            tr("Unable to display Help Contents. There is no Help associated with this project."),
                            MessageButtons::Ok, MessageIcon::Information, windowTitle());
        return;
    }
    const QString error = platform.showHelpContents(this, helpFile);
    if (!error.isEmpty())
        platform.messageBox(this, error, MessageButtons::Ok, MessageIcon::None, tr("Larkspan"));
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
}

void frmWiz::txtBox_GotFocus(int)
{
    // The page text box keeps its caret and selection, so that Indent Selection can work on what was marked.
    for (int i = 0; i < TxtBoxCount; ++i) {
        if (i == TxtPageText)
            continue;
        if (auto* line = qobject_cast<QLineEdit*>(txtBox[i]))
            line->selectAll();
        else if (auto* edit = qobject_cast<QPlainTextEdit*>(txtBox[i]))
            edit->selectAll();
    }
}

void frmWiz::txtBox_Change(int)
{
    bullets->txtBox_Change();
    links->txtBox_Change();
}

bool frmWiz::txtBox_KeyPress(int index, int keyAscii)
{
    switch (index) {
    case TxtPageText: return text->txtBox_KeyPress(keyAscii);
    case TxtBulletItem: return bullets->txtBox_KeyPress(keyAscii);
    default: return false;
    }
}

void frmWiz::chkBox_Click(int index)
{
    if (index >= ChkFirstColour && index <= ChkBackgroundImage)
        colours->chkBox_Click(index);
    else if (index == ChkPageImage)
        image->chkBox_Click();
    else if (index == ChkKeyMask)
        text->chkBox_Click();
}

void frmWiz::optRadio_Click(int index)
{
    if (index == OptDefaultColors || index == OptCustomColors)
        colours->optRadio_Click(index);
}

void frmWiz::lstBox_Click(int)
{
    bullets->lstBox_Click();
    links->lstBox_Click();
}

void frmWiz::cbBox_Click(int index)
{
    if (index == CbLayout)
        layout->cbBox_Click();
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

bool frmWiz::eventFilter(QObject* watched, QEvent* event)
{
    const int index = indexOf(txtBox, watched);
    if (index >= 0) {
        if (event->type() == QEvent::FocusIn) {
            showSelection(txtBox[index], true);
            txtBox_GotFocus(index);
        } else if (event->type() == QEvent::FocusOut) {
            // The box's own context menu leaves the selection showing: it is what Copy and Cut work on.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
                showSelection(txtBox[index], false);
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (enter && txtBox_KeyPress(index, 13))
                return true;
            // Shift+Enter would put a lone line feed into the page, and the box ignores Ctrl+ and Alt+Enter;
            // each starts a new line exactly like Enter instead.
            constexpr auto otherEnter = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
            auto* edit = qobject_cast<QPlainTextEdit*>(watched);
            if (edit && ((enter && (key->modifiers() & otherEnter))
                         || key->matches(QKeySequence::InsertLineSeparator))) {
                if (!edit->isReadOnly()) {
                    QTextCursor cursor = edit->textCursor();
                    cursor.insertBlock();
                    edit->setTextCursor(cursor);
                    edit->ensureCursorVisible();
                }
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace larkspan
