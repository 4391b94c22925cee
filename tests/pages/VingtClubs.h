#pragma once

#include <array>

namespace testsupport {

// The clubs of a first division of twenty, long names and shared words
// included, to lay pages out as a real season fills them.
inline constexpr std::array<const char*, 20> VingtClubs{"Olympique Lyonnais",
                                                        "Paris Saint-Germain",
                                                        "Olympique de Marseille",
                                                        "AS Monaco",
                                                        "Lille OSC",
                                                        "Stade Rennais",
                                                        "OGC Nice",
                                                        "RC Lens",
                                                        "Stade Brestois",
                                                        "FC Nantes",
                                                        "Montpellier HSC",
                                                        "Toulouse FC",
                                                        "Stade de Reims",
                                                        "RC Strasbourg",
                                                        "FC Lorient",
                                                        "Clermont Foot",
                                                        "Le Havre AC",
                                                        "FC Metz",
                                                        "AJ Auxerre",
                                                        "Angers SCO"};

} // namespace testsupport
