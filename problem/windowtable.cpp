#include "problem/windowtable.h"

#include "forms/driver.h"
#include "forms/msgbox.h"
#include "model/module1.h"
#include "multistory/msmenufrm.h"
#include "problem/editfrm.h"
#include "problem/lwratiofrm.h"
#include "problem/mainfrm.h"
#include "problem/relfrm.h"
#include "problem/svect2frm.h"
#include "problem/svectfrm.h"
#include "singlestory/display1frm.h"
#include "singlestory/improvementalgorithmform.h"
#include "singlestory/singlemenufrm.h"

#include <functional>
#include <map>
#include <string>

namespace {

template <typename F> void open() {
    F window;
    window.show_modal();
}

// Windows that a shared procedure (not a window of its own) opens.
const std::map<std::string, std::function<void()>, std::less<>>& windowtable() {
    static const std::map<std::string, std::function<void()>, std::less<>> table = {
        {"display1frm", open<display1frm>},
        {"editfrm", open<editfrm>},
        {"lwratiofrm", open<lwratiofrm>},
        {"mainfrm", open<mainfrm>},
        {"relfrm", open<relfrm>},
        {"svect2frm", open<svect2frm>},
        {"svectfrm", open<svectfrm>},
        {"improvementalgorithmform", open<improvementalgorithmform>},
        {"msmenufrm", open<msmenufrm>},
        {"singlemenufrm", open<singlemenufrm>},
    };
    return table;
}

} // namespace

void openwindowbyname(std::string_view name) {
    const auto& table = windowtable();
    if (auto it = table.find(name); it != table.end())
        it->second();
    else if (forms::Driver* driver = forms::Driver::current())
        driver->fail("no window named " + std::string(name));
}

void installwindows(Module1& m) {
    m.showmessage = [](std::string_view text) { forms::msgbox(text); };
    m.showwindow = [](std::string_view name) { openwindowbyname(name); };
}
