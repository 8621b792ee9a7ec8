#include "window/probaview_application.h"

#include "graph/plot_vector_registers.h"

bool ProbaviewApplication::notify(QObject* receiver, QEvent* event)
{
    // The toolkit's drawing leaves the vector registers' upper halves dirty,
    // which slows our plain-SSE numerics several times over until they are
    // cleared; clearing them costs one instruction per event.
    clearUpperVectorRegisters();
    return QApplication::notify(receiver, event);
}
