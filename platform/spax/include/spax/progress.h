// The host's progress function.
//
// A conversion calls it with the fraction of the work done (0.0 to 1.0) and
// a stop flag that starts at 0; setting the flag to non-zero asks the
// conversion to stop, which then returns SPAX_W_STOPPED_BY_HOST.
#ifndef SPAX_PROGRESS_H
#define SPAX_PROGRESS_H

#include "spax/export.h"

using SPAXProgressReportFct = void (*)(double fractionDone, int& stop);

// The process-wide progress function; null (no progress reports) until the
// host installs one. Callers hand it to each converter they prepare.
extern SPAX_BASE_API SPAXProgressReportFct SPAXProgressReport_fct;

#endif // SPAX_PROGRESS_H
