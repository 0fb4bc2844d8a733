#pragma once
// Measures whether every text a window shows fits the place it is shown in,
// with the fonts actually in use. Each misfit names the window, the control,
// the text and the pixels needed against the pixels available.

#include "forms/surface.h"

#include <QRectF>

#include <string>
#include <vector>

class QWidget;

struct Misfit {
    std::string window, control, text;
    double needed, available;
    std::string what; // "wide", "high", "overlaps ..." and the like
};

// One line a misfit.
std::string describe(const std::vector<Misfit>& misfits);

// Every shown control of the window: captions of labels (all lines of a
// word-wrapped label within its height) and buttons, text boxes, list items
// and grid cells.
std::vector<Misfit> controlmisfits(const QWidget& window);

// Texts of a display list drawn into target: each inside target, no two
// overlapping, none crossing the walls of the building (a null rectangle: no
// building). Texts that start within a cell of the building are the layout's
// own labels, placed by its label grid: they are kept to the box alone.
std::vector<Misfit> drawingmisfits(const std::string& window, const std::string& control,
                                   const std::vector<forms::DrawOp>& drawing, const QRectF& target,
                                   forms::Surface::Medium medium, const QRectF& building = {});
