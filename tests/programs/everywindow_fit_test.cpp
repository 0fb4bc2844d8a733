// Every window of both programs, opened headless with a problem loaded, and
// every text it shows measured with the fonts in use: captions, boxes, grid
// cells, list items, the drawn layout on screen and on the printed page.

#include "forms/application.h"
#include "forms/printer.h"
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
#include "singlestory/deletesavedlayoutfrm.h"
#include "singlestory/display1frm.h"
#include "singlestory/exchangedeptsfrm.h"
#include "singlestory/improvementalgorithmform.h"
#include "singlestory/layoutanalysis1frm.h"
#include "singlestory/layoutanalysis2frm.h"
#include "singlestory/layoutanalysis3frm.h"
#include "singlestory/layoutanalysis4frm.h"
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
#include <set>

namespace {

namespace fs = std::filesystem;

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
        completeproblem();
    }

    // The department window's Continue leads through the chart and the score
    // windows, which complete the problem; each is measured on its way.
    void completeproblem() {
        for (const char* w : {"mainfrm", "relfrm", "svectfrm", "svect2frm"})
            driver.on(w, [this](forms::Form& f) {
                measure(f);
                f.findChild<forms::CommandButton*>("okbut")->press();
            });
        // A complete problem returns to the main menu.
        driver.on("mainmenufrm", [this](forms::Form& f) {
            measure(f);
            f.close();
        });
        mainfrm departments;
        departments.show_modal();
    }

    // Keeps what a measure found, with the state the window was in.
    void record(std::vector<Misfit> found, const std::string& state) {
        for (Misfit& x : found) {
            if (!state.empty()) x.window += " (" + state + ")";
            misfits.push_back(std::move(x));
        }
    }

    // The window as it stands, in the state named.
    void measure(forms::Form& f, const std::string& state = {}) {
        measured.insert(f.name());
        record(controlmisfits(f), state);
    }

    // Opens a window whose script measures it, runs the extra steps and closes it.
    template <typename F, typename... Args>
    void look(const std::function<void(F&)>& steps = {}, Args&&... args) {
        F window(std::forward<Args>(args)...);
        driver.on<F>(window.name(), [this, steps](F& f) {
            measure(f);
            if (steps) steps(f);
            if (f.isopen()) f.close();
        });
        window.show_modal();
    }

    // What a window drew in its picture box: texts inside it, clear of each other.
    void measurebox(forms::Form& f, const std::string& state) {
        const auto* box = f.findChild<forms::PictureBox*>("layoutbox");
        ASSERT_NE(box, nullptr) << f.name();
        const QRectF area(QPointF(0, 0), QSizeF(box->size()));
        record(
            drawingmisfits(f.name(), "layoutbox", box->ops(), area, forms::Surface::Medium::screen),
            state);
    }

    // The layout drawn in the display's box.
    void measuredrawing(display1frm& f, const std::string& state) {
        const QRectF box(QPointF(0, 0), QSizeF(f.layoutbox.size()));
        record(layoutmisfits(f.layoutbox.ops(), box, forms::Surface::Medium::screen, 1), state);
    }

    // A drawn layout: its texts clear of each other and of the building's frame.
    std::vector<Misfit> layoutmisfits(const std::vector<forms::DrawOp>& drawing,
                                      const QRectF& target, forms::Surface::Medium medium,
                                      double pagefactor) {
        const double kx = target.width() / 640, ky = target.height() / 200;
        const QRectF building(target.left() + 100 * kx, target.top() + ky, double(m.drawwidth) * kx,
                              pagefactor * double(m.drawheight) * ky);
        return drawingmisfits(
            "display1frm", medium == forms::Surface::Medium::screen ? "layoutbox" : "printed page",
            drawing, target, medium, building);
    }

    // The page the printer drew, on the paper sizes of both locales.
    void measurepage(const forms::PrintJob& job, const std::string& state) {
        for (const QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(size));
            const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
            record(layoutmisfits(job.ops, area, forms::Surface::Medium::paper, 0.531225), state);
        }
    }

    // The four analysis windows of a display, each measured and continued.
    void lookatanalyses(const std::string& state) {
        const auto next = [this, state](forms::Form& f) {
            measure(f, state);
            for (const QLineEdit* box : f.findChildren<QLineEdit*>())
                if (box->objectName().startsWith("reltxt"))
                    longest = std::max(longest, box->text().trimmed().size());
            f.findChild<forms::CommandButton*>("okbut")->press();
        };
        for (const char* w : {"layoutanalysis1frm", "layoutanalysis2frm", "layoutanalysis3frm",
                              "layoutanalysis4frm"})
            driver.on(w, next);
    }

    // Draws the display's layout on the printer and measures the page.
    void printlayout(display1frm& d, const std::string& state) {
        const std::size_t before = driver.prints().size();
        d.prntbut.press();
        ASSERT_EQ(driver.prints().size(), before + 1);
        measurepage(driver.prints().back(), state);
    }

    void problemwindows();
    void singlestorywindows();
    void multistorywindows();

    TempDir dir;
    fs::path folder;
    std::vector<Misfit> misfits;
    std::set<std::string> measured;
    // The most digits an analysis window showed in one pair box.
    qsizetype longest = 0;
};

// The windows of the problem: start-up, definition, edit, products, matrices.
void EveryWindow::problemwindows() {
    look<creditsfrm>();
    look<introfrm>();
    look<mainmenufrm>();
    look<sourcefrm>();
    {
        CurrentFolder here(folder);
        look<filefrm>();
        // The folder list scrolls to show the folder's full path.
        std::erase_if(misfits, [this](const Misfit& x) { return x.text == folder.string(); });
    }
    look<editfrm>();
    look<lwratiofrm>();
    look<specxyfrm>();
    look<flowfrm>();
    look<reviewproductfrm>();
    look<addproductinfofrm>();
    look<modifyproductinfofrm>();
    look<deleteproductfrm>();
    m.selprod = 1;
    m.pickproduct();
    look<modifyproductinfofrm2>();
    look<t53336frm>([this](t53336frm& f) { measurebox(f, "flows"); });
    look<addmatrixfrm>([this](addmatrixfrm& f) {
        measurebox(f, "additions");
        f.chgaddmatbut.press();
        measure(f, "entering a change");
    });
}

// The single-story windows with the problem's saved layouts.
void EveryWindow::singlestorywindows() {
    look<singlemenufrm>();
    look<manualdeptfrm>([this](manualdeptfrm& f) { measurebox(f, "legend"); });
    look<manualfixfrm>();
    look<automsearchfrm>();
    look<exchangedeptsfrm>();
    look<tablesavedlayoutsfrm>([this](tablesavedlayoutsfrm& f) {
        driver.on<deletesavedlayoutfrm>("deletesavedlayoutfrm", [this](deletesavedlayoutfrm& d) {
            measure(d);
            d.cancelbut.press();
        });
        f.deletebut.press();
    });
    // An improvement walk shows the display in iteration mode.
    look<improvementalgorithmform>([this](improvementalgorithmform& f) {
        driver.on<display1frm>("display1frm", [this](display1frm& d) {
            measure(d, "iteration");
            measuredrawing(d, "iteration");
            lookatanalyses("iteration");
            d.analysisbut.press();
            printlayout(d, "iteration");
            d.termbut.press();
        });
        f.ntxt.type("1");
        f.okbut.press();
    });
}

// The multi-story windows with the problem's saved partitions.
void EveryWindow::multistorywindows() {
    look<msmenufrm>();
    look<AutomPartitionfrm>();
    look<manualpartitionfrm>();
    look<MSReviewSavedPartitionsfrm>();
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
    look<msprintpartitionfrm>();
    look<manualpartition2frm>();
}

TEST_P(EveryWindow, EveryTextFitsWhereTheWindowPutsIt) {
    problemwindows();
    singlestorywindows();
    multistorywindows();
    EXPECT_TRUE(misfits.empty()) << describe(misfits);

    const std::set<std::string> all = {"AutomPartitionfrm",
                                       "MSReviewSavedPartitionsfrm",
                                       "SaveStorySubfrm",
                                       "addmatrixfrm",
                                       "addproductinfofrm",
                                       "automsearchfrm",
                                       "creditsfrm",
                                       "deleteproductfrm",
                                       "deletesavedlayoutfrm",
                                       "display1frm",
                                       "editfrm",
                                       "exchangebtwstoriesfrm",
                                       "exchangedeptsfrm",
                                       "filefrm",
                                       "flowfrm",
                                       "improvementalgorithmform",
                                       "introfrm",
                                       "layoutanalysis1frm",
                                       "layoutanalysis2frm",
                                       "layoutanalysis3frm",
                                       "layoutanalysis4frm",
                                       "lwratiofrm",
                                       "mainfrm",
                                       "mainmenufrm",
                                       "manualdeptfrm",
                                       "manualfixfrm",
                                       "manualpartition2frm",
                                       "manualpartitionfrm",
                                       "modifyproductinfofrm",
                                       "modifyproductinfofrm2",
                                       "msmenufrm",
                                       "msprintpartitionfrm",
                                       "mstablesavedpartitionsfrm",
                                       "relfrm",
                                       "reviewproductfrm",
                                       "singlemenufrm",
                                       "sourcefrm",
                                       "specxyfrm",
                                       "svect2frm",
                                       "svectfrm",
                                       "t53336frm",
                                       "tablesavedlayoutsfrm"};
    EXPECT_EQ(measured, all);
}

// Eighteen departments with names of up to ten characters, two-digit numbers
// and areas large enough for four-digit distances.
void setfulldepartments(Module1& m) {
    const char* const names[] = {"Receiving",  "Raw Stores", "Saw",       "Lathes",  "Mills",
                                 "Drills",     "Heat Treat", "Grinding",  "Paint",   "Assembly",
                                 "Inspection", "Finished G", "Shipping",  "Offices", "Tool Room",
                                 "Maintenanc", "Packaging",  "Quality Lb"};
    std::vector<std::pair<std::string, double>> depts;
    for (int i = 0; i < 18; ++i)
        depts.emplace_back(names[i], 100000 + 37000 * ((i * 7) % 11));
    std::vector<Rated> chart;
    for (int i = 1; i < 18; ++i)
        chart.push_back({i, i + 1, i % 3 == 0 ? "A" : "E"});
    setlayoutproblem(m, depts, chart, 1.35);
    m.orderpairsbyrating();
    m.sortdeptsbyarea();
}

// The layout of eighteen departments on screen, while exchanging, after an
// exchange, analysed and on paper.
TEST_P(EveryWindow, EighteenDepartmentsFitTheLayoutDisplayAndThePrintedPage) {
    setfulldepartments(m);
    look<singlemenufrm>([this](singlemenufrm& menu) {
        driver.on<display1frm>("display1frm", [this](display1frm& d) {
            measure(d, "random layout");
            measuredrawing(d, "random layout");
            d.exchangebut.press();
            measure(d, "entering an exchange");
            d.nnx1txt.type("1");
            d.nnx2txt.type("18");
            d.makechangebut.press();
            measure(d, "after an exchange");
            measuredrawing(d, "after an exchange");
            printlayout(d, "after an exchange");
            lookatanalyses("18 departments");
            d.analysisbut.press();
            EXPECT_EQ(longest, 4) << "the distances should reach four digits";
            d.okbut.press();
        });
        menu.randombut.press();
    });
    look<manualdeptfrm>([this](manualdeptfrm& f) { measurebox(f, "18 departments"); });
    look<t53336frm>([this](t53336frm& f) { measurebox(f, "18 departments"); });
    EXPECT_TRUE(misfits.empty()) << describe(misfits);
}

// Eighteen departments on one story: in the partition display and while
// they are entered by hand.
TEST_P(EveryWindow, EighteenMembersOfAStoryReadInFull) {
    setfulldepartments(m);
    look<AutomPartitionfrm>([this](AutomPartitionfrm& f) {
        driver.on("msprintpartitionfrm", [this](forms::Form& d) {
            measure(d, "one story");
            d.close();
        });
        f.svnstortxt.type("1");
        f.sdiftxt.type("0.1");
        f.contbut.press();
    });
    m.nstories = 2;
    look<manualpartition2frm>([](manualpartition2frm& f) {
        for (int d = 1; d <= 18; ++d) {
            f.itxt.type(std::to_string(d));
            f.enterbut.press();
        }
    });
    // The last look measured the window before the entry: measure it full.
    look<manualpartition2frm>([this](manualpartition2frm& f) {
        for (int d = 1; d <= 18; ++d) {
            f.itxt.type(std::to_string(d));
            f.enterbut.press();
        }
        measure(f, "18 entered");
    });
    EXPECT_TRUE(misfits.empty()) << describe(misfits);
}

// The measure itself: the wider font these windows once had does not fit
// them, and drawn texts that run into each other or into the building are
// found.
TEST(Measure, FindsCaptionsThatDoNotFit) {
    const QFont narrow = QApplication::font();
    QFont wide(QStringLiteral("DejaVu Sans"));
    wide.setPixelSize(13);
    QApplication::setFont(wide);
    std::vector<Misfit> found;
    {
        AutomPartitionfrm f;
        found = controlmisfits(f);
    }
    QApplication::setFont(narrow);
    const std::string text = describe(found);
    EXPECT_NE(text.find("backbut \"Back to Multi-Story Menu\" wide"), std::string::npos) << text;
    EXPECT_NE(text.find("Label1 \"Number of Stories / Sites\" high"), std::string::npos) << text;
    AutomPartitionfrm f;
    EXPECT_TRUE(controlmisfits(f).empty()) << describe(controlmisfits(f));
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
    const QRectF box(0, 0, 737, 473);
    const QRectF building(115, 2, 518, 355);
    const std::string text = describe(
        drawingmisfits("w", "box", s.ops(), box, forms::Surface::Medium::screen, building));
    EXPECT_NE(text.find("\"L/W Ratio 1.35 and a long tail\" crosses the building's wall"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\" 1  Receiving and Storage\" overlaps \" 2  Saw\""), std::string::npos)
        << text;
    EXPECT_NE(text.find("\"Off the edge\" leaves the box"), std::string::npos) << text;
    EXPECT_EQ(text.find("\" 3\""), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, EveryWindow,
                         ::testing::Values(Program::storeyone, Program::storeymany),
                         [](const auto& info) {
                             return info.param == Program::storeyone ? "storeyone" : "storeymany";
                         });

} // namespace
