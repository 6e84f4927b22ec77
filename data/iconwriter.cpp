// SPDX-License-Identifier: GPL-3.0-or-later
// Build helper: writes the program's icon as PNG files for the hicolor icon
// theme, drawn by the same code as the window icon.
//
//   tenvari_iconwriter <folder> <icon name> <size>...
//
// writes <folder>/<size>x<size>/apps/<icon name>.png for each size (pixels).

#include "widgets/AppIcon.h"

#include <QDir>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fputs("usage: tenvari_iconwriter FOLDER ICON-NAME SIZE...\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "tenvari_iconwriter: not a size in pixels: %s\n", argv[i]);
            return 1;
        }
        const QString directory = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString file = directory + QLatin1Char('/') + name + QLatin1String(".png");
        if (!QDir().mkpath(directory) || !tenvari::appIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "tenvari_iconwriter: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
