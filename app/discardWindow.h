#pragma once

class QWidget;

// Hides a window the program is done with and destroys it: at once where no
// assistive technology is active, else a few seconds later, or when the
// program ends if that is sooner. A screen reader goes on asking about the
// window it last knew for half a second or so, and Qt 6.8 logs each question
// about a window that is gone.
void discardWindow(QWidget *window);
