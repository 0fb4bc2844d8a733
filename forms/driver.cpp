#include "forms/driver.h"

#include "forms/form.h"

namespace forms {

namespace {
Driver* installed = nullptr;
}

Driver::Driver() : previous_(installed) {
    installed = this;
}

Driver::~Driver() {
    installed = previous_;
}

Driver* Driver::current() {
    return installed;
}

void Driver::on(const std::string& formname, std::function<void(Form&)> script) {
    scripts_[formname].push_back(std::move(script));
}

std::vector<std::string> Driver::pending() const {
    std::vector<std::string> out;
    for (const auto& [name, queue] : scripts_)
        out.insert(out.end(), queue.size(), name);
    return out;
}

void Driver::runmodal(Form& f) {
    const std::string name = f.name();
    opened_.push_back(name);
    // A window that closed itself while loading never runs: its script, if
    // any, stays queued for its next opening.
    if (!f.isopen()) return;
    auto queue = scripts_.find(name);
    if (queue == scripts_.end() || queue->second.empty()) {
        fail("no script for " + name);
        f.close();
        return;
    }
    const std::function<void(Form&)> script = std::move(queue->second.front());
    queue->second.pop_front();
    script(f);
    if (f.isopen()) {
        fail(name + " still open after its script");
        f.close();
    }
}

} // namespace forms
