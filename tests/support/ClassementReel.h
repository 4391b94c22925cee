#pragma once
// The final table of a real results file, counted plainly from the matches (3
// points a win, 1 a draw; then goal difference, then goals scored), to check
// what the program computes from the shipped data against the data itself.

#include <string>
#include <vector>

namespace testsupport {

struct TLigneReelle {
    std::string Equipe;
    int Points = 0;
    int Difference = 0;
    int Pour = 0;
};

// The folder of the results files the generator reads, ending with "/".
std::string DossierResultats();
// The folder of the tournament's files, ending with "/".
std::string DossierCoupe();
// The table of one of them ("fr.1.json"); fails the test when it cannot be read.
std::vector<TLigneReelle> ClassementReel(const std::string& fichier);

} // namespace testsupport
