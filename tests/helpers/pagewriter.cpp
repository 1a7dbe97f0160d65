// Saves a page as the editor does, for tests that end a save in the middle:
//     pagewriter REWRITE-LIST PAGE FILE-WITH-THE-NEW-BYTES

#include "base/pagefile.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return 2;
    QFile in(args.at(3));
    if (!in.open(QIODevice::ReadOnly))
        return 2;
    PageFile::SetRewriteList(args.at(1));
    QString error;
    if (!PageFile::WriteBytes(args.at(2), in.readAll(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
