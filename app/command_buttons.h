#pragma once

namespace quorvel {

class Form;

void Command1_Click(Form& f);  // RESET (example): a new exercise at the same level
void Command2_Click(Form& f);  // RESET (essential wave): back to n = 0 and cosine
void Command3_Click(Form& f);  // CALC: the mean S/T of the product wave
void Command4_Click(Form& f);  // ANS: reveal the true coefficients
void switch_c_Click(Form& f);  // "cos"
void switch_s_Click(Form& f);  // "sin", refused while n = 0

}  // namespace quorvel
