// A bare Qt window of the main window's size: what start-up is measured against.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(290, 185);
    window.show();
    return app.exec();
}
