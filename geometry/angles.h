#pragma once

#include <optional>

namespace rainbow {

// pi, as the program computes it: 4 arctan(1).
double pi_value();

// Arcsine of x in [-pi/2, pi/2], or no value for x outside [-1, 1]. Every caller reads the
// missing value as 0.
std::optional<double> safe_arcsine(double x);

// arctan(x / sqrt(1 - x^2)): the arcsine for -1 < x < 1 only, without a guard.
double arcsine_by_arctangent(double x);

// Distance between the points (x1, y1) and (x2, y2).
double point_distance(double x1, double y1, double x2, double y2);

// The angle of incidence of the least-deviation ray after k internal reflections in a drop
// of index n; k = 0 takes the angle of one reflection. No value where none exists.
std::optional<double> rainbow_incidence(double n, int k = 1);

}  // namespace rainbow
