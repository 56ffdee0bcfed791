// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/finishpage.h"

#include "colours/colourpage.h"
#include "page/pagewriter.h"
#include "source_browser/frmedit.h"
#include "files/filename.h"
#include "files/pagefile.h"
#include "files/picturecopy.h"
#include "images/imagepage.h"
#include "ui/stringconvert.h"
#include "wizard/frmwiz.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace larkspan {

namespace {

constexpr QSize SourceButtonPicture{32, 32};
constexpr QSize SourceButtonSize{44, 44};

// Sets a busy mark for as long as it lives, so that the mark is cleared on every way out.
class BusyMark {
public:
    explicit BusyMark(bool& mark) : mark(mark) { mark = true; }
    ~BusyMark() { mark = false; }
    BusyMark(const BusyMark&) = delete;
    BusyMark& operator=(const BusyMark&) = delete;

private:
    bool& mark;
};

// The summary labels' texts before the page is first entered, in label order.
const char* const initialSummary[LblSummaryCount] = {
    QT_TRANSLATE_NOOP("FinishPage", "Layout Style:"),
    //: The summary's line before the page is entered: a label, three blanks, the value "Default" as below
    QT_TRANSLATE_NOOP("FinishPage", "Page Colors:   Default"),
    QT_TRANSLATE_NOOP("FinishPage", "Background Image:   None"),
    QT_TRANSLATE_NOOP("FinishPage", "Page Image:   None"),
    QT_TRANSLATE_NOOP("FinishPage", "Number of Lists:   0"),
    QT_TRANSLATE_NOOP("FinishPage", "Number of Links:   0"),
};

enum Summary { SumLayout, SumColours, SumBackground, SumPageImage, SumLists, SumLinks };

} // namespace

FinishPage::FinishPage(frmWiz& wiz) : wiz(wiz)
{
    QWidget* panel = wiz.panel(WizardPage::Finish);

    auto* heading = new QLabel(tr("Finish up your web page!"), panel);
    heading->setObjectName(QStringLiteral("finishHeading"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    heading->setFont(bold);

    auto* summary = new QGroupBox(tr("Larkspan Summary"), panel);
    summary->setObjectName(QStringLiteral("fraSummary"));
    auto* summaryColumn = new QVBoxLayout(summary);
    for (int i = 0; i < LblSummaryCount; ++i) {
        QLabel* label = wiz.addLabel(summary, LblFirstSummary + i, tr(initialSummary[i]));
        // A long file name must not widen the page.
        label->setMinimumWidth(1);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        summaryColumn->addWidget(label);
    }

    const auto [emailLabel, email] = wiz.addLineBox(panel, TxtEmail,
                                                    tr("Include your email address: eg. someone@example.com"));

    auto* hint = new QLabel(tr("If you'd like to see what your web page looks like behind the scenes, select the "
                               "Source Browser button."),
                            panel);
    hint->setObjectName(QStringLiteral("finishHint"));
    hint->setWordWrap(true);

    QPushButton* source = wiz.addPictureButton(panel, CmdSourceBrowser, QStringLiteral(":/buttons/source"),
                                               tr("Source Browser"), SourceButtonPicture, SourceButtonSize, true);
    QPushButton* browser = wiz.addPictureButton(panel, CmdPreviewBrowser, QStringLiteral(":/buttons/preview"),
                                                tr("Preview in Browser"), SourceButtonPicture, SourceButtonSize, true);
    browser->setShortcut(QKeySequence(Qt::ALT | Qt::Key_P));
    // Made after the Source Browser button, it follows it in the Tab order.

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(hint, 1);
    sourceRow->addWidget(source, 0, Qt::AlignVCenter);
    sourceRow->addWidget(browser, 0, Qt::AlignVCenter);

    QVBoxLayout* column = wiz.addColumn(panel, heading);
    column->addWidget(summary);
    column->addSpacing(6);
    column->addWidget(emailLabel);
    column->addWidget(email);
    column->addSpacing(6);
    column->addLayout(sourceRow);
    column->addStretch();
}

FinishPage::~FinishPage() = default;

void FinishPage::fillSummary()
{
    const auto label = [this](Summary line) { return wiz.lblLabel[LblFirstSummary + line]; };
    // An image line names the file only when there is one and it is to be included.
    const auto imageLine = [this](int box, int include) {
        const QString file = wiz.boxText(box);
        //: The summary's value for a picture that the page does not show
        return file.isEmpty() || !wiz.chkBox[include]->isChecked() ? tr("None") : file;
    };

    // With no layout chosen the line stays as it is; the wizard cannot reach this page then.
    if (wiz.cbBox[CbLayout]->currentIndex() != 0)
        label(SumLayout)->setText(tr("Layout Style:   ") + wiz.cbBox[CbLayout]->currentText());
    //: A summary label, followed by its value; the three blanks set the value apart
    const QString colours = tr("Page Colors:   ");
    //: The summary's value of the page colours: chosen by the user, or the browser's own
    const QString custom = tr("Custom");
    //: The summary's value of the page colours: chosen by the user, or the browser's own
    const QString standard = tr("Default");
    label(SumColours)->setText(colours + (wiz.optRadio[OptCustomColors]->isChecked() ? custom : standard));
    label(SumBackground)->setText(tr("Background Image:   ") + imageLine(TxtBackgroundImage, ChkBackgroundImage));
    label(SumPageImage)->setText(tr("Page Image:   ") + imageLine(TxtPageImage, ChkPageImage));
    label(SumLists)->setText(tr("Number of Lists:   ") + QString::number(wiz.lstBox[LstItems]->count()));
    label(SumLinks)->setText(tr("Number of Links:   ") + QString::number(wiz.lstBox[LstLinks]->count()));
}

void FinishPage::GeneratePage()
{
    const PageSpec spec = wiz.pageSpec();
    void (*writer)(const PageSpec&, const std::string&, PageDocument&) = nullptr;
    switch (spec.layout) {
    case LayoutStyle::BasicStyle:
    case LayoutStyle::BasicImageLeft:
    case LayoutStyle::BasicImageRight: writer = BuildBasicPage; break;
    case LayoutStyle::TableImageLeft:
    case LayoutStyle::TableImageRight: writer = BuildTablePage; break;
    case LayoutStyle::None: break;
    }
    if (!writer)
        return;

    const QLocale settings = regionalSettings ? *regionalSettings : QLocale::system();
    const std::string createdOn = openedOn
        ? *openedOn
        : toStd(settings.toString(currentDate(), QStringLiteral("dddd, MMMM dd, yyyy")));
    // Written aside and handed over whole, so that the source browser never holds part of a document.
    PageDocument document;
    writer(spec, createdOn, document);
    wiz.sourceBrowser().setPageDocument(std::move(document));
}

void FinishPage::sourceBrowser()
{
    if (sourceBrowserBusy)
        return;
    const BusyMark mark(sourceBrowserBusy);
    const BusyPointer busy(wiz.platform, &wiz, BusyScope::Window);
    GeneratePage();
    wiz.platform.runModal(&wiz.sourceBrowser());
    // However the window was closed, the keyboard goes back where it was, whatever the window manager does.
    wiz.activateWindow();
    wiz.cmdButton[CmdSourceBrowser]->setFocus(Qt::ActiveWindowFocusReason);
}

QString FinishPage::previewFolder() const
{
    return preview ? preview->path() : QString();
}

void FinishPage::previewInBrowser()
{
    if (previewBusy)
        return;
    const BusyMark mark(previewBusy);
    QString pageFile;
    QString failure;
    {
        const BusyPointer busy(wiz.platform, &wiz, BusyScope::Window);
        GeneratePage();
        if (!preview) {
            // A folder of this run that only its user can enter, on the session's own file system when there is one.
            // Read directly: Qt makes up a runtime folder of its own when the session has none.
            QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
            if (base.isEmpty() || !QFileInfo(base).isDir() || !QFileInfo(base).isWritable())
                base = QDir::tempPath();
            auto folder = std::make_unique<QTemporaryDir>(
                QDir(base).filePath(QStringLiteral("larkspan-preview-XXXXXX")));
            if (folder->isValid())
                preview = std::move(folder);
            else
                failure = folder->errorString();
        }
        if (preview) {
            const QDir folder(preview->path());
            const QFileInfo opened(openedFile);
            // Under a name that is UTF-8, which an address for the browser can hold.
            pageFile = folder.filePath(openedFile.isEmpty() ? QStringLiteral("Untitled.htm")
                                                            : fileNameForDisplay(opened.fileName()));
            const Outcome saved = SavePageFile(pageFile, wiz.sourceBrowser().pageDocument());
            if (!saved)
                failure = saved.reason;
            // The pictures under the names the page uses, each a link to the file chosen; pictures of an earlier
            // preview go first, as the answers may have changed since.
            for (const QFileInfo& old : folder.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
                if (old.absoluteFilePath() != QFileInfo(pageFile).absoluteFilePath())
                    QFile::remove(old.absoluteFilePath());
            for (const PagePicture& picture : pagePictures())
                if (!picture.file.isEmpty() && !QFileInfo::exists(folder.filePath(picture.name)))
                    QFile::link(picture.file, folder.filePath(picture.name));
        }
    }
    if (!failure.isEmpty()) {
        wiz.platform.messageBox(&wiz, tr("The preview could not be written:\r\n%1").arg(failure), MessageButtons::Ok,
                                MessageIcon::Critical, tr("Larkspan"));
        return;
    }
    // The launcher may find no browser only after it started; the message then comes over the wizard, if that is
    // still there.
    const QString noBrowser = tr("No web browser could be started to show the preview. The page is in\r\n%1")
                                  .arg(QDir::toNativeSeparators(pageFile));
    const auto tell = [window = QPointer<frmWiz>(&wiz), noBrowser, title = tr("Larkspan")] {
        if (window)
            window->platform.messageBox(window, noBrowser, MessageButtons::Ok, MessageIcon::Information, title);
    };
    if (!wiz.platform.openUrl(QUrl::fromLocalFile(pageFile), tell))
        tell();
}

std::vector<FinishPage::PagePicture> FinishPage::pagePictures() const
{
    // A picture goes into the page when its box is ticked and names a file; an unticked box is empty.
    std::vector<PagePicture> pictures;
    const auto add = [&](int box, const QString& path) {
        const QString name = wiz.boxText(box);
        if (name.isEmpty())
            return;
        for (const PagePicture& known : pictures)
            if (known.name == name)
                return;
        pictures.push_back({name, path});
    };
    add(TxtPageImage, wiz.imagePage().picturePath());
    add(TxtBackgroundImage, wiz.colourPage().backgroundPicturePath());
    return pictures;
}

void FinishPage::offerToCopyPictures(const QString& folder)
{
    const QDir saved(folder);
    std::vector<PagePicture> toCopy;
    QStringList lines;
    for (const PagePicture& picture : pagePictures()) {
        const QString beside = saved.filePath(picture.name);
        const bool known = !picture.file.isEmpty() && QFileInfo(picture.file).isFile();
        // What is beside the page already is what the browser shows: the same file, or one the user put there.
        if (QFileInfo::exists(beside) && (!known || SameContent(picture.file, beside)))
            continue;
        if (known) {
            toCopy.push_back(picture);
            lines << QStringLiteral("    ") + picture.name;
        } else {
            lines << QStringLiteral("    ") + tr("%1 (not found)").arg(picture.name);
        }
    }
    if (toCopy.empty())
        return;

    const QString question = tr("The page shows pictures that are not in the folder you saved it to, so a browser "
                                "will not find them:")
        + QStringLiteral("\r\n\r\n") + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n")
        + tr("Copy them into that folder?");
    if (wiz.platform.messageBox(&wiz, question, MessageButtons::YesNo, MessageIcon::None, tr("Larkspan"))
        != MessageResult::Yes)
        return;

    QStringList problems;
    for (const PagePicture& picture : toCopy) {
        const PictureCopyResult copied = CopyPictureBeside(picture.file, folder, picture.name);
        if (copied.result == PictureCopy::OtherFileThere)
            problems << tr("%1 was not copied: another file of that name is in that folder, and it was left as it is.")
                            .arg(picture.name);
        else if (copied.result == PictureCopy::Failed)
            problems << tr("%1 could not be copied: %2").arg(QDir::toNativeSeparators(picture.file), copied.reason);
    }
    if (!problems.isEmpty())
        wiz.platform.messageBox(&wiz, problems.join(QStringLiteral("\r\n\r\n")), MessageButtons::Ok,
                                MessageIcon::Critical, tr("Larkspan"));
}

void FinishPage::finish()
{
    // Checked before the dialog: a repeated request is dropped whole, without a second save dialog.
    if (finishBusy)
        return;
    const BusyMark mark(finishBusy);

    FileDialogRequest request;
    request.owner = &wiz;
    request.title = tr("Save your web page");
    request.fileTypes = {{tr("HTML Files (*.htm,*.html)"), QStringLiteral("*.htm;*.html")},
                         {tr("Plain Text Files (*.txt)"), QStringLiteral("*.txt")},
                         {tr("All Files (*.*)"), QStringLiteral("*.*")}};
    request.chosenType = 0;
    // A page read back is saved over itself by default, one confirmation away.
    const QFileInfo opened(openedFile);
    //: The file name the save dialog suggests for a new page (a file name: no slashes)
    request.initialName = openedFile.isEmpty() ? tr("Untitled") : opened.fileName();
    request.initialFolder = openedFile.isEmpty() ? QDir::currentPath() : opened.absolutePath();
    request.defaultExtension = QStringLiteral("htm");
    const std::optional<SaveFileResult> chosen = wiz.platform.saveFile(request);
    if (!chosen)
        return;

    {
        const BusyPointer busy(wiz.platform, &wiz, BusyScope::Window);
        GeneratePage();
    }

    // The chosen folder becomes the current one and the file goes there under its bare name. Should that folder be
    // gone, the full path lets the save fail with the system's reason instead of landing in another folder.
    const QString previousFolder = QDir::currentPath();
    const QString target = QDir::setCurrent(chosen->folder) ? chosen->fileName : chosen->fullPath;
    const Outcome saved = SavePageFile(target, wiz.sourceBrowser().pageDocument());
    if (!saved) {
        // Nothing is reset: the user can choose another place and finish again. The next dialog opens where the
        // last page was saved, not in the folder that refused this one (a system folder may not even be listable).
        QDir::setCurrent(previousFolder);
        wiz.platform.messageBox(&wiz,
                                tr("Your web page could not be saved as\r\n%1\r\n\r\n%2")
                                    .arg(QDir::toNativeSeparators(fileNameForDisplay(chosen->fullPath)), saved.reason),
                                MessageButtons::Ok, MessageIcon::Critical, tr("Larkspan"));
        return;
    }
    offerToCopyPictures(chosen->folder);

    wiz.platform.beep();
    // Kept as is: "Congradulations" is the program's own spelling.
    const QStringList congratulation = {
        tr("Congradulations on your successful Web Page."),
        tr("Larkspan has given you a fantastic"),
        tr("place to start. Now you can tinker with the HTML"),
        tr("and become the next pro!"),
        QString(),
        tr("Would you like to create another?"),
    };
    const MessageResult answer = wiz.platform.messageBox(&wiz, congratulation.join(QStringLiteral("\r\n")),
                                                         MessageButtons::YesNo, MessageIcon::None, tr("Larkspan"));
    if (answer == MessageResult::Yes)
        ResetWizard();
    else
        wiz.close();
}

void FinishPage::ResetWizard()
{
    wiz.hidePanel(WizardPage::Finish);
    wiz.PreviousStep(int(WizardPage::Layout));

    // The text boxes empty, then each page puts back the rest of what it holds: the layout and heading size, the
    // bullet style with the item counter and list, the colours, the Enter key, the link style with the link counter
    // and list, the page image.
    wiz.clearAnswers();
}

void FinishPage::cmdButton_Click(int index)
{
    if (index == CmdSourceBrowser)
        sourceBrowser();
    else if (index == CmdPreviewBrowser)
        previewInBrowser();
}

void FinishPage::restore(const PageSpec& spec, const QString&)
{
    wiz.setBoxText(TxtEmail, toQt(spec.authorEmail));
}

void FinishPage::pageOpened(const QString& fileName, const std::string& createdOn)
{
    openedFile = fileName;
    openedOn = createdOn;
}

void FinishPage::resetForAnotherPage()
{
    openedFile.clear();
    openedOn.reset();
}

void FinishPage::describe(PageSpec& spec) const
{
    spec.authorEmail = toStd(wiz.boxText(TxtEmail));
}

void FinishPage::setCalendar(std::function<QDate()> date, const QLocale& settings)
{
    currentDate = std::move(date);
    regionalSettings = settings;
}

} // namespace larkspan
