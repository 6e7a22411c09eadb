#pragma once

#include <cmath>

// Double-double arithmetic: a value carried as an unevaluated sum hi + lo of
// two doubles, about 32 significant digits. The regression uses it so that
// its sums keep full double precision even when the Bound values are large
// and close together or the fit leaves almost no residual.
namespace DoubleDouble {

struct Value
{
    double hi = 0.0;
    double lo = 0.0;
};

// Exact sum of two doubles (Knuth).
inline Value twoSum(double a, double b)
{
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// Exact sum when |a| >= |b|.
inline Value quickTwoSum(double a, double b)
{
    const double s = a + b;
    return {s, b - (s - a)};
}

// Exact product of two doubles.
inline Value twoProduct(double a, double b)
{
    const double p = a * b;
    return {p, std::fma(a, b, -p)};
}

inline Value add(Value a, Value b)
{
    Value s = twoSum(a.hi, b.hi);
    const Value t = twoSum(a.lo, b.lo);
    s.lo += t.hi;
    s = quickTwoSum(s.hi, s.lo);
    s.lo += t.lo;
    return quickTwoSum(s.hi, s.lo);
}

inline Value negate(Value a)
{
    return {-a.hi, -a.lo};
}
inline Value subtract(Value a, Value b)
{
    return add(a, negate(b));
}

inline Value multiply(Value a, Value b)
{
    Value p = twoProduct(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return quickTwoSum(p.hi, p.lo);
}

// a / b by three correction steps; b.hi must not be 0.
inline Value divide(Value a, Value b)
{
    const double q1 = a.hi / b.hi;
    Value r = subtract(a, multiply(b, {q1, 0.0}));
    const double q2 = r.hi / b.hi;
    r = subtract(r, multiply(b, {q2, 0.0}));
    const double q3 = r.hi / b.hi;
    return add(quickTwoSum(q1, q2), {q3, 0.0});
}

// The nearest double of the value.
inline double toDouble(Value a)
{
    return a.hi + a.lo;
}

} // namespace DoubleDouble
