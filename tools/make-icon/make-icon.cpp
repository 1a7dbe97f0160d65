// Writes the program's icon at every size into a folder (resources/icons/):  make_icon FOLDER
#include "shell/programicon.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_icon FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (int size : ProgramIcon::Sizes) {
        const QString file = dir.filePath(QStringLiteral("kestrel-%1.png").arg(size));
        if (!ProgramIcon::Draw(size).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
