#include "model/module1.h"

void Module1::initproblem() {
    randomize(timervalue() + 1234.56);
    prodflag = 1;
    batchmode = 0;
    const char* const codes[] = {"", "A", "E", "I", "O", "U", "X"};
    for (int k = 1; k <= 6; ++k)
        relcode[k] = codes[k];
    const char* const letters[] = {"", "A", "B", "C", "D", "E", "F", "G", "H", "I"};
    for (int k = 1; k <= 9; ++k)
        zonelabel[k] = letters[k];
    const int weights[] = {0, 10, 5, 2, 1, 0, -10};
    for (int k = 1; k <= 6; ++k)
        relweight[k] = weights[k];
    for (int k = 1; k <= 9; ++k)
        zoneletter[k] = letters[k];
    for (int k = 1; k <= 9; ++k) {
        zoneright[k] = 0;
        zoneleft[k] = 0;
        zonearea[k] = 0;
    }
    for (int i = 1; i <= maxdept; ++i)
        deptpos[i] = 0;
    ndept = 0;
    for (int i = 1; i <= maxdept; ++i) {
        for (int j = 1; j <= maxdept; ++j) {
            addflowmatrix[i][j] = 0;
            flowmatrix[i][j] = 0;
            flowdist[i][j] = 0;
        }
    }
    newchart = 1;
    for (int i = 1; i <= maxdept; ++i) {
        for (int j = i + 1; j <= maxdept; ++j)
            relchart[i][j] = "";
    }
}
