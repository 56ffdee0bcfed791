// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/textpage.h"

#include "ui/guardedboxes.h"
#include "ui/keyboard.h"
#include "ui/stringconvert.h"
#include "ui/wizardcontrols.h"
#include "files/textimport.h"

#include <QAccessible>
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

} // namespace

TextPage::TextPage(WizardControls& wiz) : wiz(wiz)
{
    QWidget* panel = wiz.panel(WizardPage::Text);

    QLabel* instruction = wiz.addInstruction(
        panel, tr("Add some text to your web page or import a text file into your web page."));

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
    textBox = text;

    // Kept as is: the frame's caption is two blanks.
    auto* frame = new QGroupBox(QStringLiteral("  "), panel);
    QCheckBox* mask = wiz.addCheckBox(frame, ChkKeyMask, tr("Enable Key &Mask"));
    //: <BR> (line break) and <P> (paragraph) are HTML tags, which Enter then types: keep them as they are
    QRadioButton* lineBreak = wiz.addRadio(frame, OptEnterBreak, tr("Enter Key = <B&R>"));
    QRadioButton* paragraph = wiz.addRadio(frame, OptEnterParagraph, tr("Enter Key = <&P>"));
    auto* enterKey = new QButtonGroup(frame);
    enterKey->addButton(lineBreak);
    enterKey->addButton(paragraph);
    lineBreak->setChecked(true);
    lineBreak->setEnabled(false);
    paragraph->setEnabled(false);

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
    buttons->addWidget(wiz.addPictureButton(panel, CmdImportText, QStringLiteral(":/buttons/import"),
                                            tr("Import Plain Text File"), PictureSize, PictureButtonSize, true));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(frame, 1);
    bottom->addLayout(buttons);

    QVBoxLayout* column = wiz.addColumn(panel, instruction);
    column->addWidget(text, 1);
    column->addLayout(bottom);
}

bool TextPage::txtBox_KeyPress(int index, int keyAscii)
{
    if (index != TxtPageText || keyAscii != KeyAsciiReturn || !wiz.chkBox[ChkKeyMask]->isChecked())
        return false;
    replaceSelection(wiz.optRadio[OptEnterParagraph]->isChecked() ? QStringLiteral("\r\n<P>")
                                                                  : QStringLiteral("\r\n<BR>"));
    // The box goes on with Enter and starts a new line after the tag.
    return false;
}

void TextPage::chkBox_Click(int index)
{
    if (index != ChkKeyMask)
        return;
    const bool masked = wiz.chkBox[ChkKeyMask]->isChecked();
    wiz.optRadio[OptEnterBreak]->setEnabled(masked);
    wiz.optRadio[OptEnterParagraph]->setEnabled(masked);
    if (masked) {
        // Qt tells screen readers of the new state only after this handler, when the focus has already gone on and
        // the box no longer has it; they would be left with the state heard on the way in, "not checked".
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent changed(wiz.chkBox[ChkKeyMask], checked);
        QAccessible::updateAccessibility(&changed);
        wiz.txtBox[TxtPageText]->setFocus();
    }
}

void TextPage::indentSelection()
{
    // capturedSelection is a TAB and the marked text, so only the first marked line is indented.
    replaceSelection(QStringLiteral("<BLOCKQUOTE>\r\n") + wiz.capturedSelection
                     + QStringLiteral("\r\n</BLOCKQUOTE>\r\n"));
    wiz.txtBox[TxtPageText]->setFocus();
}

void TextPage::ImportTextFile()
{
    FileDialogRequest request;
    request.owner = &wiz.window;
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
    if (import.outcome()) {
        BusyPointer busy(wiz.platform, &wiz.window, BusyScope::Application);
        if (import.read()) {
            // The whole text goes in as one edit: fast for a full-sized file, and undone in one step.
            QPlainTextEdit* box = textBox;
            box->selectAll();
            replaceSelection(import.pageText());
            return;
        }
    }

    const QString problem = tr("There was a problem opening the data file.") + QStringLiteral("\r\n");
    // Kept as is: a file that is too large gets the two lines the user knows, without its name.
    const QString where = import.failure() == TextImport::Failure::TooLarge
        ? QString()
        : QStringLiteral("\r\n\r\n") + QDir::toNativeSeparators(path);
    wiz.platform.messageBox(&wiz.window, problem + import.outcome().reason + where, MessageButtons::Ok,
                            MessageIcon::Critical, tr("Larkspan"));
}

void TextPage::resetForAnotherPage()
{
    wiz.setBoxText(TxtPageText, {});
    wiz.optRadio[OptEnterBreak]->setChecked(true);
    wiz.chkBox[ChkKeyMask]->setChecked(false);
}

void TextPage::cmdButton_Click(int index)
{
    if (index == CmdIndent)
        indentSelection();
    else if (index == CmdImportText)
        ImportTextFile();
}

void TextPage::restore(const PageSpec& spec, const QString&)
{
    wiz.setBoxText(TxtPageText, toQt(spec.pageText));
}

void TextPage::describe(PageSpec& spec) const
{
    spec.pageText = toStd(wiz.boxText(TxtPageText));
}

void TextPage::replaceSelection(const QString& text)
{
    QPlainTextEdit* box = textBox;
    QTextCursor cursor = box->textCursor();
    cursor.insertText(toEditorText(text));
    box->setTextCursor(cursor);
}

} // namespace larkspan
