// A window file that includes velsira-batch's session.
#include "plot/PlotForm.h"
  #  include "batch/BatchSession.h"
