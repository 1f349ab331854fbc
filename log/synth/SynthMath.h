// Trigonometry for the vessel model. The C library's sin, cos and atan2 may
// round differently between versions, which would change the bytes of a log
// for the same seed; these use only + - * / and sqrt, which IEEE arithmetic
// fixes exactly.
#pragma once

constexpr double kPi = 3.14159265358979323846;

constexpr double Radians(double degrees) { return degrees * (kPi / 180.0); }
constexpr double Degrees(double radians) { return radians * (180.0 / kPi); }

double Sine(double radians);
double Cosine(double radians);
// The angle of (x, y) in (-pi, pi].
double ArcTangent2(double y, double x);

// [0, 360)
double WrapDegrees(double degrees);
// (-180, 180]
double SignedDegrees(double degrees);

constexpr double Clamp(double value, double low, double high) {
  return value < low ? low : (value > high ? high : value);
}
