// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtplatform.h"

#include "platform/filepropertieswindow.h"
#include "platform/helpwindow.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <utility>
#include <vector>

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

// Inside a sandbox the desktop's portal opens files, and Qt asks it. The runtime folder is read directly: Qt makes up
// one of its own when the session has none.
bool inSandbox()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return QFileInfo::exists(QStringLiteral("/.flatpak-info")) || qEnvironmentVariableIsSet("SNAP")
        || (!runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("flatpak-info"))));
}

// The launchers still running. One may run the browser in the foreground and end only when the browser does, and
// destroying a QProcess stops its program: those still running when the wizard ends are left to run, with their
// objects, so the list is never freed.
std::vector<QProcess*>& runningLaunchers()
{
    static auto* const running = new std::vector<QProcess*>;
    return *running;
}

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

// How long a launcher may run before its failure no longer means that no browser was found.
constexpr qint64 BrowserSeenAfterMs = 30'000;

bool QtPlatform::openUrl(const QUrl& address, std::function<void()> failedLater)
{
    // xdg-open or the desktop portal choose the program, as for any link the desktop opens. Qt starts xdg-open and
    // tells only whether it started; whether xdg-open then found a program it tells by its exit status, so the wizard
    // starts it itself and waits for that without blocking. In a sandbox, or without xdg-open, Qt finds the way.
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!address.isLocalFile() || launcher.isEmpty() || inSandbox())
        return QDesktopServices::openUrl(address);
    auto* process = new QProcess;
    process->setProgram(launcher);
    process->setArguments({QString::fromUtf8(address.toEncoded())});
    process->setStandardInputFile(QProcess::nullDevice());
    // What xdg-open and the browser say goes where the wizard's own messages go, and stays open after it ends.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    runningLaunchers().push_back(process);
    const auto ended = [process, failedLater = std::move(failedLater)](bool failed) {
        std::erase(runningLaunchers(), process);
        process->deleteLater();
        // Not inside the process's signal: the caller may show a modal message.
        if (failed && failedLater)
            QMetaObject::invokeMethod(qApp, failedLater, Qt::QueuedConnection);
    };
    QElapsedTimer running;
    running.start();
    QObject::connect(process, &QProcess::finished, process, [ended, running](int code, QProcess::ExitStatus status) {
        // A launcher stopped by a signal has not said that there is no browser. On a desktop without one of its own,
        // xdg-open runs the browser and waits for it, and fails when the browser ends in an error: one that ran for
        // half a minute was there to see, and the message would come long after, about something else.
        ended(status == QProcess::NormalExit && code != 0 && running.elapsed() < BrowserSeenAfterMs);
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [ended](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended(true);
    });
    process->start();
    return true;
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
