// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filepropertieswindow.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFormLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QVBoxLayout>

namespace larkspan {

int FilePropertiesWindow::showFor(QWidget* owner, const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return FileNotFound;
    if (owner) {
        const auto open = owner->findChildren<FilePropertiesWindow*>(Qt::FindDirectChildrenOnly);
        for (FilePropertiesWindow* window : open) {
            if (window->filePath == info.absoluteFilePath() && window->isVisible()) {
                window->raise();
                window->activateWindow();
                return Shown;
            }
        }
    }
    auto* window = new FilePropertiesWindow(owner, path);
    window->show();
    return Shown;
}

void FilePropertiesWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the sheet, as it closes a dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

FilePropertiesWindow::FilePropertiesWindow(QWidget* owner, const QString& path)
    : QWidget(owner, Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    const QFileInfo info(path);
    filePath = info.absoluteFilePath();
    setWindowTitle(tr("%1 Properties").arg(info.fileName()));
    setObjectName(QStringLiteral("filePropertiesWindow"));

    const QLocale locale = QLocale::system();
    auto* form = new QFormLayout;
    const auto addRow = [form](const QString& label, const QString& value) {
        auto* field = new QLabel(value);
        field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(label, field);
    };
    addRow(tr("Name:"), info.fileName());
    addRow(tr("Folder:"), QDir::toNativeSeparators(info.absolutePath()));
    addRow(tr("Type:"), QMimeDatabase().mimeTypeForFile(info).comment());
    addRow(tr("Size:"), tr("%1 bytes").arg(locale.toString(info.size())));
    const QSize pixels = QImageReader(path).size();
    if (pixels.isValid())
        addRow(tr("Picture:"), tr("%1 x %2 pixels").arg(pixels.width()).arg(pixels.height()));
    addRow(tr("Modified:"), locale.toString(info.lastModified(), QLocale::LongFormat));

    auto* icon = new QLabel;
    icon->setPixmap(QFileIconProvider().icon(info).pixmap(32, 32));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(buttons);
}

} // namespace larkspan
