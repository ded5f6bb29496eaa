#pragma once

class QWidget;

// The program's start: names the program and shows its first window, the
// splash, which it hands back. The caller runs the event loop.
QWidget &startProgram();
