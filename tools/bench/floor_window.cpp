// The floor for start-up: the cheapest Qt Widgets window that shows text,
// a menu bar of ten entries over a label, quitting the way the program does
// under `make bench` (say "shown" once the window is up, then leave).
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    auto* box = new QVBoxLayout(&w);
    box->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(&w);
    for (int i = 1; i <= 10; ++i)
        bar->addMenu(QStringLiteral("Menu &%1").arg(i % 10))->addAction(QStringLiteral("Voce %1").arg(i));
    box->setMenuBar(bar);
    box->addWidget(new QLabel(QStringLiteral("Una finestra con una scritta"), &w));
    w.resize(573, 433);
    w.show();
    QTimer::singleShot(0, [] {
        std::printf("shown\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
