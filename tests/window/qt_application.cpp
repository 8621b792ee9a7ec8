#include "qt_application.h"

#include <QApplication>

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "tests_window";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}
