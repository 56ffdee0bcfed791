// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtplatform.h"

#include "platform/filepropertieswindow.h"
#include "platform/helpwindow.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include <algorithm>

namespace larkspan {

namespace {

// Qt reads the patterns from the last parenthesised group; the description is shown as it stands.
QStringList nameFilters(const QList<FileType>& types)
{
    QStringList filters;
    for (const FileType& type : types)
        filters << QStringLiteral("%1 (%2)").arg(type.description, QString(type.patterns).replace(u';', u' '));
    return filters;
}

void prepare(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setWindowTitle(request.title);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = nameFilters(request.fileTypes);
    dialog.setNameFilters(filters);
    if (request.chosenType >= 0 && request.chosenType < filters.size())
        dialog.selectNameFilter(filters.at(request.chosenType));
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    dialog.setDefaultSuffix(request.defaultExtension);
}

// A question answered Yes or No has no answer for Escape; Qt would take No, which may quit the wizard. Escape does
// nothing in any such box, Qt's own questions included. A box that offers Cancel keeps its Escape.
class QuestionGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* box = widget ? qobject_cast<QMessageBox*>(widget->window()) : nullptr;
        return box && box->button(QMessageBox::Yes) && box->button(QMessageBox::No) && !hasRejectButton(*box);
    }

private:
    static bool hasRejectButton(const QMessageBox& box)
    {
        const QList<QAbstractButton*> buttons = box.buttons();
        return std::any_of(buttons.begin(), buttons.end(),
                           [&box](QAbstractButton* b) { return box.buttonRole(b) == QMessageBox::RejectRole; });
    }
};

} // namespace

QtPlatform::QtPlatform() : questionGuard(std::make_unique<QuestionGuard>())
{
    // The wizard writes nothing but the page file: a settings folder inside a device can never be made.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    qApp->installEventFilter(questionGuard.get());
}

QtPlatform::~QtPlatform() = default;

std::optional<OpenFileResult> QtPlatform::openFile(const FileDialogRequest& request)
{
    QFileDialog dialog(request.owner);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mayNameMissingFile ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Shortcuts are handed back as themselves, not as their targets.
    dialog.setOption(QFileDialog::DontResolveSymlinks);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString path = dialog.selectedFiles().constFirst();
        const QFileInfo info(path);
        if (!info.exists()) {
            const auto answer = QMessageBox::question(
                &dialog, request.title,
                QFileDialog::tr("%1\nThis file does not exist.\nCreate the file?").arg(info.fileName()));
            if (answer != QMessageBox::Yes)
                continue;
        }
        return OpenFileResult{info.absoluteFilePath(), info.fileName()};
    }
}

std::optional<SaveFileResult> QtPlatform::saveFile(const FileDialogRequest& request)
{
    QFileDialog dialog(request.owner);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QFileInfo info(dialog.selectedFiles().constFirst());
    return SaveFileResult{info.absolutePath(), info.fileName(), info.absoluteFilePath()};
}

std::optional<ColorRef> QtPlatform::chooseColor(QWidget* owner, CustomColors& customColors)
{
    const auto toQColor = [](ColorRef c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); };
    const auto toRef = [](const QColor& c) {
        return ColorRef(c.red()) | ColorRef(c.green()) << 8 | ColorRef(c.blue()) << 16;
    };
    for (int i = 0; i < int(customColors.size()); ++i)
        QColorDialog::setCustomColor(i, toQColor(customColors[i]));
    QColorDialog dialog(owner);
    // A native chooser would not offer the sixteen custom slots the wizard shares between its colours.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(Qt::black);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    for (int i = 0; i < int(customColors.size()); ++i)
        customColors[i] = toRef(QColorDialog::customColor(i));
    return toRef(dialog.selectedColor());
}

MessageResult QtPlatform::messageBox(QWidget* owner, const QString& text, MessageButtons buttons, MessageIcon icon,
                                     const QString& title)
{
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoDefaultNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == MessageButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageResult::Ok;
}

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::runModal(QDialog* window)
{
    window->exec();
}

Outcome QtPlatform::showHelpContents(QWidget* owner, const QString& helpFile)
{
    if (!helpWindow)
        helpWindow = new HelpWindow(owner);
    return helpWindow->showContents(helpFile);
}

int QtPlatform::showFileProperties(QWidget* owner, const QString& path)
{
    return FilePropertiesWindow::showFor(owner, path);
}

bool QtPlatform::openUrl(const QUrl& address, std::function<void()> /*failedLater*/)
{
    // xdg-open or the desktop portal choose the program, as for any link the desktop opens.
    return QDesktopServices::openUrl(address);
}

void QtPlatform::beginBusy(QWidget* window, BusyScope scope)
{
    if (scope == BusyScope::Application || !window)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        window->setCursor(Qt::WaitCursor);
}

void QtPlatform::endBusy(QWidget* window, BusyScope scope)
{
    if (scope == BusyScope::Application || !window)
        QApplication::restoreOverrideCursor();
    else
        window->unsetCursor();
}

} // namespace larkspan
