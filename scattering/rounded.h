#pragma once
// The mathematical functions the theory window's numbers are made of, rounded to the nearest
// double from double-double precision (scattering/double_double.h): the same bits with any
// mathematical library. The C libraries give results within an ulp, but not always the same
// one: glibc's and the browser edition's musl differ now and then in the last bit, and near a
// bow the curves carry that bit into their tenth digit (Airy's phase, the Mie sums), and a
// plot's scale into every number of its display list.
namespace rainbow::scattering::rounded {

double sin(double x);  // |x| below 2^30
double cos(double x);
double exp(double x);
double log(double x);            // x > 0
double pow(double x, double y);  // x > 0
double cbrt(double x);
double asin(double x);  // x within -1 .. 1
double acos(double x);

}  // namespace rainbow::scattering::rounded
