#pragma once

#include <QImage>

#include <functional>

class QPrinter;
class QWidget;

// What "Print" puts on paper: an image of the window's client area as it is
// at the moment of the call, in the window's logical pixels.
QImage pageImage(QWidget &window);

// Paints the page at its true size (15 twips, 1/96 inch, to a logical pixel)
// at the top left of the printable area. RuntimeError when the printer
// cannot be painted on.
void printPage(const QImage &page, QPrinter &printer);

// Sends the page to the default printer. RuntimeError when no printer is installed.
void printToDefaultPrinter(const QImage &page);

// Where "Print" sends its page: printToDefaultPrinter unless a test put
// another destination in its place. An empty function restores it.
void sendToPrinter(const QImage &page);
void setPrintDestination(std::function<void(const QImage &)> destination);
