// The chart turned into numbers through the score vector: pair values, pairs
// per code, the value list, the largest adjacency score and department scores.

#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>
#include <string>

void Module1::computescorevector() {
    computerelvalues();
    problementered = 1;
}

void Module1::computerelvalues() {
    const int n = problemsize(ndept);
    for (int i = 1; i <= n; ++i)
        deptscore[i] = 0;
    for (int k = 1; k <= 6; ++k)
        nrelpairs[k] = 0;

    // A pair takes the score of the first code its letter equals exactly, case
    // included. A pair i < j whose letter equals no code has no value, whatever
    // an earlier letter or problem gave it. An empty code stands for no letter,
    // so it matches nothing.
    Table<std::string, 7> code{};
    for (int k = 1; k <= 6; ++k)
        code[k] = relcode[k].str();
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            const std::string letter = relchart[i][j].str();
            if (i < j) {
                relvalue[i][j] = 0;
                relvalue[j][i] = 0;
            }
            for (int k = 1; k <= 6; ++k) {
                if (code[k].empty() || letter != code[k]) continue;
                relvalue[i][j] = relweight[k];
                relvalue[j][i] = relweight[k];
                // A code's list has room for 162 pairs; further pairs still take
                // the value but are neither listed nor counted.
                if (nrelpairs[k] < int(relpairs[k].size()) - 1) {
                    nrelpairs[k] += 1;
                    relpairs[k][nrelpairs[k]] = 100 * i + j;
                }
                break;
            }
        }
    }

    int position = 0;
    for (int k = 1; k <= 6; ++k) {
        for (int m = 1; m <= nrelpairs[k] && position < int(relvaluelist.size()) - 1; ++m) {
            position += 1;
            relvaluelist[position] = relweight[k];
        }
    }

    double largest = 0;
    for (int k = 1; k <= 6; ++k) {
        if (relweight[k] > 0) largest = largest + relweight[k] * nrelpairs[k];
    }
    maxadjscore = largest == 0 ? 0.001 : largest;

    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            deptscore[i] = deptscore[i] + relvalue[i][j];
    }
}
