// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QObject>
#include <QString>

namespace larkspan {

// A test object that puts the current folder back after each test function, passed or failed: saving a page makes
// the chosen folder the current one, and the next test must not start in a folder that is gone.
class KeepsCurrentFolder : public QObject {
    Q_OBJECT

private slots:
    void init() { startFolder = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(startFolder); }

private:
    QString startFolder;
};

} // namespace larkspan
