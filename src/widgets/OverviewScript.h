// The card overview page's script: one batch that clears the page, draws every trip's route
// (at most MaxRoutePoints a trip), puts the event recordings and driving events on it as
// markers and heat, and writes the legend. Numbers are written the same in every locale.
#pragma once

#include "DisplayFormat.h"
#include "TripBuilder.h"

#include <QColor>
#include <QString>

class OverviewScript {
public:
    static constexpr size_t MaxRoutePoints = 2000;

    static QString of(const TripBuilder::Trips &trips, const std::vector<TripBuilder::Source> &sources,
                      const DisplayFormat &format);
    // The colour of a trip's route and legend line.
    static QColor tripColour(size_t trip);
    static QString selectTrip(int trip);
};
