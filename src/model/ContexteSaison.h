#pragma once

#include <cstdint>
#include <string>

// What the parts of a season (calendar, events, championships, people, stadiums
// and club records) ask of the season that holds them: names by id and ids by
// name, and the registries. The season document implements it; the tests of
// those parts use small fakes, so the parts can be built and tested before the
// season itself. Keep it to what the parts really call.
class TContexteSaison {
public:
    virtual ~TContexteSaison() = default;
};
