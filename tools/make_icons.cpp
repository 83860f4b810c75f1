// Draws the program icon as the PNG files of the hicolor icon theme, with the
// same code that draws the window icon:
//   make_icons OUT_DIR SIZE...
// writes OUT_DIR/<SIZE>x<SIZE>/apps/tgedit.png for each size.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "ui/program_icon.h"

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icons OUT_DIR SIZE...\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);

    const QString out = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 1 || size > 1024) {
            std::fprintf(stderr, "make_icons: not a size: %s\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(folder) ||
            !tg::programIconImage(size).save(folder + QStringLiteral("/tgedit.png"), "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s/tgedit.png\n",
                         folder.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
