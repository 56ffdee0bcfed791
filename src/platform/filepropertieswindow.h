// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace larkspan {

// A small properties sheet for one file: what the desktop's own sheet would tell about a picture.
class FilePropertiesWindow : public QWidget {
    Q_OBJECT

public:
    // Result codes in the manner of the desktop shell: above 32 when the sheet is shown.
    static constexpr int Shown = 42;
    static constexpr int FileNotFound = 2;

    // Opens a sheet for path, owned by owner, or brings forward the one already open for that file; a file that
    // does not exist gives FileNotFound and no window.
    static int showFor(QWidget* owner, const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    FilePropertiesWindow(QWidget* owner, const QString& path);

    QString filePath; // absolute
};

} // namespace larkspan
