// Every window of both programs, opened headless with a problem loaded, and
// every text it shows measured with the fonts in use: captions, boxes, grid
// cells, list items, the drawn layout on screen and on the printed page.

#include "forms/application.h"
#include "multistory/AutomPartitionfrm.h"
#include "multistory/MSReviewSavedPartitionsfrm.h"
#include "multistory/SaveStorySubfrm.h"
#include "multistory/exchangebtwstoriesfrm.h"
#include "multistory/manualpartition2frm.h"
#include "multistory/manualpartitionfrm.h"
#include "multistory/msmenufrm.h"
#include "multistory/msprintpartitionfrm.h"
#include "multistory/mstablesavedpartitionsfrm.h"
#include "problem/addmatrixfrm.h"
#include "problem/addproductinfofrm.h"
#include "problem/creditsfrm.h"
#include "problem/deleteproductfrm.h"
#include "problem/editfrm.h"
#include "problem/filefrm.h"
#include "problem/flowfrm.h"
#include "problem/introfrm.h"
#include "problem/lengthwidthfrm.h"
#include "problem/lwratiofrm.h"
#include "problem/mainfrm.h"
#include "problem/mainmenufrm.h"
#include "problem/modifyproductinfofrm.h"
#include "problem/modifyproductinfofrm2.h"
#include "problem/reviewproductfrm.h"
#include "problem/sourcefrm.h"
#include "problem/t53336frm.h"
#include "singlestory/automsearchfrm.h"
#include "singlestory/display1frm.h"
#include "singlestory/exchangedeptsfrm.h"
#include "singlestory/improvementalgorithmform.h"
#include "singlestory/manualdeptfrm.h"
#include "singlestory/manualfixfrm.h"
#include "singlestory/singlemenufrm.h"
#include "singlestory/tablesavedlayoutsfrm.h"
#include "tests/singlestory/layoutproblem.h"
#include "tests/support/fit.h"
#include "tests/support/scripted.h"
#include "tests/support/tempdir.h"

#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>

#include <filesystem>
#include <iterator>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using Medium = forms::Surface::Medium;

class EveryWindow : public ScriptedTest, public ::testing::WithParamInterface<Program> {
protected:
    void SetUp() override {
        ScriptedTest::SetUp();
        m.program = GetParam();
        // Random layouts are the same at every run.
        m.timer = [] { return 36000.0; };
        // The example problems, opened from disk in a folder deeper than any
        // label shows whole, wherever the project lies.
        const fs::path deep = fs::path("planning office") / "Facility planning" /
                              "2026 plant relayout study" /
                              "alternatives for the north hall and the yard";
        ASSERT_GT(deep.string().size(), 100u);
        folder = dir / deep.string();
        fs::create_directories(folder);
        fs::copy(MARQUETA_SOURCE_DIR "/examples", folder);
        m.problemfile = (folder / "PLANT").string();
        ASSERT_TRUE(m.loadproblemfile());
        m.datasource = "d";
        // The department window's Continue leads through the chart and the
        // score windows, which complete the problem and return to the main menu.
        for (const char* w : {"mainfrm", "relfrm", "svectfrm", "svect2frm"})
            measureon(w, {}, "okbut");
        measureon("mainmenufrm");
        mainfrm departments;
        departments.show_modal();
    }
    void TearDown() override {
        EXPECT_TRUE(misfits.empty()) << describe(misfits);
        ScriptedTest::TearDown();
    }

    // Keeps what a measure found, with the state the window was in.
    void record(std::vector<Misfit> found, const std::string& state) {
        for (Misfit& x : found) {
            if (!state.empty()) x.window += " (" + state + ")";
            misfits.push_back(std::move(x));
        }
    }

    // The window as it stands, in the state named: its controls and what it
    // drew in its picture box, a layout clear of the building's walls.
    void measure(forms::Form& f, const std::string& state = {}) {
        measured.insert(f.name());
        record(controlmisfits(f), state);
        if (const auto* box = f.findChild<forms::PictureBox*>("layoutbox")) {
            const QRectF area(QPointF(0, 0), QSizeF(box->size()));
            const QRectF walls = f.name() == "display1frm" ? building(area, 1) : QRectF();
            record(drawingmisfits(f.name(), "layoutbox", box->ops(), area, Medium::screen, walls),
                   state);
        }
        // How many digits an analysis window shows in one pair box.
        if (f.name().starts_with("layoutanalysis"))
            for (const QLineEdit* box : f.findChildren<QLineEdit*>())
                if (box->objectName().startsWith("reltxt"))
                    longest = std::max(longest, box->text().trimmed().size());
    }

    // Queues a script that measures the named window, then presses its button
    // named or closes it.
    void measureon(const std::string& window, const std::string& state = {},
                   const char* button = nullptr) {
        driver.on(window, [=, this](forms::Form& f) {
            measure(f, state);
            button ? f.findChild<forms::CommandButton*>(button)->press() : f.close();
        });
    }

    // The four analysis windows of a display, each measured and continued.
    void lookatanalyses(const std::string& state) {
        for (int i = 1; i <= 4; ++i)
            measureon("layoutanalysis" + std::to_string(i) + "frm", state, "okbut");
    }

    // Opens a window whose script measures it, runs the extra steps and closes it.
    template <typename F> void look(const std::function<void(F&)>& steps = {}) {
        F window;
        driver.on<F>(window.name(), [this, steps](F& f) {
            measure(f);
            if (steps) steps(f);
            if (f.isopen()) f.close();
        });
        window.show_modal();
    }
    template <typename... F> void lookall() { (look<F>(), ...); }

    // The building's frame in a layout drawn into target (a page squeezes it).
    QRectF building(const QRectF& target, double pagefactor) const {
        const double kx = target.width() / 640, ky = target.height() / 200;
        return {target.left() + 100 * kx, target.top() + ky, double(m.drawwidth) * kx,
                pagefactor * double(m.drawheight) * ky};
    }

    // Prints the display's layout and measures the page on the paper sizes of
    // both locales.
    void printlayout(display1frm& d, const std::string& state) {
        const std::size_t before = driver.prints().size();
        d.prntbut.press();
        ASSERT_EQ(driver.prints().size(), before + 1);
        for (const QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(size));
            const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
            record(drawingmisfits("display1frm", "printed page", driver.prints().back().ops, area,
                                  Medium::paper, building(area, 0.531225)),
                   state);
        }
    }

    TempDir dir;
    fs::path folder;
    std::vector<Misfit> misfits;
    std::set<std::string> measured;
    qsizetype longest = 0;
};

TEST_P(EveryWindow, EveryTextFitsWhereTheWindowPutsIt) {
    // The windows of the problem: start-up, definition, edit, products, matrices.
    lookall<creditsfrm, introfrm, mainmenufrm, sourcefrm>();
    {
        CurrentFolder here(folder);
        look<filefrm>();
        // The folder list scrolls to show the folder's full path.
        std::erase_if(misfits, [this](const Misfit& x) { return x.text == folder.string(); });
    }
    lookall<editfrm, lwratiofrm, specxyfrm, flowfrm, reviewproductfrm, addproductinfofrm,
            modifyproductinfofrm, deleteproductfrm>();
    m.selprod = 1;
    m.pickproduct();
    lookall<modifyproductinfofrm2, t53336frm>();
    look<addmatrixfrm>([this](addmatrixfrm& f) {
        f.chgaddmatbut.press();
        measure(f, "entering a change");
    });

    // The single-story windows with the problem's saved layouts.
    lookall<singlemenufrm, manualdeptfrm, manualfixfrm, automsearchfrm, exchangedeptsfrm>();
    look<tablesavedlayoutsfrm>([this](tablesavedlayoutsfrm& f) {
        measureon("deletesavedlayoutfrm");
        f.deletebut.press();
    });
    // An improvement walk shows the display in iteration mode.
    look<improvementalgorithmform>([this](improvementalgorithmform& f) {
        driver.on<display1frm>("display1frm", [this](display1frm& d) {
            measure(d, "iteration");
            lookatanalyses("iteration");
            d.analysisbut.press();
            printlayout(d, "iteration");
            d.termbut.press();
        });
        f.ntxt.type("1");
        f.okbut.press();
    });

    // The multi-story windows with the problem's saved partitions.
    lookall<msmenufrm, AutomPartitionfrm, manualpartitionfrm, MSReviewSavedPartitionsfrm>();
    look<mstablesavedpartitionsfrm>([this](mstablesavedpartitionsfrm& f) {
        f.delbut.press();
        measure(f, "deleting");
    });
    // The story export lists the files it wrote.
    look<SaveStorySubfrm>([this](SaveStorySubfrm& f) {
        driver.on<lwratiofrm>("lwratiofrm", [](lwratiofrm& r) { r.opt1but.press(); });
        m.filemode = 3;
        f.ntxt.type("1");
        f.contbut.press();
        EXPECT_TRUE(f.filelbl[0].text().endsWith(u"/PLANT- 1"))
            << f.filelbl[0].text().toStdString();
        measure(f, "exported");
    });
    look<exchangebtwstoriesfrm>();
    m.loadsavedpartition(1);
    lookall<msprintpartitionfrm, manualpartition2frm>();

    // Every window class of both programs was measured.
    std::istringstream all(
        "AutomPartitionfrm MSReviewSavedPartitionsfrm SaveStorySubfrm addmatrixfrm "
        "addproductinfofrm automsearchfrm creditsfrm deleteproductfrm deletesavedlayoutfrm "
        "display1frm editfrm exchangebtwstoriesfrm exchangedeptsfrm filefrm flowfrm "
        "improvementalgorithmform introfrm layoutanalysis1frm layoutanalysis2frm "
        "layoutanalysis3frm layoutanalysis4frm lwratiofrm mainfrm mainmenufrm manualdeptfrm "
        "manualfixfrm manualpartition2frm manualpartitionfrm modifyproductinfofrm "
        "modifyproductinfofrm2 msmenufrm msprintpartitionfrm mstablesavedpartitionsfrm relfrm "
        "reviewproductfrm singlemenufrm sourcefrm specxyfrm svect2frm svectfrm t53336frm "
        "tablesavedlayoutsfrm");
    EXPECT_EQ(measured, std::set<std::string>(std::istream_iterator<std::string>(all), {}));
}

// Eighteen departments with names of up to ten characters, two-digit numbers
// and areas large enough for four-digit distances: the layout on screen, while
// exchanging, after an exchange, analysed and on paper; the departments of one
// story in the partition display and while they are entered by hand.
TEST_P(EveryWindow, EighteenDepartmentsReadInFull) {
    const char* const names[] = {"Receiving",  "Raw Stores", "Saw",       "Lathes",  "Mills",
                                 "Drills",     "Heat Treat", "Grinding",  "Paint",   "Assembly",
                                 "Inspection", "Finished G", "Shipping",  "Offices", "Tool Room",
                                 "Maintenanc", "Packaging",  "Quality Lb"};
    std::vector<std::pair<std::string, double>> depts;
    std::vector<Rated> chart;
    for (int i = 0; i < 18; ++i) {
        depts.emplace_back(names[i], 100000 + 37000 * ((i * 7) % 11));
        if (i > 0) chart.push_back({i, i + 1, i % 3 == 0 ? "A" : "E"});
    }
    setlayoutproblem(m, depts, chart, 1.35);
    m.orderpairsbyrating();
    m.sortdeptsbyarea();

    look<singlemenufrm>([this](singlemenufrm& menu) {
        driver.on<display1frm>("display1frm", [this](display1frm& d) {
            measure(d, "random layout");
            d.exchangebut.press();
            measure(d, "entering an exchange");
            d.nnx1txt.type("1");
            d.nnx2txt.type("18");
            d.makechangebut.press();
            measure(d, "after an exchange");
            printlayout(d, "after an exchange");
            lookatanalyses("18 departments");
            d.analysisbut.press();
            EXPECT_EQ(longest, 4) << "the distances should reach four digits";
            d.okbut.press();
        });
        menu.randombut.press();
    });
    lookall<manualdeptfrm, t53336frm>();
    look<AutomPartitionfrm>([this](AutomPartitionfrm& f) {
        measureon("msprintpartitionfrm", "one story");
        f.svnstortxt.type("1");
        f.sdiftxt.type("0.1");
        f.contbut.press();
    });
    m.nstories = 2;
    look<manualpartition2frm>([this](manualpartition2frm& f) {
        for (int d = 1; d <= 18; ++d) {
            f.itxt.type(std::to_string(d));
            f.enterbut.press();
        }
        measure(f, "18 entered");
    });
}

// Each misfit expected is among those found.
void expectfound(const std::vector<Misfit>& found, std::initializer_list<const char*> expected) {
    const std::string text = describe(found);
    for (const char* x : expected)
        EXPECT_NE(text.find(x), std::string::npos) << x << " not in:\n" << text;
}

// The measure itself: the wider font these windows once had does not fit
// them, and drawn texts that run into each other or into the building are
// found.
TEST(Measure, FindsCaptionsThatDoNotFit) {
    const QFont narrow = QApplication::font();
    QFont wide(QStringLiteral("DejaVu Sans"));
    wide.setPixelSize(13);
    QApplication::setFont(wide);
    const std::vector<Misfit> found = controlmisfits(AutomPartitionfrm());
    QApplication::setFont(narrow);
    expectfound(found, {"backbut \"Back to Multi-Story Menu\" wide",
                        "Label1 \"Number of Stories / Sites\" high"});
}

TEST(Measure, FindsDrawnTextsThatCollide) {
    forms::Surface s;
    s.scale(0, 0, 640, 200);
    s.fontname("system");
    s.printat(8, 56, "L/W Ratio 1.35 and a long tail");
    s.printat(1, 160, " 1  Receiving and Storage");
    s.printat(97, 160, " 2  Saw");
    s.printat(140, 40, " 3"); // a label of the building: kept to the box alone
    s.printat(600, 190, "Off the edge");
    const auto found = drawingmisfits("w", "box", s.ops(), QRectF(0, 0, 737, 473), Medium::screen,
                                      QRectF(115, 2, 518, 355));
    expectfound(found, {"\"L/W Ratio 1.35 and a long tail\" crosses the building's wall",
                        "\" 1  Receiving and Storage\" overlaps \" 2  Saw\"",
                        "\"Off the edge\" leaves the box"});
    EXPECT_EQ(describe(found).find("\" 3\""), std::string::npos) << describe(found);
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, EveryWindow,
                         ::testing::Values(Program::storeyone, Program::storeymany),
                         [](const auto& info) {
                             return info.param == Program::storeyone ? "storeyone" : "storeymany";
                         });

} // namespace
