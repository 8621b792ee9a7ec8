#pragma once

// Clears the upper halves of the processor's 256-bit vector registers.
//
// Code built for plain SSE, as ours is, runs several times slower while those
// halves hold data that other code (the GUI toolkit's drawing, for one) left
// behind without clearing them. Call this before a stretch of numerical work
// that follows such code: a panel refresh, a graph pass. It does nothing on
// processors without 256-bit registers and on other architectures.
void clearUpperVectorRegisters();
