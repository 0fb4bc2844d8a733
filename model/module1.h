#pragma once
// Module1: the program-wide state of a MARQUETA run and every shared procedure.
//
// One instance lives for a program run (see module1() below); each test makes
// its own. Tables keep the classic indexing: department tables 0..18 with
// entry 0 unused, pair tables 19 x 19, zone tables 0..9, rating tables 0..6.
// The tables are std::array so that a bad index is caught in checked builds;
// procedures check every index that comes from a file or a user before use.
//
// The procedures work on the state and report through it, as the rest of the
// program expects; they take no arguments except where they work on a part
// the caller names (a pair range, a saved entry), and the problem-file reader
// and writer say whether they succeeded. Where a procedure must tell the
// user something or open a window it calls the hooks below, which the window
// layer installs, so that this module needs nothing but the standard library.

#include "model/cell.h"

#include <array>
#include <functional>
#include <random>
#include <string>
#include <string_view>

// Which of the two programs is running. Set once at start.
enum class Program { storeyone, storeymany };

template <typename T, std::size_t N> using Table = std::array<T, N>;
template <typename T, std::size_t R, std::size_t C> using Table2 = std::array<std::array<T, C>, R>;
template <typename T, std::size_t A, std::size_t B, std::size_t C>
using Table3 = std::array<Table2<T, B, C>, A>;

inline constexpr int maxdept = 18;
inline constexpr int maxprod = 14;
inline constexpr int maxprodvec = 400;
inline constexpr int maxsavedlayouts = 20; // from windows; the search uses one more
inline constexpr int savedlayoutstorage = 24;
inline constexpr int maxsavedpart = 20;
inline constexpr int maxstories = 6;
// The length-to-width ratio a building takes when nothing else gives it one.
inline constexpr double defaultratio = 1.35;

struct Module1 {
    Program program = Program::storeyone;

    // ---- hooks installed by the window layer --------------------------------
    // A message box with one OK button and the program's name as title.
    std::function<void(std::string_view)> showmessage;
    // Opens the named window (e.g. "relfrm", "display1frm") modally and returns
    // when it has closed.
    std::function<void(std::string_view)> showwindow;
    // Seconds since midnight, the seed of the random generator; tests replace it.
    std::function<double()> timer;
    // The timer hook's value, or the seconds since local midnight when none is set.
    double timervalue() const;

    void msgbox(std::string_view text) const;
    void openwindow(std::string_view name) const;

    // ---- random numbers ------------------------------------------------------
    std::mt19937_64 rng{1};
    void randomize(double seed);
    double rnd(); // next uniform number in [0, 1)

    // ---- department table ----------------------------------------------------
    int ndept = 0;
    Table<std::string, 19> deptname{};
    Table<Cell, 19> deptarea{};
    double totalarea = 0, avgarea = 0, stdarea = 0;
    // Whether d is a department of the problem, 1..ndept. A saved layout or
    // partition may still list a department removed since; it weighs nothing.
    bool inproblem(int d) const;
    // The area a saved layout or partition counts for a stored department
    // number: 0 for no department, a number outside the table and a department
    // beyond ndept, whose area only the run that removed it still remembers.
    double savedentryarea(const Cell& dept) const;
    // totalarea, avgarea and stdarea (population deviation) from deptarea(1..N);
    // 0 when N is 0 or the variance rounds below 0.
    void computeareastats();

    // ---- rating letters and scores ------------------------------------------
    Table<Cell, 7> relcode{};
    Table<Cell, 7> relweight{};

    // ---- pair tables ---------------------------------------------------------
    Table2<Cell, 19, 19> relchart{};
    // The letter the chart keeps of an entry typed or read: its first
    // character, case kept. An empty text, and a cell that holds no text, stay
    // as they are.
    static Cell chartletter(const Cell& entry);
    Table2<double, 19, 19> relvalue{};
    Table2<Cell, 19, 19> flowmatrix{};
    Table2<Cell, 19, 19> addflowmatrix{};
    Table2<double, 19, 19> flowdist{};

    // ---- products ------------------------------------------------------------
    Cell nprod;
    Table<std::string, 15> prodname{};
    Table<Cell, 15> uload{}, prodvecstart{}, prodveclen{};
    Table<Cell, 401> prodvec{};
    Cell prodvectotal;

    // ---- products: working values -------------------------------------------
    // A product as typed in the add or change window: its name, unit loads and
    // the steps 1..nsteps of its routing.
    struct TypedProduct {
        std::string name;
        double uload = 0;
        int nsteps = 0;
        Table<double, 19> steps{};
    };
    // The product picked in the delete or change-choice window, or being added;
    // 0 before any. Never cleared.
    int selprod = 0;
    // The product picked for change, as it was.
    std::string liftprodname;
    Cell liftuload;
    Table<Cell, 19> liftprodvec{};
    // The product table and the whole routing vector as they were when a
    // product was picked for change.
    Table<std::string, 15> bakprodname{};
    Table<Cell, 15> bakuload{}, bakprodvecstart{}, bakprodveclen{};
    Table<Cell, 401> bakprodvec{};
    Cell bakprodvectotal;
    // Whether the routing vector has room for nsteps more steps.
    bool routingroom(int nsteps) const;
    // Whether the table takes one more product of nsteps steps.
    bool productroom(int nsteps) const;
    // Appends the typed product as product nprod + 1 (selprod), its routing
    // right after the last one. Does nothing when the table has no room.
    void addproduct(const TypedProduct& typed);
    // Removes product selprod: the later routings move down over its steps and
    // the later products close up by one number. The count stays as it is.
    void removeproduct();
    // Removes product selprod and counts one product fewer.
    void deleteproduct();
    // Picks product selprod for change: backs up the table, lifts the product
    // out and removes it, so that entry nprod becomes its place.
    void pickproduct();
    // Makes entry nprod an empty place right after the last routing.
    void prepareproductplace();
    // The steps of the changed product's routing: the typed ones, then those
    // of the picked routing beyond the change window's 18 boxes.
    int changedlength(const TypedProduct& typed) const;
    // Rebuilds the table from the backup with the typed product as the last
    // one; does nothing when the routing vector has no room for it.
    void changeproduct(const TypedProduct& typed);
    // Brings back the table as it was before the product was picked.
    void restoreproducts();
    // Makes 0 every routing step that names a department above ndept;
    // starts, lengths and the routing length stay. Touches nothing when no
    // step names such a department.
    void fitroutings();

    // ---- building and drawing values (the ratio record) ---------------------
    Cell drawwidth, drawheight, drawcellwidth, drawcellheight;
    Cell ratioaux1, ratioaux2, ratioaux3;
    Cell lwratio, layoutlength, layoutwidth, gridflag;
    // Sizes the building (width across the bands, length along them) so that
    // width x length is totalarea and length / width is the ratio. Without a
    // usable ratio (not a positive finite number) the building keeps its own
    // shape, unchanged while it still fits the total area, or takes
    // defaultratio when it has no size. A total below 0 counts as 0, so the
    // size is always finite.
    void sizebuilding(double ratio);
    // The drawing box of the default ratio (its preset in the ratio window).
    struct DrawingBox {
        int width, height, cellwidth, cellheight;
    };
    static constexpr DrawingBox defaultbox{450, 150, 150, 50};
    // storeyone before it evaluates or draws a layout: the building sized from
    // the ratio, and the default box for a problem that has no drawing box (a
    // keyboard problem saved by storeymany), whose layouts would otherwise be
    // drawn and scored in a box of no size.
    void sizelayout();

    // ---- zone letters --------------------------------------------------------
    Table<std::string, 10> zoneletter{}, zonelabel{};

    // ---- flags and names -----------------------------------------------------
    Cell problementered;
    int newchart = 0;
    int chartsource = 0;
    int prodflag = 0;
    std::string datasource;
    std::string problemfile;
    std::string loadfilename;
    int filemode = 0;
    int batchmode = 0;
    // The file window's memory of the last name, folder and drive (storeyone).
    std::string savename, savefolder, savedrive;

    // ---- new problem and problem file ---------------------------------------
    void initproblem();
    // Forgets what is held for departments above ndept: their pairs (see
    // below), and through fittocount their routing steps and their places in
    // the saved layouts and partitions.
    // A department numbered there later starts unrated, without loads and in
    // no saved layout or partition, as in a run that read the problem from
    // its file. Names and areas stay in their slots.
    void forgetbeyondcount();
    // The routings, saved layouts and saved partitions fitted to the problem's
    // departments: fitroutings, fitsavedlayouts and fitsavedpartitions.
    void fittocount();
    // Forgets the pairs that involve a department above ndept: letters (the
    // chart backup's too), relationship values, loads, additions, flows and
    // held loads. With ndept 0 that is every pair.
    void forgetpairsbeyondcount();
    // What the chart and score windows build from a problem, built at once for
    // a problem just read: relationship values, pair lists, the largest
    // adjacency score, department scores and the area order. The problem does
    // not count as complete by it.
    void deriveproblem();
    // Both tell the user themselves when the file cannot be written or read,
    // and leave the file (writer) or the problem (reader) as it was; the
    // result says whether they succeeded.
    bool saveproblemfile();
    bool loadproblemfile();
    std::string storysuffix; // story number of the story export (file mode 3)
    int curstory = 0;

    // ---- area order and pair lists by rating --------------------------------
    Table<int, 37> deptorder{}; // places 0..36: a buffer that grows at both ends
    Table<int, 19> deptorderpos{};
    Table2<int, 3, 154> relclasspairs{}; // (1, p) and (2, p): the lower and higher department
    Table<int, 7> relclassstart{};       // start of class A..X, 1..6
    // deptorder(1..N): departments by ascending area; deptorderpos(i): the place of i.
    void sortdeptsbyarea();
    // relclasspairs: the pairs i < j rated A, E, I, O, U, X (either case), class by class.
    void orderpairsbyrating();

    // ---- score vector results -------------------------------------------------
    Table<int, 7> nrelpairs{};
    Table2<int, 7, 163> relpairs{}; // 100 * i + j of the n-th pair of code k
    Table<double, 154> relvaluelist{};
    double maxadjscore = 0;
    Table<double, 19> deptscore{};
    // relvalue, nrelpairs, relpairs, relvaluelist, maxadjscore and deptscore
    // from the chart and the score vector.
    void computerelvalues();
    // computerelvalues, then marks the problem complete.
    void computescorevector();

    // ---- flows, chart from flows, chart backup ------------------------------
    double totalflow = 0, sumsqflow = 0, maxflow = 0; // of the folded pair flows
    Table<double, 6> flowthresh{};                    // 2..5: 1 to 4 fifths of maxflow
    Table<Cell, 401> relchartbackup{}; // (0) the department count, then the pairs i < j by row
    int relfromflow = 0;               // 1 while relchart is derived from flows
    // The loads the flows in use were built from: the matrix as the file or the
    // load chart gave it before the routings and additions were first added.
    // Held from the first switch to the chart from flows until another problem starts.
    Table2<Cell, 19, 19> heldloads{};
    int loadsheld = 0; // 1 while heldloads holds this problem's loads
    void buildflowmatrix();
    // The flows of a switch to the chart from flows: the held loads (the
    // matrix itself the first time, which is then held) with the routings and
    // additions added once, however often the chart is switched.
    void buildflowsfromloads();
    // A load typed over the flow in use of pair i < j: the next switch builds
    // exactly this flow when the routings and additions stay as they are.
    void changeload(int i, int j, double load);
    // What the routings and additions put into the flow of pair i < j while
    // loads are held (0 otherwise): the smallest flow the load chart takes
    // for the pair, so that the held load never goes below 0.
    double routedshare(int i, int j) const;
    // The load the problem file keeps for pair (i, j): the held load while
    // loads are held, otherwise the matrix entry, which then holds the loads.
    // The routings and additions a switch adds are never written.
    const Cell& fileload(int i, int j) const;
    void relchartfromflow();
    void backuprelchart();
    // Brings back the typed letters of the pairs the backup holds (pairs of
    // departments added since are unrated), keeping the department count;
    // shows the chart and score windows, rebuilds the pair lists.
    void restorerelchart();
    // A problem just read or begun at the keyboard starts on its own standard
    // chart: the flags of the chart from flows drop, the held loads go and the
    // backup holds this problem's chart.
    void usestandardchart();
    // The display divisor of a chart of flows: a power of ten from 10 to 1000000
    // chosen from the largest value shown (1000 and less: 10; 1001 to 10000: 100; ...).
    static double flowdivisor(double largest);

    // ---- current layout, evaluation and adjacency ---------------------------
    Table<int, 10> zoneleft{}, zoneright{};
    Table<double, 10> zonearea{};
    Table<int, 19> deptpos{};
    // Results of the evaluation, per department: the rectangle in the drawing
    // space (x edges unrounded, y edges whole pixels, y growing downwards), the
    // centroid in building units (y from the bottom wall) and the band height.
    // A department the last evaluation did not place has them all 0.
    Table<double, 19> deptx1{}, deptx2{}, depty1{}, depty2{};
    Table<double, 19> centroidx{}, centroidy{}, bandheight{};
    // 1 where the last evaluation placed the department: it sits on a zone side
    // of a band whose area is not 0, so its geometry is this layout's.
    Table<int, 19> deptplaced{};
    // (i, j), i < j: 1 = the rectangles touch. Only rated pairs of two placed
    // departments are tested; every other pair is 0.
    Table2<int, 19, 19> adjmatrix{};
    int adjflag = 0;

    // The three bands of the current layout, index 1 (top) to 3 (bottom).
    struct Bands {
        Table<double, 4> area{};          // sum of the band's zone areas
        Table<double, 4> height{};        // building units
        Table<double, 4> centre{};        // centre height above the bottom wall, building units
        Table<double, 4> top{}, bottom{}; // pixel edges: 1, p1, p2, drawheight
    };
    Bands bands() const;
    // Where a drawn layout puts its department numbers: rounded band heights q
    // and the text row of each band, on 8-pixel text cells (index 1 to 3).
    struct LabelGrid {
        Bands bands;
        Table<double, 4> q{};
        Table<double, 4> row{};
    };
    LabelGrid labelgrid() const;
    // Whether the last evaluation placed both departments of pair (i, j); not
    // for a number outside 1..18.
    bool pairplaced(int i, int j) const;
    // Text column of department d's number, from its evaluated rectangle.
    double labelcolumn(int d) const;
    // Whether department d's right edge is drawn: not when it lies within 5
    // pixels of the right wall, which the frame already draws.
    bool rightedgedrawn(int d) const;
    // Geometry, adjacency of the rated pairs and the raw adjacency score of the
    // current layout, from nothing an earlier evaluation left. The two names
    // run the same evaluation.
    void evallayout();
    void layoutgeometry();

    // ---- distances, relationship-distance score, product movement -----------
    Table2<double, 19, 19> distmatrix{};
    Table<double, 154> distlist{};
    int npairs = 0;
    double rscore = 0, lowerbound = 0, upperbound = 0, reldist = 0;
    double maxflowdist = 0;
    // distmatrix (both orders, 0 on the diagonal), distlist in pair order
    // (1,2), (1,3), ... and npairs, from the evaluated centroids. A pair with
    // a department the evaluation did not place is 0 apart.
    void calcdistmatrix();
    // Product movement. Clears adjscore; with product data in use (prodflag 1)
    // fills flowdist and maxflowdist and returns the sum of flow times
    // distance, otherwise returns an empty cell and leaves both alone.
    Cell calcflowdistances();
    void calcdeptdistances();
    // R, its bounds and reldist. The bounds pair the ascending distances with
    // every pair's score, the unrated pairs' 0 included, highest first.
    void reldistscore();
    void computeflowdistancescore();

    // ---- fixed arrangement and saved layouts --------------------------------
    Table<int, 10> fixzoneleft{}, fixzoneright{};
    Table<double, 10> fixzonearea{};
    Table<int, 19> fixdeptpos{};
    int hasfixed = 0;
    Table<int, 19> deptfixed{};
    Cell nsavedlayouts;
    Table2<Cell, 10, savedlayoutstorage> savedzoneleft{}, savedzoneright{}, savedzonearea{};
    Table2<Cell, 19, savedlayoutstorage> saveddeptpos{};
    Table<Cell, savedlayoutstorage> savedadjscore{};
    Table<double, savedlayoutstorage> savedreldist{}, savedrscore{};
    Table<Cell, savedlayoutstorage> savedprodmove{};
    void randomlayout();
    void clearlayouts();
    void prepareautosearch();
    void restorefixedlayout();
    void addsavedlayout();
    void reviewsavedlayouts();
    // Zone k of saved entry q: the area of its two departments.
    double savedzonesum(int k, int q) const;
    // Takes departments above ndept out of the saved layouts, and every side
    // after the first that names a department (zones in order, left before
    // right): those sides become 0 and the zone's area follows. Then makes
    // every position agree with the zones: 100 x zone + side where a side
    // names the department, no place where none does, and empty above ndept.
    void fitsavedlayouts();
    // Makes saved entry q (0 to 23) the current layout: zones and positions.
    // A department the entry lists beyond ndept is left out of the zones.
    void loadsavedlayout(int q);

    // ---- evaluation and exchange working values -----------------------------
    double adjscore = 0;
    int itermode = 0;
    int storescores = 0;
    int curlayout = 0;
    int itercount = 0;
    int baselayout = 0;
    int stopflag = 0;
    // Exchanges departments i and j in the current layout: positions, zone
    // areas and zone sides. Two departments of one zone leave its area as it was.
    void exchangedepts(int i, int j);
    // The power of ten that the matrix windows divide their values by.
    double flowscale = 10;

    // ---- automatic search and saved-layout table ------------------------------
    double nsearchlayouts = 0; // as typed: 2.5 asks for layouts 1 and 2
    int searchlayout = 0;      // the layout k being produced
    int passbest = 0;          // saved entry holding the best layout of the pass
    int noimprove = 0;         // 1 until the pass accepts an exchange
    int nfixlisted = 0;        // placements listed so far in the manual placement window
    // Per saved entry: the number of saved layouts strictly better in each score.
    Table<int, savedlayoutstorage> adjrank{}, reldistrank{}, rscorerank{}, prodmoverank{};
    // The search with batchmode 1 and the fixed arrangement set: for each k up
    // to nsearchlayouts completes the fixed arrangement at random into entry k
    // and improves it by pairwise exchanges; afterwards the table holds k layouts.
    void searchlayouts();
    // The exchange passes for layout searchlayout, whose random layout is the
    // last saved entry; leaves the best one found as the last entry (k or k + 1).
    void searchpasses();
    // Copies saved entry from into entry to: the four scores, zones and positions.
    void copysavedlayout(int from, int to);
    // Makes each saved layout current in turn and recomputes all its scores
    // (storescores 1); curlayout ends one past the last.
    void rescoresavedlayouts();
    // The four ranks of every saved entry; without product data (prodflag 0)
    // the product movements become 0.
    void ranksavedlayouts();

    // ---- partitions ------------------------------------------------------------
    Cell nsavedpart;
    Table<Cell, maxsavedpart + 1> savednstories{}, saveddesiredadf{}, savedpartspare{},
        savedimproved{}, savedactualadf{}, savedpartspare2{}, savedpartspare3{}, savedpartscore{};
    Table2<Cell, maxstories + 1, maxsavedpart + 1> savedstorycount{}, savedstoryarea{};
    Table3<Cell, maxstories + 1, maxdept + 1, maxsavedpart + 1> savedstorymembers{};
    Table2<Cell, maxdept + 1, maxsavedpart + 1> savedstoryofdept{};
    // Recompute the saved partitions' story areas and scores from the current
    // areas and relationship values.
    void recomputesavedstoryareas();
    void rescoresavedpartitions();
    // Both, before the saved partitions are written or shown.
    void refreshsavedpartitions();
    // Story s of saved partition p: the area of its members.
    double savedstorysum(int s, int p) const;
    // Takes departments above ndept off the saved partitions' story lists, and
    // every listing of a department after its first (stories and members in
    // order): the story's count and area follow, and a story left without
    // members stays, empty. Then makes every story entry name the story whose
    // list holds the department, or no story, and empty above ndept.
    void fitsavedpartitions();

    // The current partition: stories 1..nstories, departments 1..N.
    int nstories = 0;
    Table<int, maxdept + 1> storyofdept{};                   // 0 = on no story yet
    Table<int, maxstories + 1> storycount{};                 // departments on story s
    Table2<int, maxstories + 1, maxdept + 1> storymembers{}; // (s, m): in order of placement
    Table<double, maxstories + 1> storyarea{};
    Cell desiredadf; // the allowed factor; the empty text after a manual partition
    double actualadf = 0;
    double partscore = 0;
    Cell improvedflag;
    Cell partspare; // carried into the saved table and the problem file, never set here

    // Working values of the constructions and the improvement.
    double targetarea = 0, lowerarea = 0, upperarea = 0;
    int nassigned = 0;
    int storiesleft = 0; // stories not yet opened; the next one is nstories - storiesleft + 1
    Table2<int, maxdept + 1, maxdept + 1> keepapart{}; // 1 = never on one story
    Table<double, maxstories + 1> storygain{};         // gain of the pair under test per story
    Table<int, maxdept + 1> ordertaken{};              // per place of deptorder: 1 = placed
    Table<double, maxstories + 1> storycap{};          // area a story may still take

    // A partition set aside while the automatic partition builds its candidates.
    // The candidates never enter the saved table, so the user's saved
    // partitions stay as they are however many there are.
    struct PartitionRecord {
        int nstories;
        Cell partspare, improvedflag, desiredadf;
        double actualadf, partscore;
        Table<int, maxstories + 1> storycount;
        Table<double, maxstories + 1> storyarea;
        Table2<int, maxstories + 1, maxdept + 1> storymembers;
        Table<int, maxdept + 1> storyofdept;
    };
    Table<PartitionRecord, 5> workpartitions{}; // 1..4: each candidate as built and as improved
    int nworkpartitions = 0;
    PartitionRecord partitionrecord() const;
    void setpartition(const PartitionRecord& r);
    // Sets the current partition aside as the next working record.
    void keepworkpartition();

    // Appends the current partition to the saved table; a full table loses entry 20.
    void savepartition();
    // targetarea, lowerarea and upperarea from totalarea, nstories and desiredadf.
    void computeareabounds();
    // Partition score: every pair of departments that share a story.
    void scorepartition();
    // actualadf from the smallest and largest story areas (targetarea recomputed).
    void computeactualadf();
    // The partition display's factor: smallest starts at totalarea, largest at 0.
    void displayactualadf();
    // The factor of story areas 1..nstories against targetarea, the smallest
    // and largest found from the given starts with <= and >=.
    double factorofareas(const Table<double, maxstories + 1>& areas, double smallest,
                         double largest) const;
    // Whether typed input may start the automatic partition: a whole story
    // count of 1 to 6 and a factor above 0 and at most 1.
    static bool partitioninputinrange(double stories, double factor);

    // Automatic partition: with nstories and desiredadf set, builds the
    // relationship-driven and the area-driven candidate, improves both and
    // leaves the better one as the current partition.
    void automaticpartition();
    void resetpartition();
    // The construction driven by the chart: the rating classes that outweigh
    // the repulsion of X are placed before the X pairs are kept apart.
    void partitionbyrelationship();
    // Keeps apart the pairs at list places first..last with a department not yet placed.
    void markpairsapart(int first, int last);
    // Places the pairs at list places first..last; a range that ends just before
    // the X block also completes the partition.
    void assignpairsbyrelationship(int first, int last);
    void fillstoriesbyarea();
    // Moves departments onto stories below lowerarea, from the largest down.
    void balancepartition();
    // Exchanges departments between stories of the partition kept last while
    // the score rises by at least 1 within the factor.
    void improvepartition();

    // ---- review and story export of saved partitions ------------------------
    int exportpartno = 0; // the saved partition whose stories the export writes
    // Makes saved entry q (1 to 20) the current partition, every field it carries.
    void loadsavedpartition(int q);
    // Writes each story of saved partition exportpartno as a problem file of its
    // own (problemfile, "-" and the story number), then restores the problem.
    void savestoryfiles();
};

// The running program's state. Programs and tests install their instance.
Module1& module1();
void usemodule1(Module1* m);
