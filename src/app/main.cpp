#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.setWindowTitle("QUIMERIX");
    finestra.show();
    return app.exec();
}
