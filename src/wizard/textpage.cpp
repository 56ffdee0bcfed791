#include "wizard/textpage.h"

#include "ui/guardedboxes.h"
#include "wizard/frmwiz.h"
#include "wizard/stringconvert.h"
#include "wizard/textimport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace larkspan {

namespace {

constexpr QSize PictureSize{32, 32};
constexpr QSize PictureButtonSize{40, 40};

QPlainTextEdit* pageTextBox(const frmWiz& wiz)
{
    return static_cast<QPlainTextEdit*>(wiz.txtBox[TxtPageText]);
}

} // namespace

TextPage::TextPage(frmWiz& wiz) : wiz(wiz)
{
    QWidget* panel = wiz.panel(WizardPage::Text);

    auto* instruction =
        new QLabel(tr("Add some text to your web page or import a text file into your web page."), panel);
    instruction->setWordWrap(true);

    auto* text = new GuardedTextBox(panel);
    text->setAccessibleName(tr("Page text"));
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setTabChangesFocus(true);
    QFont courier = text->font();
    courier.setFamilies({QStringLiteral("Courier New")});
    courier.setStyleHint(QFont::TypeWriter);
    text->setFont(courier);
    wiz.txtBox[TxtPageText] = text;

    // Kept as is: the frame's caption is two blanks.
    auto* frame = new QGroupBox(QStringLiteral("  "), panel);
    auto* mask = new QCheckBox(tr("Enable Key &Mask"), frame);
    mask->setObjectName(QStringLiteral("chkBox_%1").arg(ChkKeyMask));
    wiz.chkBox[ChkKeyMask] = mask;
    auto* lineBreak = new QRadioButton(tr("Enter Key = <B&R>"), frame);
    auto* paragraph = new QRadioButton(tr("Enter Key = <&P>"), frame);
    lineBreak->setObjectName(QStringLiteral("optRadio_%1").arg(OptEnterBreak));
    paragraph->setObjectName(QStringLiteral("optRadio_%1").arg(OptEnterParagraph));
    auto* enterKey = new QButtonGroup(frame);
    enterKey->addButton(lineBreak);
    enterKey->addButton(paragraph);
    lineBreak->setChecked(true);
    lineBreak->setEnabled(false);
    paragraph->setEnabled(false);
    wiz.optRadio[OptEnterBreak] = lineBreak;
    wiz.optRadio[OptEnterParagraph] = paragraph;

    auto* options = new QHBoxLayout;
    options->addWidget(lineBreak);
    options->addWidget(paragraph);
    options->addStretch();
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(mask);
    frameLayout->addLayout(options);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(wiz.addPictureButton(panel, CmdIndent, QStringLiteral(":/buttons/indent"),
                                               tr("Indent Selection"), PictureSize, PictureButtonSize, true));
    buttons->addWidget(
        wiz.addPictureButton(panel, CmdImportText, QStringLiteral(":/buttons/import"),
                             tr("Import Plain Text File"), PictureSize, PictureButtonSize, true));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(frame, 1);
    bottom->addLayout(buttons);

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 0, 4, 0);
    column->addWidget(instruction);
    column->addWidget(text, 1);
    column->addLayout(bottom);
}

bool TextPage::txtBox_KeyPress(int keyAscii)
{
    if (keyAscii != 13 || !wiz.chkBox[ChkKeyMask]->isChecked())
        return false;
    replaceSelection(wiz.optRadio[OptEnterParagraph]->isChecked() ? QStringLiteral("\r\n<P>")
                                                                 : QStringLiteral("\r\n<BR>"));
    // The box goes on with Enter and starts a new line after the tag.
    return false;
}

void TextPage::chkBox_Click()
{
    const bool masked = wiz.chkBox[ChkKeyMask]->isChecked();
    wiz.optRadio[OptEnterBreak]->setEnabled(masked);
    wiz.optRadio[OptEnterParagraph]->setEnabled(masked);
    if (masked)
        wiz.txtBox[TxtPageText]->setFocus();
}

void TextPage::indentSelection()
{
    // capturedSelection is a TAB and the marked text, so only the first marked line is indented.
    replaceSelection(QStringLiteral("<BLOCKQUOTE>\r\n") + wiz.capturedSelection +
                     QStringLiteral("\r\n</BLOCKQUOTE>\r\n"));
    wiz.txtBox[TxtPageText]->setFocus();
}

void TextPage::ImportTextFile()
{
    FileDialogRequest request;
    request.owner = &wiz;
    request.title = tr("Import a Text File");
    request.fileTypes = {{tr("Plain Text Files (*.txt)"), QStringLiteral("*.txt")}};
    request.initialFolder = QDir::currentPath();
    request.defaultExtension = QStringLiteral("txt");
    request.mayNameMissingFile = true;
    const std::optional<OpenFileResult> chosen = wiz.platform.openFile(request);
    if (chosen)
        LoadTextFile(chosen->fullPath);
}

void TextPage::LoadTextFile(const QString& path)
{
    TextImport import(path);
    if (import.failure() == TextImport::Failure::None) {
        BusyPointer busy(wiz.platform, &wiz, BusyScope::Application);
        if (import.read()) {
            // The whole text goes in as one edit: fast for a full-sized file, and undone in one step.
            QPlainTextEdit* box = pageTextBox(wiz);
            box->selectAll();
            replaceSelection(import.pageText());
            return;
        }
    }

    const QString problem = tr("There was a problem opening the data file.") + QStringLiteral("\r\n");
    QString why;
    switch (import.failure()) {
    case TextImport::Failure::None: return;
    case TextImport::Failure::TooLarge:
        // Kept as is: the two lines the user knows for a file that is too large.
        wiz.platform.messageBox(&wiz, problem + tr("The text box is limited to only 32k."), MessageButtons::Ok,
                                MessageIcon::Critical, tr("Larkspan"));
        return;
    case TextImport::Failure::Missing: why = tr("The file does not exist."); break;
    case TextImport::Failure::SizeUnknown: why = tr("Its size cannot be read: it is not a plain file."); break;
    case TextImport::Failure::Unreadable: why = tr("It cannot be read: %1").arg(import.reason()); break;
    case TextImport::Failure::NotText: why = tr("It is not a plain text file: it holds NUL bytes."); break;
    }
    wiz.platform.messageBox(&wiz,
                            problem + why + QStringLiteral("\r\n\r\n") + QDir::toNativeSeparators(path),
                            MessageButtons::Ok, MessageIcon::Critical, tr("Larkspan"));
}

void TextPage::resetForAnotherPage()
{
    wiz.setBoxText(TxtPageText, {});
    wiz.optRadio[OptEnterBreak]->setChecked(true);
    wiz.chkBox[ChkKeyMask]->setChecked(false);
}

void TextPage::replaceSelection(const QString& text)
{
    QPlainTextEdit* box = pageTextBox(wiz);
    QTextCursor cursor = box->textCursor();
    cursor.insertText(toEditorText(text));
    box->setTextCursor(cursor);
}

} // namespace larkspan
