#pragma once
// The personal golf history: every round on file for one golfer, newest first,
// with the explanation of the golfer's index and a mark on the rounds it used.

#include "data/golferlist.h"
#include "data/scorefile.h"
#include "handicap/handicapindex.h"
#include "reports/reportoutput.h"

namespace fw {

// The report's lines for the golfer's rounds, sorted newest first. The index
// explanation is ComputeIndex's, taken through its printer target. As the
// index calculation does, the report cuts the texts it reads at NUL in the
// table itself, and the calculation sets the rating of the rounds it counts
// without a usable rating to "0.0". Throws ConversionError on a number text
// that is not one. Under WHS (options.Rules) the heading is followed by
// kWhsRulesLine, and the explanation and the differentials are WHS's. Dates
// are shown in options.Order.
ReportLines GolfHistoryLines(ScoreTable& scores, const TGolferRec& golfer,
                             const IndexOptions& options);

}  // namespace fw
