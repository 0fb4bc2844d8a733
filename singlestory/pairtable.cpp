#include "singlestory/pairtable.h"

#include "model/module1.h"
#include "model/numtext.h"

void setuppairtable(pairchart& chart) {
    const Module1& m = module1();
    chart.hideall();
    chart.showheadings(m.ndept, m.deptname);
}

std::string paircell(double value) {
    std::string text = numtext::format(value, "0");
    if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
    return text;
}

void showpair(pairchart& chart, int i, int j, const std::string& text) {
    forms::TextBox& box = chart.pair(i, j);
    box.setalignment(forms::TextBox::Align::center);
    box.setText(text);
    box.setvisible(true);
}

void showmeasure(pairchart& chart, int i, int j, double value) {
    showpair(chart, i, j, module1().pairplaced(i, j) ? paircell(value) : std::string());
}
