#include "spax/progress.h"

SPAXProgressReportFct SPAXProgressReport_fct = nullptr;
