#include "log/synth/SynthMath.h"

#include <cmath>

namespace {

// Taylor series on [-pi/2, pi/2]; the 21st-order term is below 1e-16 there.
double SineReduced(double x) {
  const double x2 = x * x;
  double term = x;
  double sum = x;
  for (int n = 1; n <= 10; ++n) {
    term *= -x2 / ((2.0 * n) * (2.0 * n + 1.0));
    sum += term;
  }
  return sum;
}

// Series for |t| <= 0.2 (reached after two half-angle steps from |t| <= 1).
double ArcTangentSmall(double t) {
  const double t2 = t * t;
  double power = t;
  double sum = t;
  for (int n = 1; n <= 12; ++n) {
    power *= -t2;
    sum += power / (2.0 * n + 1.0);
  }
  return sum;
}

double ArcTangentUnit(double t) {
  // atan(t) = 2 atan(t / (1 + sqrt(1 + t^2)))
  for (int i = 0; i < 2; ++i) t = t / (1.0 + std::sqrt(1.0 + t * t));
  return 4.0 * ArcTangentSmall(t);
}

}  // namespace

double Sine(double radians) {
  double x = std::fmod(radians, 2.0 * kPi);
  if (x > kPi) x -= 2.0 * kPi;
  if (x < -kPi) x += 2.0 * kPi;
  if (x > kPi / 2) x = kPi - x;
  if (x < -kPi / 2) x = -kPi - x;
  return SineReduced(x);
}

double Cosine(double radians) { return Sine(radians + kPi / 2); }

double ArcTangent2(double y, double x) {
  if (x == 0 && y == 0) return 0;
  const double ay = std::fabs(y);
  const double ax = std::fabs(x);
  double angle = ay <= ax ? ArcTangentUnit(ay / ax) : kPi / 2 - ArcTangentUnit(ax / ay);
  if (x < 0) angle = kPi - angle;
  return y < 0 ? -angle : angle;
}

double WrapDegrees(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d < 0) d += 360.0;
  return d >= 360.0 ? 0.0 : d;
}

double SignedDegrees(double degrees) {
  const double d = WrapDegrees(degrees);
  return d > 180.0 ? d - 360.0 : d;
}
