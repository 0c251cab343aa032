// The yardstick for start-up time: a bare Qt program showing one empty
// window, quitting the same way the program does under `make bench`.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.resize(573, 433);
    w.show();
    QTimer::singleShot(0, [] {
        std::printf("shown\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
