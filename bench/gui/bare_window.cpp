// The yardstick of start-up: an empty main window and nothing else.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare window");
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
