// The calculation command's computing steps as functions of the main form's values. The form
// itself (and any other front end) only gathers FormValues, shows what ValidateInput
// reports and copies the results into its controls.
#pragma once

#include "app/Program.h"
#include "vedic/BirthForm.h"

namespace velakor {

// Copies the form into the birth record (the zone's table entries included).
void CopyFormToRecord(Program& p, const FormValues& v);

// Casts the chart of the birth record in the sky in use (the stages in their fixed order),
// completes its houses and divisional signs and writes its texts.
void ComputeChart(Program& p);

// The computing steps of the calculation command for values that passed ValidateInput:
// copy the form into the birth record, compute.
void RunCalculation(Program& p, const FormValues& v);

}  // namespace velakor
