#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include "project/app_context.h"
#include "ui/program_icon.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TGEdit"));
    QApplication::setWindowIcon(tg::programIcon());
    tg::AppContext context(QCoreApplication::applicationDirPath().toStdString());

    // Placeholder until the start menu lands.
    QWidget window;
    window.setWindowTitle(QStringLiteral("TG Edit"));
    window.show();
    return QApplication::exec();
}
