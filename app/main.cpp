#include "form1.h"
#include "randomsource.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);
    Form1 window(std::make_unique<MersenneRandom>(), secondsSinceMidnight);
    showMainWindow(window);
    return app.exec();
}
