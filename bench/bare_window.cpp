// The start-up baseline: the least a Qt chat window is, a main window with a
// menu bar, a text pane and a status bar, shown and left running.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextEdit>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("&File")->addAction("E&xit", &window, &QWidget::close);
    window.setCentralWidget(new QTextEdit(&window));
    window.statusBar()->showMessage("Ready");
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
