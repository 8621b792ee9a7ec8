#pragma once

// One QApplication for the whole test program, made on first use.
void ensureApplication();
