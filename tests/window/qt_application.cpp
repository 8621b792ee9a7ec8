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

// The system's font configuration library keeps caches for the life of the
// process once Qt has laid out text; they are not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
