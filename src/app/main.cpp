#include "app/tyx.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TYX window;
    if (!window.StartedUp()) return 1;
    window.show();
    return app.exec();
}
