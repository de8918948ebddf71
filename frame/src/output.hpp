// Refused output. The runtime drops a record that standard output does not
// take and carries on as if it had been written; the frame notices instead.
#pragma once

#include "frame/statement.hpp"

namespace console::detail {

// Ends the run with the runtime's report, naming the statement, when standard
// output has refused anything so far. With record_complete, the statement's
// record is pushed out first, so that a refusal is found at the statement
// whose record it was.
void check_output(Location where, bool record_complete);

}  // namespace console::detail
