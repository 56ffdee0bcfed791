#include "platform/qtplatform.h"
#include "wizard/frmwiz.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Larkspan"));
    larkspan::QtPlatform platform;
    larkspan::frmWiz window(platform, QStringLiteral(LARKSPAN_HELP_FILE));
    window.show();
    return app.exec();
}
