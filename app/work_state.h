#pragma once

#include <string_view>
#include <variant>

#include "work_text.h"

namespace quorvel {

class Form;

// The work on the form. Two things the form keeps but shows nowhere are not part of it:
// the S/T of a CALC whose readout has since been emptied, and the captions of answer
// labels hidden again after an earlier ANS.
Work work_of(const Form& f);

// A work text read against the form's own ranges, levels included.
std::variant<Work, WorkError> read_work(std::string_view text, const Form& f);

// Opens the work's exercise, then brings the form to the work by running the handlers a
// student would: the cos/sin option and n's spin buttons, k's, CALC, the coefficients'
// spin buttons and ANS. What the window shows is then what it showed where the work was
// taken. The work must lie in the form's ranges (read_work checks that).
void restore_work(Form& f, const Work& work);

}  // namespace quorvel
