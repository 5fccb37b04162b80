// pondasim plays the station's devices on loopback.
//   pondasim                     opens the simulator window
//   pondasim --demo-db <file>    writes the demo database (when the file does not exist yet)
#include "DatabaseError.h"
#include "DemoDatabase.h"
#include "SimWindow.h"

#include <cstdio>
#include <QApplication>

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--demo-db") == 0) {
        QCoreApplication app(argc, argv);
        try {
            DemoDatabase::prepare(QString::fromLocal8Bit(argv[2]));
        } catch (const DatabaseError& e) {
            std::fprintf(stderr, "%s\n", qPrintable(e.text()));
            return 1;
        }
        return 0;
    }
    QApplication app(argc, argv);
    SimWindow window;
    window.show();
    return app.exec();
}
