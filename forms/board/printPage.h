#pragma once

#include <QPicture>

#include <functional>

class QPaintDevice;
class QWidget;

// What "Print" puts on paper: the window's client area as it is at the
// moment of the call, recorded as drawing commands, so that its text, lines
// and pictures are drawn at the resolution of the printer that plays them.
QPicture pagePicture(QWidget &window);

// Draws the page at its true size, 96 of the window's pixels to the inch, at
// the top left of the device's printable area. RuntimeError when the device
// cannot be painted on.
void drawPage(const QPicture &page, QPaintDevice &device);

// Prints the page on the default printer. Where none is installed, asks in a
// dialog modal to the window where to save it as a PDF, and writes it there
// whole or not at all; Cancel writes nothing. RuntimeError when the printer
// fails or the file cannot be written.
void printToDefaultPrinter(const QPicture &page, QWidget &window);

// Where "Print" sends its page: printToDefaultPrinter unless a test put
// another destination in its place. An empty function restores it.
void sendToPrinter(const QPicture &page, QWidget &window);
void setPrintDestination(std::function<void(const QPicture &)> destination);
