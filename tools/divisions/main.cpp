// Builds the program folder's generated data: the standard division files, the
// sample seasons and the crest catalogue.
//
//   brevalune_generateur <catalogue file> <results folder/> <tournament folder/> <program folder/>

#include "Generateur.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::cerr << "usage: " << argv[0]
                  << " <catalogue file> <results folder/> <tournament folder/> <program folder/>\n";
        return 2;
    }
    std::string erreur;
    if (!GenereDonnees(argv[1], argv[2], argv[3], argv[4], erreur)) {
        std::cerr << argv[0] << ": " << erreur << "\n";
        return 1;
    }
    return 0;
}
