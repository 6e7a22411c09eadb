#include "fitting/StudentQuantile.h"

#include <boost/math/distributions/students_t.hpp>

namespace Fitting {

double TwoSidedStudentT(double confidence, int df)
{
    const boost::math::students_t distribution(df);
    return boost::math::quantile(distribution, 0.5 + confidence / 2);
}

} // namespace Fitting
