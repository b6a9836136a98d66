// Writes where the main window shows each of its parts, for the start-up floor
// (bench_floorframe): the window is built as the benchmarks build it, shown today's date, and
// read on the platform this program runs on, so that its fonts are those of the program's run.
//
//   bench_framelayout <file>

#include "BenchWindow.h"
#include "WindowLayout.h"

#include <QApplication>
#include <QDataStream>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file>\n", argv[0]);
        return 2;
    }
    BenchWindow bench;
    bench.window().moveDisplayDate(QDate::currentDate());
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    QDataStream stream(&file);
    stream << windowLayout(bench.window());
    if (stream.status() != QDataStream::Ok || !file.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
