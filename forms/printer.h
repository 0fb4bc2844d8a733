#pragma once
// The default printer as a drawing surface: draw with the surface operations,
// then enddoc() sends the page. With no printer set up the page goes to a PDF
// file in the current folder and a message says which file. Under the test
// driver the page is recorded instead.

#include "forms/surface.h"

#include <QImage>

namespace forms {

class Printer final : public Surface {
public:
    void enddoc();
};

// The one printer of the program.
Printer& printer();

// Prints an image (a window's picture) on one page.
void printimage(const QImage& image, std::string_view title);

} // namespace forms
