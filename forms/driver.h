#pragma once
// The scripted test driver. While a Driver exists, Form::show_modal() runs
// Form_Load and then the script queued for that window, synchronously and
// without an event loop. Scripts type into controls and press buttons, which
// run the real handlers; windows those handlers open run their own scripts in
// turn. A window opened with no script queued, or still open when its script
// returns, is a failure (named in failures()) and is closed.
// Message boxes and print jobs are recorded.

#include "forms/surface.h"

#include <QImage>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace forms {

class Form;

struct PrintJob {
    enum class Kind { image, page } kind;
    std::string title;       // the window's name for an image
    QImage image;            // the window image
    std::vector<DrawOp> ops; // the page drawn on the printer
};

class Driver final {
public:
    Driver();
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    static Driver* current();

    // Queues a script for the next opening of the named window.
    void on(const std::string& formname, std::function<void(Form&)> script);
    // Typed form: the script receives the window as its own class.
    template <typename F> void on(const std::string& formname, std::function<void(F&)> script) {
        on(formname, [script, formname, this](Form& f) {
            if (auto* typed = dynamic_cast<F*>(&f))
                script(*typed);
            else
                fail("window " + formname + " is not of the scripted class");
        });
    }

    const std::vector<std::string>& messages() const { return messages_; }
    const std::vector<PrintJob>& prints() const { return prints_; }
    const std::vector<std::string>& opened() const { return opened_; }
    const std::vector<std::string>& failures() const { return failures_; }
    // Scripts queued but never run.
    std::vector<std::string> pending() const;
    void fail(std::string what) { failures_.push_back(std::move(what)); }

    // Used by the forms layer.
    void runmodal(Form& f);
    void message(std::string_view text) { messages_.emplace_back(text); }
    void print(PrintJob job) { prints_.push_back(std::move(job)); }

private:
    Driver* previous_ = nullptr;
    std::map<std::string, std::deque<std::function<void(Form&)>>> scripts_;
    std::vector<std::string> messages_, opened_, failures_;
    std::vector<PrintJob> prints_;
};

} // namespace forms
