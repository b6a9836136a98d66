// The floor of the command-line figures: a bare Qt Core program that prints one line.

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream(stdout) << "Biorhythmus\n";
    return 0;
}
