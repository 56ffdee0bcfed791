// SPDX-License-Identifier: GPL-3.0-or-later
// The plainest Qt program with a window: a main window that shows one label. The start-up benchmark measures the
// wizard against it.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setCentralWidget(new QLabel(QStringLiteral("A label"), &window));
    window.resize(598, 351);
    window.show();
    return app.exec();
}
