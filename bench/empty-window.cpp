// The smallest Qt Widgets program with a window: what starting any Qt program costs on this
// machine, the yardstick for the player's own start-up in bench/run-bench.sh.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(320, 200);
    window.show();
    return QApplication::exec();
}
