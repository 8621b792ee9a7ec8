#pragma once

#include <QApplication>

// The window program's application object. Every user command reaches the
// shell through the event loop, so this is where the program's numerical
// work begins after the toolkit's own code has run.
class ProbaviewApplication : public QApplication {
public:
    ProbaviewApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override;
};
